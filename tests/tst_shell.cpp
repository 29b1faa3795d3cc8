// The windows around the exercises: the splash and About window, the main menu, the
// background, and the frame of every exercise window (menus, Close, go-to buttons).
#include "platform/anibutton.h"
#include "platform/twips.h"
#include "shell/application.h"
#include "shell/sobre.h"
#include "testsupport/harness.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSet>
#include <QTimer>

using namespace kerbu;
using test::exercises;
using test::Role;

namespace {

QAction* action(FormWindow* window, const char* name) {
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

bool isShown(const QString& name) {
    FormWindow* window = test::loaded(name);
    return window && window->isVisible();
}

// The windows the learner can see among the menu and the exercises: always exactly one.
QStringList shownMenuOrExercises() {
    QStringList shown;
    for (const QString& name : QStringList{"alap"} + exercises) {
        if (isShown(name))
            shown << name;
    }
    return shown;
}

const QString kerbuTitle = QStringLiteral("  Kerbu!  ---  4. lecke");

} // namespace

class ShellTest : public test::Suite {
    Q_OBJECT

  private slots:
    // X where there is a display, beside Wayland too; Wayland where it is alone; nothing
    // chosen over the learner's own choice, nor where there is no display at all.
    void platformChoice() {
        QCOMPARE(platformToUse("", ":0", ""), QByteArray("xcb"));
        QCOMPARE(platformToUse("", ":0", "wayland-0"), QByteArray("xcb"));
        QCOMPARE(platformToUse("", "", "wayland-0"), QByteArray("wayland"));
        QCOMPARE(platformToUse("wayland", ":0", ""), QByteArray());
        QCOMPARE(platformToUse("", "", ""), QByteArray());
    }

    // An unloaded window's controls send nothing more, also before they go: the splash's
    // timer, gone at once, never opens the menu over an exercise; and a go-to button pressed
    // for a moment by its access key, whose window a click on another go-to button has left
    // meanwhile, opens nothing.
    void unloadedWindowsActNoMore() {
        Windows& windows = test::program().windows();
        windows.get(WindowId::sobre)->showForm();
        windows.open(WindowId::alap, windows.get(WindowId::sobre));
        FormWindow* window = test::openWindow("k04d1a");
        QTest::keyClick(test::button(window, Role::Start), Qt::Key_B, Qt::AltModifier);
        QTest::mouseClick(window->control<QPushButton>("Command5"), Qt::LeftButton);
        QTest::qWait(1000); // longer than the splash's timer and than the button stays down
        QCOMPARE(shownMenuOrExercises(), QStringList{"k04d2a"});
    }

    void splashOpensMenuAfter800ms() {
        FormWindow* splash = test::program().windows().get(WindowId::sobre);
        QElapsedTimer shown;
        shown.start();
        splash->showForm();
        QCOMPARE(splash->windowTitle(), QString("  About Kerbu!"));
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(splash->control<QPushButton>("Command1")->isHidden());
        QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
        QTRY_VERIFY_WITH_TIMEOUT(isShown("alap"), 1500);
        QVERIFY2(shown.elapsed() >= 790, qPrintable(QString::number(shown.elapsed())));
        QVERIFY(!splash->isLoaded());
        QVERIFY(isShown("hatter"));
        QVERIFY(test::program().splashDone);
        QCOMPARE(test::program().windows().get(WindowId::hatter)->windowTitle(),
                 QString("   K E R B U  !"));
    }

    // The menu's lines, its How to, and its eight buttons, each opening its exercise by a
    // click; 1/a and 1/b by their access keys too. The button in the focus plays its
    // animation, picture after picture, and stops on its first when the focus moves on; the
    // button under the pointer plays too.
    void mainMenuOpensEveryExercise() {
        FormWindow* menu = test::openWindow("alap");
        auto* first = menu->control<AniPushButton>("AniButton1");
        first->setFocus();
        QTRY_COMPARE(first->currentFrame(), 1);
        const QImage second = first->grab().toImage();
        QTRY_COMPARE(first->currentFrame(), 2);
        QVERIFY(first->grab().toImage() != second);
        menu->control<QWidget>("AniButton3")->setFocus();
        QVERIFY(!first->isAnimating() && first->currentFrame() == 0);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), first->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(first, &enter);
        QTRY_VERIFY(first->isAnimating());
        QCOMPARE(menu->windowTitle(), kerbuTitle);
        QVERIFY(menu->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(menu->control<QLabel>("Label11")->text(), QString("(The accusative  of nouns)"));
        QCOMPARE(menu->control<QLabel>("Label8")->text(), QString("Fill in the gaps.     "));
        QCOMPARE(menu->control<QLabel>("Label3")->text(),
                 QString("Make sentences according to the pictures in written or/and oral form."));
        QCOMPARE(menu->control<QPushButton>("Command1")->text(), QString("&End"));
        action(menu, "mnuHow")->trigger();
        QCOMPARE(test::recorder().messages.back().title, kerbuTitle + "     How to ...");
        QCOMPARE(
            test::recorder().messages.back().text,
            QString("Select the exercise you want to work with by clicking on its number. (All "
                    "of them correspond to those in the part D of  \"Kerbu!\".)"));
        const QStringList captions = {"&1a", "1&b", "2&a", "&2b", "2&c", "&3", "&4", "&5"};
        for (int n = 0; n < 10; ++n) {
            menu = test::openWindow("alap");
            const QString target = exercises[n % 8];
            AniPushButton* button = nullptr;
            for (AniPushButton* b : menu->findChildren<AniPushButton*>())
                button = b->text() == captions[n % 8] ? b : button;
            if (n < 8)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(button, n == 8 ? Qt::Key_1 : Qt::Key_B, Qt::AltModifier);
            QTRY_COMPARE(shownMenuOrExercises(), QStringList{target});
            QVERIFY(isShown("hatter"));
        }
    }

