// The Hints line: what each rule says for real items of the lesson, how the windows show
// it, and the letters õ û Õ Û taken as ő ű Ő Ű.
#include "engine/hint.h"
#include "exercises/k04d3.h"
#include "platform/controls.h"
#include "shell/lesson.h"
#include "testsupport/harness.h"

#include <QAction>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace kerbu;
using test::Role;

Q_DECLARE_METATYPE(Hint::Kind)

namespace {

QLabel* hintLine(FormWindow* window) {
    return window->control<QLabel>("hintLine");
}

void switchHints(FormWindow* window) {
    window->findChild<QAction*>("mnuHints")->trigger();
}

// Types a wrong answer for the current item and presses Enter in the box.
void answerWrong(QLineEdit* box, const QString& text) {
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Opens a gap window, starts it and makes the gap current.
GapWindow* atGap(const QString& id, int number) {
    auto* window = static_cast<GapWindow*>(test::openWindow(id));
    test::button(window, Role::Start)->click();
    window->gap(number)->setFocus();
    return window;
}

} // namespace

class HintsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { test::shutDown(); }

    void rules_data();
    void rules();
    void sentenceRules_data();
    void sentenceRules();
    void offAtStartAndSharedByEveryWindow();
    void drillWindowsShowTheHint_data();
    void drillWindowsShowTheHint();
    void gapWindowsShowTheHint_data();
    void gapWindowsShowTheHint();
    void sentenceWindowShowsTheHint();
    void hintLineCoversNothingAndFits();
    void helpHasAPageAboutHints();
    void tildeLettersAreTheHungarianOnes_data();
    void tildeLettersAreTheHungarianOnes();
};

// clang-format off
void HintsTest::rules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("word");
    QTest::addColumn<Hint::Kind>("kind");
    QTest::addColumn<QString>("text");
    using K = Hint::Kind;
    QTest::newRow("right") << "moziba" << "moziba" << "mozi" << K::None << "";
    // 1. capitals and full stops
    QTest::newRow("1/a capital") << "Moziba" << "moziba" << "mozi" << K::CapitalOrStop << "Look at the capital letters: letter 1 is a small one.";
    QTest::newRow("1/a name") << "londonba" << "Londonba" << "London" << K::CapitalOrStop << "Look at the capital letters: letter 1 is a capital.";
    QTest::newRow("1/b article") << "a gellérthegyre" << "a Gellérthegyre" << "a Gellérthegy" << K::CapitalOrStop << "Look at the capital letters: letter 3 is a capital.";
    QTest::newRow("1/a full stop") << "bankba." << "bankba" << "bank" << K::CapitalOrStop << "No full stop belongs here.";
    QTest::newRow("4 capital gap") << "AT" << "at" << "piros" << K::CapitalOrStop << "Look at the capital letters: letter 1 is a small one.";
    // 2. accents
    QTest::newRow("2/a dots") << "gyumolcsot" << "gyümölcsöt" << "gyümölcs" << K::Accents << "Look at the accents: one letter needs a long vowel or the dots";
    QTest::newRow("1/b long vowel") << "repulőterre" << "repülőtérre" << "repülőtér" << K::Accents << "Look at the accents: one letter needs a long vowel or " "the dots";
    QTest::newRow("2/b short vowel") << "hétet" << "hetet" << "hét" << K::Accents << "Look at the accents: one letter needs a long vowel or " "the dots";
    // 3. the final a or e of the base word
    QTest::newRow("1/a szálloda") << "szállodaba" << "szállodába" << "szálloda" << K::ShortVowel << "The a at the end of the word becomes á before the ending.";
    QTest::newRow("1/b posta, wrong ending too") << "postare" << "postára" << "posta" << K::ShortVowel << "The a at the end of the word becomes á before the ending.";
    QTest::newRow("2/c fekete") << "feketet" << "feketét" << "fekete" << K::ShortVowel << "The e at the end of the word becomes é before the ending.";
    QTest::newRow("4 barna") << "barnat" << "barnát" << "barna" << K::ShortVowel << "The a at the end of the word becomes á before the ending.";
    QTest::newRow("5 zsemle") << "Három zsemlet" << "Három zsemlét" << "Három zsemle" << K::ShortVowel << "The e at the end of the word becomes é before the ending.";
    // 4. vowel harmony
    QTest::newRow("1/a bank") << "bankbe" << "bankba" << "bank" << K::Harmony << "bank takes -ba: it has back vowels.";
    QTest::newRow("1/a épület") << "épületba" << "épületbe" << "épület" << K::Harmony << "épület takes -be: it has front vowels only.";
    QTest::newRow("1/b asztal") << "asztalre" << "asztalra" << "asztal" << K::Harmony << "asztal takes -ra: it has back vowels.";
    QTest::newRow("2/a gyümölcs") << "gyümölcset" << "gyümölcsöt" << "gyümölcs" << K::Harmony << "gyümölcs takes -öt: its last vowel is a rounded front " "vowel.";
    QTest::newRow("2/a híd") << "hidet" << "hidat" << "híd" << K::Harmony << "híd takes -at, as words with back vowels do.";
    QTest::newRow("2/b öt") << "ötet" << "ötöt" << "öt" << K::Harmony << "öt takes -öt: its last vowel is a rounded front vowel.";
    QTest::newRow("4 gap piros") << "et" << "at" << "piros" << K::Harmony << "piros takes -at: it has back vowels.";
    QTest::newRow("5 gap taxi") << "ben" << "ban" << "taxi" << K::Harmony << "taxi takes -ban: it has back vowels.";
    QTest::newRow("5 gap asztal") << "en" << "on" << "asztal" << K::Harmony << "asztal takes -on: it has back vowels.";
    // 5. the linking vowel of the accusative
    QTest::newRow("2/a kabát") << "kabátt" << "kabátot" << "kabát" << K::LinkingVowel << "Here the -t needs a linking vowel in front of it.";
    QTest::newRow("2/a pulóver") << "pulóveret" << "pulóvert" << "pulóver" << K::LinkingVowel << "Here the -t follows the word without a linking vowel.";
    QTest::newRow("2/c magyar") << "magyarat" << "magyart" << "magyar" << K::LinkingVowel << "Here the -t follows the word without a linking vowel.";
    QTest::newRow("4 gap hatvan") << "t" << "at" << "hatvan" << K::LinkingVowel << "Here the -t needs a linking vowel in front of it.";
    // 6. anything else
    QTest::newRow("1/a letters") << "könyvtárben" << "könyvtárba" << "könyvtár" << K::Letters << "2 letters differ; it is right up to \"könyvtárb\".";
    QTest::newRow("2/b three") << "háromat" << "hármat" << "három" << K::Letters << "1 letter differs; it is right up to \"hár\".";
    QTest::newRow("empty") << "" << "trafikba" << "trafik" << K::Letters << "8 letters differ, from the first letter on.";
}
// clang-format on

