#include "engine/gapwindow.h"
#include "shell/sobre.h"
#include "testsupport/harness.h"

#include <QAction>
#include <QLabel>
#include <QTest>

using namespace kerbu;

namespace {

GapWindow* openGaps(WindowId id) {
    return static_cast<GapWindow*>(test::openWindow(id));
}

QColor background(QWidget* box) {
    return box->palette().color(QPalette::Base);
}

// Makes a gap current as the learner does, with a click into it.
void clickInto(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton);
}

void enter(QWidget* box) {
    QTest::keyClick(box, Qt::Key_Return);
}

const QColor openYellow(255, 255, 192);
const QColor solvedYellow(255, 255, 0);
const QColor openTan(238, 187, 136);
const QColor solvedTan(255, 192, 128);

} // namespace

class GapsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { test::freshStart(); }
    void init() { test::freshStart(); }
    void cleanupTestCase() { windows().clear(); }

    void answers_data();
    void answers();
    void wordBoxEditingKeepsTheGapCurrent();
    void enterInWordBoxChecksTheCurrentGap();
    void anyOrderAndWrapAround_data();
    void anyOrderAndWrapAround();
    void coloursOpenAndSolved();
    void accomplished_data();
    void accomplished();
    void restartInTheMiddleNeedsEveryGapAgain_data();
    void restartInTheMiddleNeedsEveryGapAgain();
    void reopeningStartsAfresh();
    void beforeStartEnterChecksNothing();
    void promptsNeverTakeTheFocus_data();
    void promptsNeverTakeTheFocus();
    void charInExercise5ActsOnFocus();
    void keyTablesOfExercise5();
    void solutionTexts_data();
    void solutionTexts();
    void howToGoesToTheCurrentGap();
    void aboutInExercise5();
};

void GapsTest::answers_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("wordBox"); // the word box in front of the gap, if any
    QTest::addColumn<QString>("word");    // what the learner leaves in it
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    auto row = [](WindowId id, int n, const char* what, const QString& wordBox, const QString& word,
                  const QString& typed, bool right) {
        QTest::addRow("%s gap %d %s", qPrintable(windowName(id)), n, what)
            << id << n << wordBox << word << typed << right;
    };
    // An ending checked with the blanks around it removed.
    auto trimmed = [&](WindowId id, int n, const QString& ending) {
        row(id, n, "ending", "", "", ending, true);
        row(id, n, "blanks around", "", "", "  " + ending + " ", true);
        row(id, n, "capitals", "", "", ending.toUpper(), false);
        row(id, n, "full stop", "", "", ending + ".", false);
        if (ending.size() > 1)
            row(id, n, "blank inside", "", "", ending.left(1) + " " + ending.mid(1), false);
        row(id, n, "empty", "", "", "", false);
    };
    // Two endings, each accepted only exactly as typed.
    auto exact = [&](WindowId id, int n, const QString& ending, const QString& alternative) {
        row(id, n, "ending", "", "", ending, true);
        row(id, n, "alternative", "", "", alternative, true);
        row(id, n, "blank before", "", "", " " + ending, false);
        row(id, n, "blank after", "", "", alternative + " ", false);
    };
    // The word box in front of the gap and the gap together make the whole word.
    auto withWord = [&](WindowId id, int n, const QString& box, const QString& shown,
                        const QString& edited, const QString& ending, const QString& whole) {
        row(id, n, "word box edited", box, edited, ending, true);
        row(id, n, "all in the word box", box, whole, "", true);
        row(id, n, "all in the gap", box, "", whole, true);
        row(id, n, "split elsewhere", box, whole.chopped(ending.size() + 1),
            whole.right(ending.size() + 1), true);
        row(id, n, "word box unchanged", box, shown, ending, false);
        row(id, n, "blank after", box, edited, ending + " ", false);
    };
    const WindowId four = WindowId::k04d4;
    trimmed(four, 0, "at");
    trimmed(four, 1, "et");
    trimmed(four, 2, "et");
    withWord(four, 3, "Text22", "barna", "barná", "t", "barnát");
    exact(four, 4, "et", "t");
    exact(four, 5, "at", "t");
    trimmed(four, 6, "et");
    trimmed(four, 7, "at");
    const WindowId five = WindowId::k04d5;
    trimmed(five, 0, "et");
    trimmed(five, 1, "et");
    trimmed(five, 2, "ban");
    trimmed(five, 3, "ben");
    withWord(five, 4, "Text8", "Három zsemle", "Három zsemlé", "t", "Három zsemlét");
    withWord(five, 5, "Text9", "Három", "Hárm", "at", "Hármat");
    trimmed(five, 6, "ben");
    trimmed(five, 7, "ben");
    trimmed(five, 8, "on");
    trimmed(five, 9, "on");
    trimmed(five, 10, "t");
    exact(five, 11, "at", "t");
}