    void goToButtonsOpenTheirExercises_data() {
        QTest::addColumn<QString>("from");
        for (const QString& name : exercises)
            QTest::newRow(qPrintable(name)) << name;
    }

    // In every window the go-to button of each other exercise opens it and closes the
    // window; the window's own button is greyed, also for its access key. A run left this
    // way is gone. 1/a's buttons carry their names of the design.
    void goToButtonsOpenTheirExercises() {
        QFETCH(QString, from);
        const QStringList captions = {"&1a", "1&b", "2&a", "&2b", "2&c", "&3", "&4", "&5"};
        for (int n = 0; n < 8; ++n) {
            FormWindow* window = test::openWindow(from);
            QCOMPARE(window->control<QLabel>("Label4")->text(), QString("Go to exercise:"));
            QPushButton* button = nullptr;
            for (QPushButton* b : window->findChildren<QPushButton*>())
                button = b->text() == captions[n] ? b : button;
            QVERIFY2(button, qPrintable(captions[n]));
            if (from == "k04d1a")
                QCOMPARE(button->objectName(),
                         QStringList({"Command12", "Command9", "Command5", "Command10", "Command11",
                                      "Command6", "Command7", "Command8"})[n]);
            if (exercises[n] == from) {
                QVERIFY(button->isVisible() && !button->isEnabled());
                QTest::keyClick(test::button(window, Role::Start),
                                captions[n].at(captions[n].indexOf('&') + 1).toLatin1(),
                                Qt::AltModifier);
                QCoreApplication::processEvents();
                QCOMPARE(shownMenuOrExercises(), QStringList{from});
                continue;
            }
            test::button(window, Role::Start)->click();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(shownMenuOrExercises(), QStringList{exercises[n]});
            QVERIFY(!window->isLoaded());
        }
        FormWindow* window = test::openWindow(from);
        QCOMPARE(test::button(window, Role::Start)->text(), QString("&Start"));
        QVERIFY(test::button(window, Role::Start)->isEnabled());
    }

    // Unloading a window destroys its controls and keeps the window object: it opens again
    // with new controls, at its size of the design.
    void unloadingDestroysTheControls() {
        FormWindow* window = test::openWindow("k04d1a");
        QPointer<QWidget> ending = window->control("Text2");
        test::program().windows().open(WindowId::alap, window);
        QVERIFY(!window->isLoaded() && !window->control("Text2"));
        QTRY_VERIFY(!ending);
        QCOMPARE(test::openWindow("k04d1a"), window);
        QVERIFY(window->control("Text2"));
        QCOMPARE(window->body()->size(), QSize(twips(9210), twips(5880)));
    }

