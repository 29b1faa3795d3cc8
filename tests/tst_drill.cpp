#include "engine/texts.h"
#include "testsupport/harness.h"

#include <QLabel>
#include <QSet>
#include <QTest>

using namespace kerbu;

namespace {

QLabel* label(FormWindow* window, const char* name) {
    return window->control<QLabel>(QString::fromLatin1(name));
}

const QString kerbuTitle = QStringLiteral("  Kerbu!  ---  4. lecke");
const QString dezaviTitle = QStringLiteral("Dezavi!  ---  4. lecke: 1a");

} // namespace

class DrillTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { windows().clear(); }

    void loadState_data();
    void loadState();
    void splitAnswers_data();
    void splitAnswers();
    void vowelChangeNeedsEditingTheWordBox();
    void articleBelongsToBothParts();
    void wrongAnswerKeepsEverything_data();
    void wrongAnswerKeepsEverything();
    void normalRun_data();
    void normalRun();
    void extendedRunOf1bAsksPalyaudvarTwice();
    void plusDuringRunAndAcrossReopening();
    void enterOnFocusedStartStarts();
    void charToggles();
    void solution();
    void wordBoxCaretGoesToTheEnd();
    void titleSuffixDoesNotPileUp();
    void startKeepsTextTypedBefore();
};

void DrillTest::loadState_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("plusName");
    QTest::newRow("1/a") << WindowId::k04d1a << kerbuTitle + ": 1/a"
                         << "Command16";
    QTest::newRow("1/b") << WindowId::k04d1b << kerbuTitle + ": 1/b."
                         << "Command14";
}

void DrillTest::loadState() {
    QFETCH(WindowId, id);
    QFETCH(QString, caption);
    QFETCH(QString, plusName);
    DrillWindow* window = test::openDrill(id);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(test::button(window, "Command1")->text(), QString("&Start"));
    QVERIFY(test::button(window, "Command1")->hasFocus());
    QVERIFY(!test::button(window, "Command2")->isEnabled());
    QVERIFY(!test::button(window, "Command15")->isEnabled());
    QVERIFY(window->control<QPushButton>(plusName)->isVisible());
    QVERIFY(label(window, "Label6")->isHidden());
    QCOMPARE(label(window, "Label6")->text(),
             QString("á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  ő ( [ );  ú ( ] );  "
                     "ü ( - );  ű ( \\ )"));
    QVERIFY(test::box(window, "Text1")->text().isEmpty());
}

void DrillTest::splitAnswers_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("right");
    QTest::newRow("word and ending") << "mozi"
                                     << "ba" << true;
    QTest::newRow("all in the word box") << "moziba"
                                         << "" << true;
    QTest::newRow("all in the ending box") << ""
                                           << "moziba" << true;
    QTest::newRow("blanks around both") << "  mozi "
                                        << " ba  " << true;
    QTest::newRow("blank inside") << "mozi"
                                  << "b a" << false;
    QTest::newRow("capital letter") << "Mozi"
                                    << "ba" << false;
    QTest::newRow("full stop") << "mozi"
                               << "ba." << false;
    QTest::newRow("wrong ending") << "mozi"
                                  << "be" << false;
    QTest::newRow("both empty") << ""
                                << "" << false;
    QTest::newRow("only blanks") << "   "
                                 << "  " << false;
    QTest::newRow("tab is not a blank") << "mozi"
                                        << "ba\t" << false;
}

void DrillTest::splitAnswers() {
    QFETCH(QString, word);
    QFETCH(QString, ending);
    QFETCH(bool, right);
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    test::button(window, "Command1")->click();
    QVERIFY(test::advanceTo(window, "mozi"));
    const int solved = window->drill().solved;
    test::box(window, "Text1")->setText(word);
    test::box(window, "Text2")->setText(ending);
    QTest::keyClick(test::box(window, "Text2"), Qt::Key_Return);
    QCOMPARE(window->drill().solved, right ? solved + 1 : solved);
    QCOMPARE(test::recorder().beeps, right ? 0 : 1);
    QCOMPARE(label(window, "Label3")->text().endsWith("moziba; "), right);
}