void GapsTest::answers() {
    QFETCH(WindowId, id);
    QFETCH(int, number);
    QFETCH(QString, wordBox);
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    GapWindow* window = openGaps(id);
    test::button(window, "Command1")->click();
    TextBox* gap = window->gap(number);
    clickInto(gap);
    QCOMPARE(window->idx(), number);
    if (!wordBox.isEmpty())
        window->control<QLineEdit>(wordBox)->setText(word);
    gap->setText(typed);
    enter(gap);
    QCOMPARE(window->solved(), right ? 1 : 0);
    QCOMPARE(gap->isEnabled(), !right);
    QCOMPARE(gap->text(), typed);
    QCOMPARE(test::recorder().beeps, right ? 0 : 1);
    if (!right) {
        QVERIFY(gap->hasFocus());
        QCOMPARE(window->idx(), number);
    }
}

void GapsTest::wordBoxEditingKeepsTheGapCurrent() {
    GapWindow* window = openGaps(WindowId::k04d4);
    test::button(window, "Command1")->click();
    TextBox* gap = window->gap(3);
    clickInto(gap);
    test::type(gap, "t");
    QLineEdit* word = window->control<QLineEdit>("Text22");
    word->setFocus(Qt::TabFocusReason);
    QCOMPARE(word->cursorPosition(), 5);
    QTest::keyClick(word, Qt::Key_Backspace);
    QTest::keyClick(word, Qt::Key_Apostrophe);
    QCOMPARE(word->text(), QString("barná"));
    QCOMPARE(window->idx(), 3);
    enter(word);
    QVERIFY(!gap->isEnabled());
    QCOMPARE(window->solved(), 1);
    // The word box stays open; what it holds now changes nothing.
    QVERIFY(word->isEnabled());
    word->setText("xyz");
    QCOMPARE(window->solved(), 1);
}

void GapsTest::enterInWordBoxChecksTheCurrentGap() {
    GapWindow* window = openGaps(WindowId::k04d4);
    test::button(window, "Command1")->click();
    QCOMPARE(window->idx(), 0);
    window->gap(0)->setText("at");
    QLineEdit* word = window->control<QLineEdit>("Text22");
    clickInto(word);
    enter(word);
    QVERIFY(!window->gap(0)->isEnabled());
}

void GapsTest::anyOrderAndWrapAround_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<int>("last");
    QTest::newRow("4") << WindowId::k04d4 << 7;
    QTest::newRow("5") << WindowId::k04d5 << 11;
}

void GapsTest::anyOrderAndWrapAround() {
    QFETCH(WindowId, id);
    QFETCH(int, last);
    GapWindow* window = openGaps(id);
    test::button(window, "Command1")->click();
    clickInto(window->gap(last - 1));
    test::solveGap(window);
    QCOMPARE(window->idx(), last);
    QVERIFY(window->gap(last)->hasFocus());
    test::solveGap(window);
    // From the last gap the search wraps round to the lowest open gap.
    QCOMPARE(window->idx(), 0);
    QVERIFY(window->gap(0)->hasFocus());
    test::solveGap(window);
    QCOMPARE(window->idx(), 1);
    // Solved gaps are passed over.
    clickInto(window->gap(last - 2));
    test::solveGap(window);
    QCOMPARE(window->idx(), 1);
    QCOMPARE(window->solved(), 4);
}