    // Close and the close box go back to the menu; closing the menu or the background, or
    // End, ends the program, End after unloading the background.
    void closeAndEnd() {
        FormWindow* window = test::openWindow("k04d1a");
        QCOMPARE(window->control<QPushButton>("Command3")->text(), QString("Clos&e"));
        window->control<QPushButton>("Command3")->click();
        QCOMPARE(shownMenuOrExercises(), QStringList{"alap"});
        window = test::openWindow("k04d1b");
        window->close();
        QCOMPARE(shownMenuOrExercises(), QStringList{"alap"});
        QCOMPARE(test::recorder().ends, 0);
        test::program().windows().get(WindowId::alap)->close();
        QCOMPARE(test::recorder().ends, 1);
        test::freshStart();
        test::openWindow("alap");
        test::program().windows().get(WindowId::hatter)->close();
        QCOMPARE(test::recorder().ends, 1);
        test::freshStart();
        FormWindow* menu = test::openWindow("alap");
        QTest::mouseClick(menu->control<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(!test::program().windows().get(WindowId::hatter)->isLoaded());
        QCOMPARE(test::recorder().ends, 1);
    }

    void onTopSwitches() {
        FormWindow* window = test::openWindow("k04d1a");
        QAction* onTop = action(window, "mnuOntop");
        QVERIFY(onTop->isChecked());
        QCOMPARE(test::recorder().onTopCalls.back(),
                 std::make_pair(static_cast<QWidget*>(window), true));
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        onTop->trigger();
        QVERIFY(!onTop->isChecked());
        QCOMPARE(test::recorder().onTopCalls.back(),
                 std::make_pair(static_cast<QWidget*>(window), false));
        QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(window->isVisible());
        // Every opening starts on top again, whatever the learner chose before.
        test::program().windows().open(WindowId::alap, window);
        window = test::openWindow("k04d1a");
        QVERIFY(action(window, "mnuOntop")->isChecked());
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    // The splash's information picture opens the About message in paragraphs before the menu
    // has loaded; later the About window stays until OK, over an exercise that keeps its run,
    // and its picture cycles through three frames.
    void aboutWindow() {
        auto* about = static_cast<Sobre*>(test::program().windows().get(WindowId::sobre));
        about->showForm();
        QVERIFY(!test::program().windows().existing("alap"));
        QTest::mouseClick(about->control<QWidget>("Image2"), Qt::LeftButton);
        const auto& message = test::recorder().messages.at(0);
        QCOMPARE(message.title, QString("About Kerbu!"));
        QCOMPARE(message.icon, Icon::Information);
        // Paragraphs apart, each indented; the address stands alone on the last line.
        const QStringList paragraphs = message.text.split("\r\n");
        QCOMPARE(paragraphs.size(), 6);
        QVERIFY(paragraphs[1].isEmpty() && paragraphs[3].isEmpty());
        QVERIFY(paragraphs[0].startsWith("     ") && paragraphs[5].trimmed().contains('@'));
        // Three pictures in turn, then the first again; the timer goes on by itself.
        const auto* logo = about->control<QLabel>("Image1");
        QList<qint64> shown = {logo->pixmap().cacheKey()};
        for (int n = 0; n < 3; ++n) {
            about->animate();
            shown << logo->pixmap().cacheKey();
        }
        QCOMPARE(QSet<qint64>(shown.begin(), shown.end()).size(), 3);
        QCOMPARE(shown[3], shown[0]);
        QTRY_COMPARE_WITH_TIMEOUT(logo->pixmap().cacheKey(), shown[1], 1000);
        about->unloadForm();

        DrillWindow* exercise = static_cast<DrillWindow*>(test::openWindow("k04d1a"));
        test::button(exercise, Role::Start)->click();
        const QString word = test::box(exercise, Role::Word)->text();
        action(exercise, "mnuAbout")->trigger();
        QVERIFY(about->isVisible() && about->windowFlags() & Qt::WindowStaysOnTopHint);
        auto* ok = about->control<QPushButton>("Command1");
        QVERIFY(ok->isVisible() && ok->isEnabled());
        QVERIFY(!about->findChild<QTimer*>("Timer1")->isActive());
        QCOMPARE(about->cursor().shape(), Qt::ArrowCursor);
        ok->click();
        QVERIFY(!about->isLoaded());
        QCOMPARE(test::box(exercise, Role::Word)->text(), word);
        action(test::openWindow("alap"), "mnuabout")->trigger();
        QVERIFY(about->control<QPushButton>("Command1")->isVisible());
    }

    void helpKey_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("topic");
        const int topics[] = {5, 10, 20, 30, 25, 0, 25, 0};
        for (int n = 0; n < 8; ++n)
            QTest::newRow(qPrintable(exercises[n])) << exercises[n] << topics[n];
        QTest::newRow("main menu") << "alap" << 0;
    }

    void helpKey() {
        QFETCH(QString, id);
        QFETCH(int, topic);
        FormWindow* window = test::openWindow(id);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(test::recorder().helpTopics, topic ? std::vector<int>{topic} : std::vector<int>{});
        QVERIFY(window->isVisible());
    }

    // From the word box on, Tab visits the controls in the order of the design; the greyed
    // go-to button and Start (disabled during a run) are passed over.
    void focusOrderFollowsTheDesign() {
        FormWindow* window = test::openWindow("k04d1a");
        test::button(window, Role::Start)->click();
        test::box(window, Role::Word)->setFocus();
        const QStringList expected = {"Text1",     "Text2",     "Command2",  "Command3",
                                      "Command9",  "Command5",  "Command6",  "Command7",
                                      "Command8",  "Command10", "Command11", "Command13",
                                      "Command15", "Command16"};
        QStringList visited;
        for (int n = 0; n < expected.size(); ++n) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
