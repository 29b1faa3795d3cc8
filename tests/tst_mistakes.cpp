// What the learner is shown of their mistakes: the Mistakes list and the round of the
// missed items (a run of each kind with two wrong tries, the list, its score line, the round
// after it; shortening hostile text; where the list stands), and the Hints line (the menu
// that switches it, the marks and the why as shown and read, its place and fit).
#include "engine/hintline.h"
#include "testsupport/harness.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QTableView>

using namespace Qt::StringLiterals;
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

QLabel* hintLine(FormWindow* window) {
    return window->control<QLabel>("hintLine");
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
            QVERIFY2(test::standsBeside(list->frameGeometry(), window->frameGeometry()),
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
        QCOMPARE(captions,
                 QStringList({"On&Top", "&Hints", "&Mistakes...", "&Practise the mistakes",
                              "&Read aloud", "Say &again", "Say it &yourself", "Say &slowly"}));
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
        QTest::newRow("word drill") << "k04d1a" << "étteremben" << "Hint: étteremben, marked: letters 8 to 10. -ban/-ben answer hol? (in where?); here the question is hova? (into where?), -ba/-be." << "Why: étterembe: étterem takes -be: it has front vowels only.";
        QTest::newRow("sentence") << "k04d3" << "Kati a bankból megy." << "Hint: Kati a bankból megy., marked: word 3: letters 5 to 7. Word 3, the place: -ból/-ből answer honnan? (out of where?); here the question is hova? (into where?), -ba/-be." << "Why: megy goes with Kati; bankba answers hova? (into where?); a comes before a consonant.";
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
            "-át/-ét/-ját/-jét mean his, her or its, as the object; here the question is mit? "
            "(what?), -t.",
            "Look at the accents: 12 letters need the dots and 1 should have no long mark.",
            "Word 3, the place: -hoz/-hez/-höz answer hova? (to where? up to it, not into it); "
            "here the question is hova? (into where?), -ba/-be.",
            "Magyarországra: Magyarország takes -ra/-re, not -ba/-be, as most Hungarian place "
            "names do: learn it with its ending; Magyarország takes -ra: its last vowel, á, is a "
            "back vowel.",
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

QTEST_MAIN(MistakesTest)
#include "tst_mistakes.moc"