void DrillTest::vowelChangeNeedsEditingTheWordBox() {
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    test::button(window, "Command1")->click();
    QVERIFY(test::advanceTo(window, "szálloda"));
    QLineEdit* word = test::box(window, "Text1");
    QLineEdit* ending = test::box(window, "Text2");
    // "ába" typed after the unchanged base word is wrong.
    ending->setFocus();
    test::type(ending, "'ba");
    QTest::keyClick(ending, Qt::Key_Return);
    QCOMPARE(test::recorder().beeps, 1);
    // Turning the final a into á in the word box (' gives á there) makes it right.
    ending->clear();
    test::type(ending, "ba");
    word->setFocus();
    QTest::keyClick(word, Qt::Key_Backspace);
    QTest::keyClick(word, Qt::Key_Apostrophe);
    QCOMPARE(word->text(), QString("szállodá"));
    QTest::keyClick(word, Qt::Key_Return);
    QCOMPARE(test::recorder().beeps, 1);
    QVERIFY(label(window, "Label3")->text().endsWith("szállodába; "));
}

void DrillTest::articleBelongsToBothParts() {
    DrillWindow* window = test::openDrill(WindowId::k04d1b);
    test::button(window, "Command1")->click();
    QVERIFY(test::advanceTo(window, "a Gellérthegy"));
    QLineEdit* ending = test::box(window, "Text2");
    test::box(window, "Text1")->clear();
    ending->setText("Gellérthegyre");
    QTest::keyClick(ending, Qt::Key_Return);
    QCOMPARE(test::recorder().beeps, 1);
    test::box(window, "Text1")->setText("a Gellérthegy");
    ending->setText("re");
    QTest::keyClick(ending, Qt::Key_Return);
    QVERIFY(label(window, "Label3")->text().endsWith("a Gellérthegyre; "));
}

void DrillTest::wrongAnswerKeepsEverything_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("1/a") << WindowId::k04d1a << "It's wrong. Try again." << dezaviTitle;
    QTest::newRow("1/b") << WindowId::k04d1b
                         << "Sorry, it's wrong. Try again. Pay attention to the spelling too."
                         << kerbuTitle + ": 1/b.";
}

void DrillTest::wrongAnswerKeepsEverything() {
    QFETCH(WindowId, id);
    QFETCH(QString, text);
    QFETCH(QString, title);
    DrillWindow* window = test::openDrill(id);
    test::button(window, "Command1")->click();
    const QString word = test::box(window, "Text1")->text();
    const int item = window->drill().idx;
    QLineEdit* ending = test::box(window, "Text2");
    QVERIFY(ending->hasFocus());
    test::type(ending, "xyz");
    QTest::keyClick(ending, Qt::Key_Return);
    QCOMPARE(test::recorder().beeps, 1);
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::recorder().messages[0].text, text);
    QCOMPARE(test::recorder().messages[0].title, title);
    QCOMPARE(test::recorder().messages[0].icon, Icon::Exclamation);
    QCOMPARE(test::box(window, "Text1")->text(), word);
    QCOMPARE(ending->text(), QString("xyz"));
    QCOMPARE(window->drill().idx, item);
    QCOMPARE(window->drill().solved, 0);
    QVERIFY(ending->hasFocus());
}

void DrillTest::normalRun_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("doneText");
    QTest::addColumn<QString>("doneTitle");
    QTest::addColumn<int>("doneIcon");
    QTest::addColumn<bool>("solutionAfter");
    QTest::newRow("1/a") << WindowId::k04d1a
                         << "The exercise has been accomplished. If you want to restart it, click "
                            "the \"Restart\" button."
                         << dezaviTitle << int(Icon::Stop) << true;
    QTest::newRow("1/b") << WindowId::k04d1b
                         << "This exercise has been accomplished. If you want to restart it, click "
                            "on the \"Restart\" button."
                         << kerbuTitle + ": 1/b." << int(Icon::Exclamation) << false;
}