void HintsTest::rules() {
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, word);
    QFETCH(Hint::Kind, kind);
    QFETCH(QString, text);
    const Hint::Result hint = Hint::forWord(typed, answer, word);
    QCOMPARE(hint.kind, kind);
    QCOMPARE(hint.text, text);
    // A hint never hands over the answer (an ending of two letters may stand in any text).
    if (kind != Hint::Kind::None && answer.size() > 3)
        QVERIFY(!hint.text.contains(answer));
}

// clang-format off
void HintsTest::sentenceRules_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("withPronoun");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("no full stop") << "A postára sietsz." << "Te a postára sietsz." << "Te a postára sietsz" << int(Hint::Kind::CapitalOrStop) << "The sentence ends with a full stop.";
    QTest::newRow("capital inside") << "A postára sietsz." << "Te a postára sietsz." << "A Postára sietsz." << int(Hint::Kind::CapitalOrStop) << "Look at the capital letters: letter 3 is a small one.";
    QTest::newRow("accents") << "A postára sietsz." << "Te a postára sietsz." << "A postara sietsz." << int(Hint::Kind::Accents) << "Look at the accents: one letter needs a long vowel or the dots";
    QTest::newRow("long right part") << "János a könyvtárban olvas." << "János a könyvtárban olvas." << "János a könyvtárban olvasok." << int(Hint::Kind::Letters) << "2 letters differ; it is right up to \"… a könyvtárban olvas\".";
    QTest::newRow("nearer form") << "A postára sietsz." << "Te a postára sietsz." << "Te a postára sietek." << int(Hint::Kind::Letters) << "2 letters differ; it is right up to \"Te a postára siet\".";
}
// clang-format on

void HintsTest::sentenceRules() {
    QFETCH(QString, plain);
    QFETCH(QString, withPronoun);
    QFETCH(QString, typed);
    QFETCH(int, kind);
    QFETCH(QString, text);
    const Hint::Result hint = Hint::forSentence(typed, plain, withPronoun);
    QCOMPARE(int(hint.kind), kind);
    QCOMPARE(hint.text, text);
}