void GapsTest::coloursOpenAndSolved() {
    GapWindow* four = openGaps(WindowId::k04d4);
    for (int n = 0; n < 8; ++n)
        QCOMPARE(background(four->gap(n)), openYellow);
    test::button(four, "Command1")->click();
    test::solveGap(four);
    QCOMPARE(background(four->gap(0)), solvedYellow);

    GapWindow* five = openGaps(WindowId::k04d5);
    const QList<int> place = {2, 3, 6, 7, 8, 9};
    for (int n = 0; n < 12; ++n)
        QCOMPARE(background(five->gap(n)), place.contains(n) ? openTan : openYellow);
    test::button(five, "Command1")->click();
    test::solveGap(five);
    test::solveGap(five);
    test::solveGap(five);
    QCOMPARE(background(five->gap(0)), solvedYellow);
    QCOMPARE(background(five->gap(2)), solvedTan);
    QCOMPARE(five->gap(2)->text(), QString("ban"));
}

void GapsTest::accomplished_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<bool>("solutionAfter");
    QTest::newRow("4") << WindowId::k04d4 << false;
    QTest::newRow("5") << WindowId::k04d5 << true;
}

void GapsTest::accomplished() {
    QFETCH(WindowId, id);
    QFETCH(bool, solutionAfter);
    GapWindow* window = openGaps(id);
    QPushButton* start = test::button(window, "Command1");
    QCOMPARE(window->phase(), Phase::NotStarted);
    start->click();
    QCOMPARE(window->phase(), Phase::Waiting);
    for (int n = 0; n < window->gapCount(); ++n) {
        QVERIFY(test::recorder().messages.empty());
        test::solveGap(window);
    }
    QCOMPARE(window->phase(), Phase::Accomplished);
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::recorder().messages[0].text,
             QString("This exercise has been accomplished. If you want to restart it, click on "
                     "the \"Restart\" button."));
    QCOMPARE(test::recorder().messages[0].icon, Icon::Exclamation);
    QCOMPARE(test::recorder().messages[0].title, window->windowTitle());
    QCOMPARE(start->text(), QString("&Restart"));
    QVERIFY(start->isEnabled() && start->hasFocus());
    QVERIFY(!test::button(window, "Command2")->isEnabled());
    QCOMPARE(test::button(window, "Command14")->isEnabled(), solutionAfter);
    for (int n = 0; n < window->gapCount(); ++n)
        QVERIFY(!window->gap(n)->isEnabled());
    QCOMPARE(window->solved(), 0);
    QCOMPARE(window->idx(), 0);
    // Char still toggles the chart; the focus cannot go to the solved gap 0.
    QPushButton* charButton = test::button(window, "Command13");
    charButton->setFocus();
    if (id == WindowId::k04d4)
        charButton->click();
    QVERIFY(window->control<QLabel>("Label3")->isVisible());
    QVERIFY(charButton->hasFocus());
    // Restart opens every gap again, empty, with the word boxes as designed.
    start->click();
    for (int n = 0; n < window->gapCount(); ++n) {
        QVERIFY(window->gap(n)->isEnabled());
        QVERIFY(window->gap(n)->text().isEmpty());
    }
    QVERIFY(window->gap(0)->hasFocus());
    QVERIFY(test::button(window, "Command2")->isEnabled());
    if (id == WindowId::k04d4) {
        QCOMPARE(window->control<QLineEdit>("Text22")->text(), QString("barna"));
    } else {
        QCOMPARE(window->control<QLineEdit>("Text8")->text(), QString("Három zsemle"));
        QCOMPARE(window->control<QLineEdit>("Text9")->text(), QString("Három"));
        QCOMPARE(background(window->gap(3)), openTan);
    }
}