void DrillTest::normalRun() {
    QFETCH(WindowId, id);
    QFETCH(QString, doneText);
    QFETCH(QString, doneTitle);
    QFETCH(int, doneIcon);
    QFETCH(bool, solutionAfter);
    DrillWindow* window = test::openDrill(id);
    QPushButton* start = test::button(window, "Command1");
    QCOMPARE(window->drill().phase, Phase::NotStarted);
    for (int run = 0; run < 2; ++run) {
        start->click();
        QCOMPARE(window->drill().phase, Phase::Waiting);
        QVERIFY(label(window, "Label3")->text().isEmpty());
        QSet<QString> words;
        QString record;
        for (int n = 0; n < 12; ++n) {
            const QString word = test::box(window, "Text1")->text();
            QVERIFY2(!words.contains(word), qPrintable(word));
            QVERIFY(window->drill().idx < 12);
            words.insert(word);
            QVERIFY(test::recorder().messages.empty());
            record += window->drill().answer() + "; ";
            test::answerRight(window);
            QVERIFY(test::box(window, "Text2")->text().isEmpty());
        }
        QCOMPARE(words.size(), 12);
        QCOMPARE(label(window, "Label3")->text(), record);
        QCOMPARE(test::recorder().messages.size(), std::size_t(1));
        QCOMPARE(test::recorder().messages[0].text, doneText);
        QCOMPARE(test::recorder().messages[0].title, doneTitle);
        QCOMPARE(int(test::recorder().messages[0].icon), doneIcon);
        QCOMPARE(start->text(), QString("&Restart"));
        QVERIFY(start->isEnabled());
        QVERIFY(start->hasFocus());
        QVERIFY(!test::button(window, "Command2")->isEnabled());
        QCOMPARE(test::button(window, "Command15")->isEnabled(), solutionAfter);
        QVERIFY(test::box(window, "Text1")->text().isEmpty());
        QCOMPARE(window->drill().solved, 0);
        QCOMPARE(window->drill().phase, Phase::Accomplished);
        test::recorder().clear();
    }
}

void DrillTest::extendedRunOf1bAsksPalyaudvarTwice() {
    DrillWindow* window = test::openDrill(WindowId::k04d1b);
    test::button(window, "Command14")->click();
    test::button(window, "Command1")->click();
    QCOMPARE(window->drill().total, 29);
    int palyaudvar = 0;
    QSet<int> items;
    for (int n = 0; n < 29; ++n) {
        QVERIFY(test::recorder().messages.empty());
        items.insert(window->drill().idx);
        if (test::box(window, "Text1")->text() == QString("pályaudvar"))
            ++palyaudvar;
        test::answerRight(window);
    }
    QCOMPARE(items.size(), 29);
    QCOMPARE(palyaudvar, 2);
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
}

void DrillTest::plusDuringRunAndAcrossReopening() {
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    QPushButton* start = test::button(window, "Command1");
    start->click();
    test::answerRight(window);
    test::answerRight(window);
    test::box(window, "Text2")->setText("half");
    test::button(window, "Command16")->click();
    QCOMPARE(start->text(), QString("&Start"));
    QVERIFY(start->isEnabled());
    QVERIFY(start->hasFocus());
    QVERIFY(test::box(window, "Text1")->text().isEmpty());
    QVERIFY(test::box(window, "Text2")->text().isEmpty());
    QVERIFY(test::button(window, "Command16")->isHidden());
    QVERIFY(label(window, "Label5")->isHidden());
    QCOMPARE(window->drill().solved, 0);
    start->click();
    QCOMPARE(window->drill().total, 26);
    test::answerRight(window);
    QCOMPARE(window->drill().solved, 1);

    // Closing and opening again: the Plus button is back, the count starts afresh,
    // and Start still runs the extended variant.
    windows().open(WindowId::alap, window);
    QVERIFY(!window->isLoaded());
    test::openDrill(WindowId::k04d1a);
    QVERIFY(test::button(window, "Command16")->isVisible());
    QVERIFY(label(window, "Label5")->isVisible());
    QCOMPARE(window->drill().solved, 0);
    QVERIFY(label(window, "Label3")->text().isEmpty());
    test::button(window, "Command1")->click();
    QCOMPARE(window->drill().total, 26);
}

