// The Hints line in the windows: the Options menu that switches it, the marks and the why
// as they are shown and read, and the line's place and fit.
#include "engine/hintline.h"
#include "testsupport/harness.h"

#include <QAccessible>

using namespace Qt::StringLiterals;
using namespace kerbu;
using test::Role;

namespace {

QLabel* hintLine(FormWindow* window) {
    return window->control<QLabel>("hintLine");
}

} // namespace

class HintLineTest : public test::Suite {
    Q_OBJECT

  private slots:
    // What the learner typed is shown safely: escaped, control characters replaced, right to
    // left set apart, the marked letters underlined.
    // clang-format off
    void markedHtmlIsSafe_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("markup") << "<b>ba";
        QTest::newRow("control character") << u"bank\u0007ba"_s;
        QTest::newRow("right to left") << u"bank\u05d0"_s;
        QTest::newRow("accents piled up") << u"ba\u0301\u0301\u0301\u0301\u0301\u0301nkba"_s;
    }
    // clang-format on

    void markedHtmlIsSafe() {
        QFETCH(QString, typed);
        const QString html = markedHtml(Hint::forWord(typed, "bankba", "bank").marks);
        QVERIFY(!html.contains(QChar(7)) && html.contains("&lt;") == typed.contains("<") &&
                html.count("text-decoration:underline") >= 1);
        QCOMPARE(html.contains(QChar(0x2068)), typed.contains(QChar(0x05d0)));
        QVERIFY(!html.contains(u"\u0301\u0301\u0301\u0301"_s));
    }

    // The Options menu of every exercise window; Hints off at start. Switched on in one
    // window they are on in the next, and switched off the line goes. (What each kind of
    // window shows and says with Hints on is in the transcripts of tst_flow.)
    void hintsHoldInEveryWindow() {
        FormWindow* window = test::openWindow("k04d1a");
        QStringList captions;
        for (const QAction* item : window->findChild<QMenu*>("mnuOptions")->actions())
            captions << item->text();
        QCOMPARE(captions, QStringList({"On&Top", "&Hints", "&Mistakes...",
                                        "&Practise the mistakes", "&Read aloud", "Say &again"}));
        QVERIFY(!window->findChild<QAction*>("mnuHints")->isChecked());
        window->findChild<QAction*>("mnuHints")->trigger();
        window = test::openWindow("k04d5");
        QVERIFY(window->findChild<QAction*>("mnuHints")->isChecked());
        test::button(window, Role::Start)->click();
        test::answerWrong(window, "ot");
        QVERIFY(hintLine(window)->isVisible());
        window->findChild<QAction*>("mnuHints")->trigger();
        QVERIFY(hintLine(window)->isHidden());
    }

    // One window of each kind with Hints on: a wrong answer shows what was typed with
    // its letters marked and the hint, Solution shows why; a screen reader reads both.
    // clang-format off
    void marksAndWhyAreShownAndRead_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("why");
        QTest::newRow("word drill") << "k04d1a" << "étteremben" << "Hint: étteremben, marked: letters 8 to 10. -ban/-ben answer hol?; here the question is hova? (into where?), -ba/-be." << "Why: étterembe: étterem takes -be: it has front vowels only.";
        QTest::newRow("sentence") << "k04d3" << "Kati a bankban megy." << "Hint: Kati a bankban megy., marked: word 3: letters 5 to 7. Word 3, the place: -ban/-ben answer hol?; here the question is hova? (into where?), -ba/-be." << "Why: megy goes with Kati; bankba answers hova? (into where?); a comes before a consonant.";
        QTest::newRow("gap") << "k04d4" << "et" << "Hint: et, marked: letter 1. piros takes -at: its last vowel, o, is a back vowel." << "Why: pirosat: piros takes -at: its last vowel, o, is a back vowel; after s this word takes a linking vowel.";
    }
    // clang-format on

    void marksAndWhyAreShownAndRead() {
        QFETCH(QString, id);
        QFETCH(QString, typed);
        QFETCH(QString, hint);
        QFETCH(QString, why);
        FormWindow* window = test::openWindow(id);
        window->findChild<QAction*>("mnuHints")->trigger();
        test::button(window, Role::Start)->click();
        test::answerWrong(window, typed);
        auto* line = window->findChild<HintLine*>("hintLine");
        QVERIFY(line->isVisible());
        QVERIFY(line->text().contains("text-decoration:underline"));
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), hint);
        // The Mistakes list marks the same letters, and a screen reader hears them there too.
        auto* exercise = static_cast<ExerciseWindow*>(window);
        const QString cell = exercise->mistakes()
                                 .index(0, MistakeLog::TypedColumn)
                                 .data(Qt::AccessibleTextRole)
                                 .toString();
        QVERIFY2(hint.startsWith("Hint: " + cell + ". "), qPrintable(cell));
        exercise->showMistakes();
        QVERIFY(!exercise->mistakesWindow()->grab().isNull());
        test::button(window, Role::Solution)->click();
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), why);
        QCOMPARE(test::recorder().announced.back(), line);
        QVERIFY(!line->text().contains("underline"));
    }

    // The longest hints and explanations fit the line in every window: what does not fit
    // is cut at a word with "…" and stands whole in the tooltip. The line covers no
    // control, the character chart included.
    void hintLineCoversNothingAndFits() {
        const QStringList longest = {
            "-n/-on/-en/-ön answer hol?; here the question is hova? (onto where?), -ra/-re.",
            "Look at the accents: 12 letters need the dots and 1 should have no long mark.",
            "Word 2, the place: -ba/-be answer hova?; here the question is hol? (in where?), "
            "-ban/-ben.",
            "éttermet: étterem takes -et: it has front vowels only; the last e of étterem drops "
            "out; after m the ending takes a linking vowel."};
        const MarkedText marked =
            MarkedText::byWords("Én a könyvtárbanx olvasokk.", "Én a könyvtárban olvasok.");
        for (const QString& id : test::exercises) {
            FormWindow* window = test::openWindow(id);
            auto* line = window->findChild<HintLine*>("hintLine");
            QVERIFY2(line, qPrintable(id));
            line->show();
            window->findChild<QLabel*>(id == "k04d4" || id == "k04d5" ? "Label3" : "Label6")
                ->show();
            const QRect place = line->geometry();
            for (QWidget* other :
                 window->body()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other == line || !other->isVisible())
                    continue;
                QVERIFY2(!place.intersects(other->geometry()),
                         qPrintable(id + ": the hint covers " + other->objectName()));
            }
            for (const QString& text : longest) {
                line->showHint(marked, text);
                QVERIFY2(line->heightForWidth(line->width()) <= line->height(),
                         qPrintable(id + ": " + text));
                const QString shown = line->text().remove(QChar(0x2060));
                QVERIFY(line->toolTip().remove(QChar(0x2060)).endsWith(text));
                QVERIFY(shown.endsWith(text) || shown.endsWith("…"));
                QVERIFY(line->accessibleName().endsWith(text));
                line->showWhy(text);
                QVERIFY2(line->heightForWidth(line->width()) <= line->height(),
                         qPrintable(id + ": " + text));
            }
            window->unloadForm();
        }
    }
};

QTEST_MAIN(HintLineTest)
#include "tst_hintline.moc"