void GapsTest::restartInTheMiddleNeedsEveryGapAgain_data() {
    accomplished_data();
}

void GapsTest::restartInTheMiddleNeedsEveryGapAgain() {
    QFETCH(WindowId, id);
    GapWindow* window = openGaps(id);
    QPushButton* start = test::button(window, "Command1");
    start->click();
    for (int n = 0; n < window->gapCount(); ++n)
        test::solveGap(window);
    start->click();
    // Half of a run, then Restart: the new run starts its count afresh.
    for (int n = 0; n < 3; ++n)
        test::solveGap(window);
    test::recorder().clear();
    start->click();
    QCOMPARE(window->solved(), 0);
    QCOMPARE(window->idx(), 0);
    int answers = 0;
    while (test::recorder().messages.empty() && answers < 40) {
        test::solveGap(window);
        ++answers;
    }
    QCOMPARE(answers, window->gapCount());
    for (int n = 0; n < window->gapCount(); ++n)
        QVERIFY(!window->gap(n)->isEnabled());
}

void GapsTest::reopeningStartsAfresh() {
    GapWindow* window = openGaps(WindowId::k04d5);
    test::button(window, "Command1")->click();
    for (int n = 0; n < 5; ++n)
        test::solveGap(window);
    window->control<QLineEdit>("Text9")->setText("x");
    window->control<QPushButton>("Command3")->click();
    window = openGaps(WindowId::k04d5);
    QCOMPARE(window->solved(), 0);
    QCOMPARE(window->idx(), 0);
    QCOMPARE(test::button(window, "Command1")->text(), QString("&Start"));
    QCOMPARE(window->control<QLineEdit>("Text9")->text(), QString("Három"));
    for (int n = 0; n < 12; ++n) {
        QVERIFY(window->gap(n)->isEnabled());
        QVERIFY(window->gap(n)->text().isEmpty());
    }
    test::button(window, "Command1")->click();
    int answers = 0;
    while (test::recorder().messages.empty() && answers < 40) {
        test::solveGap(window);
        ++answers;
    }
    QCOMPARE(answers, 12);
}

void GapsTest::beforeStartEnterChecksNothing() {
    GapWindow* window = openGaps(WindowId::k04d4);
    TextBox* gap = window->gap(0);
    QVERIFY(gap->hasFocus());
    test::type(gap, "at");
    enter(gap);
    QCOMPARE(window->solved(), 0);
    QVERIFY(test::recorder().messages.empty());
    test::button(window, "Command1")->click();
    QCOMPARE(gap->text(), QString("at"));
    enter(gap);
    QCOMPARE(window->solved(), 1);
}

void GapsTest::promptsNeverTakeTheFocus_data() {
    accomplished_data();
}

void GapsTest::promptsNeverTakeTheFocus() {
    QFETCH(WindowId, id);
    GapWindow* window = openGaps(id);
    QWidget* start = QApplication::focusWidget();
    QCOMPARE(start, static_cast<QWidget*>(window->gap(0)));
    QStringList visited;
    for (int n = 0; n < 40; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        const QVariant index = focus->property("index");
        visited << focus->objectName() + (index.isValid() ? index.toString() : QString());
        QVERIFY2(focus->objectName() != "Text1" && !focus->objectName().startsWith("Label"),
                 qPrintable(focus->objectName()));
    }
    // The answer boxes come first, in the design's order.
    const QStringList expected = id == WindowId::k04d4
                                     ? QStringList{"Text141", "Text142", "Text22", "Text143"}
                                     : QStringList{"Text141", "Text142", "Text143", "Text8"};
    QCOMPARE(visited.mid(0, 4), expected);
}