void HintsTest::offAtStartAndSharedByEveryWindow() {
    FormWindow* first = test::openWindow("k04d1a");
    QAction* hints = first->findChild<QAction*>("mnuHints");
    QVERIFY(hints && hints->isCheckable() && !hints->isChecked());
    // It stands below "On&Top" in the Options menu.
    const auto items = first->findChild<QMenu*>("mnuOptions")->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), QString("On&Top"));
    QCOMPARE(items[1]->text(), QString("&Hints"));
    // Off: a wrong answer brings the beep and the message only.
    test::button(first, Role::Start)->click();
    answerWrong(test::box(first, Role::Ending), "xyz");
    QCOMPARE(test::recorder().beeps, 1);
    QVERIFY(hintLine(first)->isHidden());
    switchHints(first);
    test::program().windows().open(WindowId::alap, first);
    FormWindow* second = test::openWindow("k04d5");
    QVERIFY(second->findChild<QAction*>("mnuHints")->isChecked());
    switchHints(second);
    FormWindow* third = test::openWindow("k04d3");
    QVERIFY(!third->findChild<QAction*>("mnuHints")->isChecked());
}

// clang-format off
void HintsTest::drillWindowsShowTheHint_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("wordBox");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("hint");
    QTest::newRow("1/a szálloda") << "k04d1a" << "szálloda" << "szálloda" << "ba" << "The a at the end of the word becomes á before the ending.";
    QTest::newRow("1/b Budapest") << "k04d1b" << "Budapest" << "Budapest" << "ra" << "Budapest takes -re.";
    QTest::newRow("2/a kabát") << "k04d2a" << "kabát" << "kabát" << "t" << "Here the -t needs a linking vowel in front of it.";
    QTest::newRow("2/b öt") << "k04d2b" << "öt" << "öt" << "et" << "öt takes -öt: its last vowel is a rounded front vowel.";
    QTest::newRow("2/c Kék") << "k04d2c" << "kék" << "Kék" << "et" << "Look at the capital letters: letter 1 is a small one.";
    QTest::newRow("1/a könyvtár") << "k04d1a" << "könyvtár" << "könyvtár" << "ben" << "2 letters differ; it is right up to \"könyvtárb\".";
    QTest::newRow("1/b híd") << "k04d1b" << "híd" << "hid" << "ra" << "Look at the accents: one letter needs a long vowel or the dots";
    QTest::newRow("2/a toll") << "k04d2a" << "toll" << "toll" << "ot" << "toll takes -at: it has back vowels.";
}
// clang-format on

void HintsTest::drillWindowsShowTheHint() {
    QFETCH(QString, id);
    QFETCH(QString, word);
    QFETCH(QString, wordBox);
    QFETCH(QString, ending);
    QFETCH(QString, hint);
    DrillWindow* window = test::openDrill(id);
    switchHints(window);
    test::button(window, Role::Start)->click();
    while (test::box(window, Role::Word)->text() != word)
        test::answerRight(window);
    test::box(window, Role::Word)->setText(wordBox);
    answerWrong(test::box(window, Role::Ending), ending);
    // The beep and the message as ever, then the hint.
    QCOMPARE(test::recorder().beeps, 1);
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QVERIFY(hintLine(window)->isVisible());
    QCOMPARE(hintLine(window)->text(), hint);
    QCOMPARE(hintLine(window)->accessibleName(), "Hint: " + hint);
    const auto& announced = test::recorder().announced;
    QVERIFY(std::find(announced.begin(), announced.end(), hintLine(window)) != announced.end());
    // It stays until the next answer.
    test::answerRight(window);
    QVERIFY(hintLine(window)->isHidden());
}

// clang-format off
void HintsTest::gapWindowsShowTheHint_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hint");
    QTest::newRow("4 gap 0") << "k04d4" << 0 << "et" << "piros takes -at: it has back vowels.";
    QTest::newRow("4 gap 3") << "k04d4" << 3 << "t" << "The a at the end of the word becomes á before the ending.";
    QTest::newRow("5 gap 3") << "k04d5" << 3 << "ban" << "negyedik takes -ben: it has front vowels only.";
    QTest::newRow("5 gap 10") << "k04d5" << 10 << "et" << "Here the -t follows the word without a linking vowel.";
}
// clang-format on

void HintsTest::gapWindowsShowTheHint() {
    QFETCH(QString, id);
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, hint);
    GapWindow* window = atGap(id, number);
    switchHints(window);
    QCOMPARE(window->text().current(), number);
    answerWrong(window->gap(number), typed);
    QCOMPARE(test::recorder().beeps, 1);
    QVERIFY(hintLine(window)->isVisible());
    QCOMPARE(hintLine(window)->text(), hint);
    // Hints off hides it at once.
    switchHints(window);
    QVERIFY(hintLine(window)->isHidden());
}