void DrillTest::enterOnFocusedStartStarts() {
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    QPushButton* start = test::button(window, "Command1");
    QVERIFY(start->hasFocus());
    QTest::keyClick(start, Qt::Key_Return);
    QVERIFY(!start->isEnabled());
    QVERIFY(!test::box(window, "Text1")->text().isEmpty());
    QVERIFY(test::box(window, "Text2")->hasFocus());
    QVERIFY(test::recorder().messages.empty());
}

void DrillTest::charToggles() {
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    QPushButton* charButton = test::button(window, "Command13");
    charButton->setFocus();
    charButton->click();
    QVERIFY(label(window, "Label6")->isVisible());
    QVERIFY(test::box(window, "Text2")->hasFocus());
    // The second press hides the chart again and still hands the focus back.
    charButton->click();
    QVERIFY(label(window, "Label6")->isHidden());
    QVERIFY(test::box(window, "Text2")->hasFocus());
}

void DrillTest::solution() {
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    test::button(window, "Command1")->click();
    QVERIFY(test::advanceTo(window, "bank"));
    test::button(window, "Command2")->setFocus();
    test::button(window, "Command15")->click();
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::recorder().messages[0].text, QString("The correct solution is: bankba"));
    QCOMPARE(test::recorder().messages[0].title, dezaviTitle);
    QCOMPARE(test::recorder().messages[0].icon, Icon::Information);
    QVERIFY(test::box(window, "Text2")->hasFocus());
    QVERIFY(test::box(window, "Text2")->text().isEmpty());
}

void DrillTest::wordBoxCaretGoesToTheEnd() {
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    test::button(window, "Command1")->click();
    QLineEdit* word = test::box(window, "Text1");
    QTest::keyClick(test::box(window, "Text2"), Qt::Key_Backtab);
    QVERIFY(word->hasFocus());
    QVERIFY(!word->hasSelectedText());
    QCOMPARE(word->cursorPosition(), int(word->text().size()));
}

void DrillTest::titleSuffixDoesNotPileUp() {
    DrillWindow* a = test::openDrill(WindowId::k04d1a);
    test::button(a, "Command1")->click();
    windows().open(WindowId::alap, a);
    QCOMPARE(windows().get(WindowId::alap)->windowTitle(), kerbuTitle);
    DrillWindow* b = test::openDrill(WindowId::k04d1b);
    QCOMPARE(b->windowTitle(), kerbuTitle + ": 1/b.");
    test::button(b, "Command1")->click();
    QTest::keyClick(test::box(b, "Text2"), Qt::Key_Return);
    QCOMPARE(test::recorder().messages.back().title, kerbuTitle + ": 1/b.");
    QCOMPARE(test::recorder().messages.back().text,
             QString("Sorry, it's wrong. Try again. Pay attention to the spelling too."));
}

void DrillTest::startKeepsTextTypedBefore() {
    DrillWindow* window = test::openDrill(WindowId::k04d1b);
    QLineEdit* ending = test::box(window, "Text2");
    ending->setText("re");
    test::button(window, "Command1")->click();
    QCOMPARE(ending->text(), QString("re"));
}

QTEST_MAIN(DrillTest)
#include "tst_drill.moc"