void GapsTest::charInExercise5ActsOnFocus() {
    GapWindow* window = openGaps(WindowId::k04d5);
    test::button(window, "Command1")->click();
    clickInto(window->gap(6));
    QLabel* chart = window->control<QLabel>("Label3");
    QTest::mouseClick(test::button(window, "Command13"), Qt::LeftButton);
    QVERIFY(chart->isVisible());
    QVERIFY(window->gap(6)->hasFocus());
    test::button(window, "Command13")->setFocus(Qt::TabFocusReason);
    QVERIFY(chart->isHidden());
    QVERIFY(window->gap(6)->hasFocus());
    QCOMPARE(window->idx(), 6);
}

void GapsTest::keyTablesOfExercise5() {
    GapWindow* window = openGaps(WindowId::k04d5);
    QLineEdit* text8 = window->control<QLineEdit>("Text8");
    QLineEdit* text9 = window->control<QLineEdit>("Text9");
    text8->clear();
    text9->clear();
    text8->setFocus();
    test::type(text8, "'=\\0");
    text9->setFocus();
    test::type(text9, "'=\\0");
    QCOMPARE(text8->text(), QString("áóűö"));
    QCOMPARE(text9->text(), QString("áűó0"));
    window->gap(1)->setFocus();
    test::type(window->gap(1), "'=\\0");
    QCOMPARE(window->gap(1)->text(), QString("áóűö"));
}

void GapsTest::solutionTexts_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("shown");
    QTest::newRow("4 gap 0") << WindowId::k04d4 << 0 << "at";
    QTest::newRow("4 gap 3") << WindowId::k04d4 << 3 << "'t";
    QTest::newRow("4 gap 4") << WindowId::k04d4 << 4 << "et";
    QTest::newRow("5 gap 2") << WindowId::k04d5 << 2 << "-ban";
    QTest::newRow("5 gap 4") << WindowId::k04d5 << 4 << "zsemlét";
    QTest::newRow("5 gap 5") << WindowId::k04d5 << 5 << "Hármat";
    QTest::newRow("5 gap 11") << WindowId::k04d5 << 11 << "-at";
}

void GapsTest::solutionTexts() {
    QFETCH(WindowId, id);
    QFETCH(int, number);
    QFETCH(QString, shown);
    GapWindow* window = openGaps(id);
    test::button(window, "Command1")->click();
    clickInto(window->gap(number));
    test::button(window, "Command14")->setFocus();
    test::button(window, "Command14")->click();
    QCOMPARE(test::recorder().messages.back().text, "The correct solution is: " + shown);
    QCOMPARE(test::recorder().messages.back().icon, Icon::Information);
    QVERIFY(window->gap(number)->hasFocus());
    QVERIFY(window->gap(number)->text().isEmpty());
}

void GapsTest::howToGoesToTheCurrentGap() {
    GapWindow* window = openGaps(WindowId::k04d4);
    test::button(window, "Command1")->click();
    clickInto(window->gap(5));
    test::button(window, "Command13")->setFocus();
    window->findChild<QAction*>("mnuHow")->trigger();
    QVERIFY(test::recorder().messages.back().text.startsWith(
        "Click the \"Start\" button and put your solution in any of the gaps. Then press the "
        "\"Enter\" key. Go on.\r\n\r\n"));
    QVERIFY(window->gap(5)->hasFocus());
    // Once accomplished, the current gap 0 is solved and cannot take the focus: it stays
    // where it was.
    while (test::button(window, "Command2")->isEnabled())
        test::solveGap(window);
    QVERIFY(test::button(window, "Command1")->hasFocus());
    window->findChild<QAction*>("mnuHow")->trigger();
    QVERIFY(test::button(window, "Command1")->hasFocus());
}

void GapsTest::aboutInExercise5() {
    GapWindow* window = openGaps(WindowId::k04d5);
    window->findChild<QAction*>("mnuAbout")->trigger();
    FormWindow* about = windows().get(WindowId::sobre);
    QVERIFY(about->isVisible());
    QVERIFY(about->control<QPushButton>("Command1")->isVisible());
    QVERIFY(window->isVisible());
}

QTEST_MAIN(GapsTest)
#include "tst_gaps.moc"