void HintsTest::sentenceWindowShowsTheHint() {
    auto* window = static_cast<K04d3*>(test::openWindow("k04d3"));
    switchHints(window);
    test::button(window, Role::Start)->click();
    QLineEdit* box = test::box(window, Role::Ending);
    answerWrong(box, "Kati a bankba megy");
    QCOMPARE(hintLine(window)->text(), QString("The sentence ends with a full stop."));
    QVERIFY(hintLine(window)->isVisible());
    answerWrong(box, "Kati a bankba megy.");
    QVERIFY(hintLine(window)->isHidden());
    // Restart hides it too.
    answerWrong(box, "Én az autoban ülök.");
    QCOMPARE(hintLine(window)->text(),
             QString("Look at the accents: one letter needs a long vowel or the dots"));
}

// The longest hints each window can show fit the line, and the line covers no control,
// the character chart included.
void HintsTest::hintLineCoversNothingAndFits() {
    const QStringList longest = {
        "Look at the accents: one letter needs a long vowel or the dots",
        "Here the -t follows the word without a linking vowel.",
        "negyvenkettes takes -et: it has front vowels only.",
        "Harmincnyolcas takes -at, as words with back vowels do.",
        "gyümölcs takes -öt: its last vowel is a rounded front vowel.",
        "Look at the capital letters: letter 12 is a small one.",
        "The a at the end of the word becomes á before the ending.",
        "13 letters differ; it is right up to \"…ok a könyvtárban olva\"."};
    for (const Exercise& exercise : test::program().lesson().exercises) {
        const QString id = QString::fromLatin1(exercise.name);
        FormWindow* window = test::openWindow(id);
        auto* line = qobject_cast<Caption*>(hintLine(window));
        QVERIFY2(line, qPrintable(id));
        line->show();
        window->findChild<QLabel*>(id == "k04d4" || id == "k04d5" ? "Label3" : "Label6")->show();
        const QRect place = line->geometry();
        for (QWidget* other : window->body()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == line || !other->isVisible())
                continue;
            QVERIFY2(!place.intersects(other->geometry()),
                     qPrintable(id + ": the hint covers " + other->objectName()));
        }
        const QFontMetrics metrics(line->font());
        for (const QString& text : longest) {
            line->setText(text);
            const QStringList lines = line->lines();
            QVERIFY2(int(lines.size()) * metrics.lineSpacing() <= line->height(),
                     qPrintable(id + ": " + text));
            for (const QString& part : lines)
                QVERIFY2(metrics.horizontalAdvance(part.trimmed()) <= line->width(),
                         qPrintable(id + ": " + part));
        }
        window->unloadForm();
    }
}

void HintsTest::helpHasAPageAboutHints() {
    QFile help(QStringLiteral(":/help/kerbud1.html"));
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(help.readAll());
    QVERIFY(page.contains(QLatin1String("<a href=\"#hints\">")));
    QVERIFY(
        page.contains(QLatin1String("<a name=\"hints\"></a>Hints: what a wrong answer got wrong")));
    QVERIFY(page.contains(QLatin1String("<b>Options</b> menu")));
}

void HintsTest::tildeLettersAreTheHungarianOnes_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("index");
    const struct {
        const char* id;
        const char* box;
        int index;
    } boxes[] = {{"k04d1a", "Text1", -1}, {"k04d1a", "Text2", -1}, {"k04d2a", "Text1", -1},
                 {"k04d2a", "Text2", -1}, {"k04d2c", "Text2", -1}, {"k04d3", "Text1", -1},
                 {"k04d4", "Text14", 2},  {"k04d4", "Text22", -1}, {"k04d5", "Text9", -1},
                 {"k04d5", "Text14", 11}};
    for (const auto& b : boxes)
        QTest::addRow("%s %s %d", b.id, b.box, b.index) << b.id << b.box << b.index;
}

void HintsTest::tildeLettersAreTheHungarianOnes() {
    QFETCH(QString, id);
    QFETCH(QString, box);
    QFETCH(int, index);
    FormWindow* window = test::openWindow(id);
    auto* edit = window->control<QLineEdit>(box, index);
    QVERIFY(edit);
    edit->clear();
    edit->setFocus();
    // A key with its text, as a Western layout's dead keys send it.
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(u'õ'), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(u'Û'), Qt::NoModifier);
    // Pasted text.
    edit->insert(QStringLiteral("ûÕ"));
    // An input method's commit.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("õ"));
    QApplication::sendEvent(edit, &commit);
    QCOMPARE(edit->text(), QString("őŰűŐő"));
}

QTEST_MAIN(HintsTest)
#include "tst_hints.moc"
