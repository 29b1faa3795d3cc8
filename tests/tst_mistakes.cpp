// The Mistakes list and the round of the missed items: a run of each kind with two wrong
// tries, the list, its score line, the round after it; shortening hostile text; where the
// list stands.
#include "testsupport/harness.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QTableView>

using namespace kerbu;
using test::Role;

namespace {

MistakesWindow* openList(ExerciseWindow* window) {
    window->findChild<QAction*>("mnuMistakes")->trigger();
    return window->mistakesWindow();
}

QString score(ExerciseWindow* window) {
    return window->mistakesWindow()->findChild<QLabel*>("score")->text();
}

QString cell(ExerciseWindow* window, int row, int column) {
    return window->mistakes().index(row, column).data().toString();
}

void answerToTheEnd(ExerciseWindow* window) {
    while (window->model().phase() != Phase::Accomplished)
        test::answerRight(window);
}

} // namespace

class MistakesTest : public test::Suite {
    Q_OBJECT

  private slots:
    // clang-format off
    void shownSafely_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "kabátöt" << "kabátöt";
        QTest::newRow("pasted essay") << QString(10000, 'a') << QString(39, 'a') + "…";
        QTest::newRow("controls") << "ab\x01\n\t" + QString(QChar(0x202E)) + "c" << "ab\uFFFD\uFFFD\uFFFD\uFFFDc";
        QTest::newRow("right to left") << "שלום" << "\u2068שלום\u2069";
        QTest::newRow("cut pair") << QString(38, 'a') + "😀😀" << QString(38, 'a') + "…";
        QTest::newRow("lone half") << QString(QChar(0xD800)) + "a" << "\uFFFDa";
    }
    // clang-format on

    void shownSafely() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(kerbu::shownSafely(typed), shown);
    }

    // clang-format off
    void runOfEachKind_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("firstItem");
        QTest::addColumn<QString>("secondItem");
        QTest::addColumn<QString>("done");
        QTest::newRow("word drill") << "k04d1a" << "" << "" << "12 of 12 right, 2 wrong tries";
        QTest::newRow("sentences") << "k04d3" << "Picture 1 (Kati)" << "Picture 2 (én)" << "6 of 6 right, 2 wrong tries";
        QTest::newRow("gaps") << "k04d5" << "Gap 1, after ing" << "Gap 2, after Kék" << "12 of 12 right, 2 wrong tries";
    }
    // clang-format on

    // Two wrong tries in a run: the list keeps them as they happen, and says how far the
    // run and then the round of those two items are; Start and Plus clear it. (Which items
    // the round asks, and how its window looks, is in the transcripts of tst_flow.)
    void runOfEachKind() {
        QFETCH(QString, id);
        QFETCH(QString, firstItem);
        QFETCH(QString, secondItem);
        QFETCH(QString, done);
        auto* window = static_cast<ExerciseWindow*>(test::openWindow(id));
        QAction* practise = window->findChild<QAction*>("mnuPractise");
        QVERIFY(!practise->isEnabled());
        MistakesWindow* list = openList(window);
        QVERIFY(list && list->isVisible());
        QCOMPARE(score(window), QString("No run yet: press Start."));
        test::button(window, Role::Start)->click();
        QStringList missed;
        for (const char* typed : {"Xyz.", "Qq."}) {
            missed << window->model().item().word;
            test::answerWrong(window, typed);
            test::answerRight(window);
        }
        QCOMPARE(window->mistakes().rowCount(), 2);
        QCOMPARE(cell(window, 0, MistakeLog::TypedColumn), QString("Xyz."));
        QCOMPARE(cell(window, 1, MistakeLog::TypedColumn), QString("Qq."));
        QCOMPARE(cell(window, 0, MistakeLog::ItemColumn), id == "k04d1a" ? missed[0] : firstItem);
        QCOMPARE(cell(window, 1, MistakeLog::ItemColumn), id == "k04d1a" ? missed[1] : secondItem);
        QVERIFY(!cell(window, 0, MistakeLog::RightColumn).isEmpty());
        QCOMPARE(score(window).section(',', 1), QString(" 2 wrong tries"));
        // A screen reader reads the rows as table cells.
        QAccessibleInterface* table =
            QAccessible::queryAccessibleInterface(list->findChild<QTableView*>("mistakeList"));
        QCOMPARE(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), QString("Qq."));
        answerToTheEnd(window);
        QCOMPARE(score(window), done);
        QVERIFY(practise->isEnabled());

        practise->trigger();
        QCOMPARE(score(window), "Round of mistakes: 0 of 2 right, 0 wrong tries");
        QCOMPARE(window->mistakes().rowCount(), 0);
        answerToTheEnd(window);
        QCOMPARE(score(window), "Round of mistakes: 2 of 2 right, 0 wrong tries");
        QVERIFY(!practise->isEnabled());
        test::button(window, Role::Start)->click();
        QCOMPARE(window->mistakes().rowCount(), 0);
        QVERIFY(score(window).startsWith("0 of "));
        // Plus clears the list too.
        if (qobject_cast<DrillWindow*>(window)) {
            test::answerWrong(window, "Xyz.");
            QCOMPARE(window->mistakes().rowCount(), 1);
            test::button(window, Role::Plus)->click();
            QCOMPARE(window->mistakes().rowCount(), 0);
        }
    }

    // Beside the window, never over it, at 100 % and 200 %; Escape closes it and the
    // learner is back in the exercise.
    void listStandsBeside() {
        for (const QString& id : test::exercises) {
            auto* window = static_cast<ExerciseWindow*>(test::openWindow(id));
            MistakesWindow* list = openList(window);
            QTRY_VERIFY(list->isActiveWindow());
            // Right next to it, on one side, level with it.
            const QRect beside = list->frameGeometry(), exercise = window->frameGeometry();
            const int dx =
                std::max(beside.left() - exercise.right(), exercise.left() - beside.right());
            const int dy =
                std::max(beside.top() - exercise.bottom(), exercise.top() - beside.bottom());
            QVERIFY2((dx > 0 && dx < 40 && qAbs(beside.top() - exercise.top()) < 40) ||
                         (dy > 0 && dy < 60 && qAbs(beside.left() - exercise.left()) < 40),
                     qPrintable(id));
            QVERIFY2(list->width() >= 150, qPrintable(id));
            QTest::keyClick(list, Qt::Key_Escape);
            QVERIFY(list->isHidden());
            QTRY_VERIFY(window->isActiveWindow());
        }
    }

    // Right of the window where there is room, else left of it, else below it, else on
    // the roomiest side, narrowed to fit.
    void besideRect() {
        const QRect screen(0, 0, 1000, 800);
        const QSize list(300, 200);
        QCOMPARE(kerbu::besideRect({100, 100, 500, 400}, list, screen), QRect(612, 100, 300, 200));
        QCOMPARE(kerbu::besideRect({450, 100, 500, 400}, list, screen), QRect(138, 100, 300, 200));
        QCOMPARE(kerbu::besideRect({100, 50, 900, 400}, list, screen), QRect(100, 486, 300, 200));
        QCOMPARE(kerbu::besideRect({50, 50, 800, 700}, list, screen), QRect(862, 50, 138, 200));
    }
};

QTEST_MAIN(MistakesTest)
#include "tst_mistakes.moc"
