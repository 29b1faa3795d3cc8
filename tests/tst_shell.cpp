#include "engine/texts.h"
#include "platform/anibutton.h"
#include "shell/alap.h"
#include "shell/sobre.h"
#include "testsupport/harness.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace kerbu;

namespace {

QAction* action(FormWindow* window, const char* name) {
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

bool isShown(WindowId id) {
    FormWindow* window = windows().existing(id);
    return window && window->isLoaded() && window->isVisible();
}

// The windows the learner can see among the menu and the exercises: always exactly one.
int shownMenuOrExercises() {
    int shown = isShown(WindowId::alap) ? 1 : 0;
    for (WindowId id : exerciseWindows)
        shown += isShown(id) ? 1 : 0;
    return shown;
}

const QString kerbuTitle = QStringLiteral("  Kerbu!  ---  4. lecke");

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { windows().clear(); }

    void splashOpensMenuAfter800ms();
    void mainMenu();
    void menuButtonsOpenExercises_data();
    void menuButtonsOpenExercises();
    void goToBlock_data();
    void goToBlock();
    void closeAndCloseBoxReturnToMenu();
    void closingMenuOrBackgroundEnds();
    void endUnloadsBackground();
    void onTopSwitches();
    void howTo_data();
    void howTo();
    void howToIn1aCarriesTheRunTitle();
    void aboutFromExerciseAndMenu();
    void aboutMessage();
    void animationCycles();
    void helpKey_data();
    void helpKey();
    void runIsAbandonedByGoTo();
    void focusOrderFollowsTheDesign();
};

void ShellTest::splashOpensMenuAfter800ms() {
    FormWindow* splash = windows().get(WindowId::sobre);
    splash->showForm();
    QVERIFY(splash->isVisible());
    QCOMPARE(splash->windowTitle(), QString("  About Kerbu!"));
    QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(splash->control<QPushButton>("Command1")->isHidden());
    QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
    QVERIFY(!isShown(WindowId::alap));
    QTest::qWait(600);
    QVERIFY(!isShown(WindowId::alap));
    QTRY_VERIFY_WITH_TIMEOUT(isShown(WindowId::alap), 1000);
    QVERIFY(!splash->isLoaded());
    QVERIFY(isShown(WindowId::hatter));
    QVERIFY(Sobre::splashDone);
    QCOMPARE(windows().get(WindowId::hatter)->windowTitle(), QString("   K E R B U  !"));
}

void ShellTest::mainMenu() {
    FormWindow* menu = test::openWindow(WindowId::alap);
    QCOMPARE(menu->windowTitle(), kerbuTitle);
    QVERIFY(menu->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(shared().crlf, QString("\r\n"));
    QCOMPARE(menu->control<QLabel>("Label11")->text(), QString("(The accusative  of nouns)"));
    QCOMPARE(menu->control<QLabel>("Label8")->text(), QString("Fill in the gaps.     "));
    QCOMPARE(menu->control<QLabel>("Label3")->text(),
             QString("Make sentences according to the pictures in written or/and oral form."));
    QCOMPARE(menu->control<QPushButton>("Command1")->text(), QString("&End"));
    // Every exercise has its button.
    const char* buttons[] = {"AniButton1",     "AniButton3", "AniPushButton1", "AniPushButton2",
                             "AniPushButton3", "AniButton2", "AniPushButton4", "AniButton4"};
    for (std::size_t i = 0; i < exerciseWindows.size(); ++i) {
        auto* button = menu->control<AniPushButton>(buttons[i]);
        QVERIFY(button->isVisible());
        QVERIFY(button->isEnabled());
    }
    test::recorder().clear();
    action(menu, "mnuHow")->trigger();
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::recorder().messages[0].title, kerbuTitle + "     How to ...");
    QCOMPARE(test::recorder().messages[0].text,
             QString("Select the exercise you want to work with by clicking on its number. (All "
                     "of them correspond to those in the part D of  \"Kerbu!\".)"));
}

void ShellTest::menuButtonsOpenExercises_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<WindowId>("target");
    QTest::addColumn<bool>("byKey");
    QTest::newRow("1a click") << "AniButton1" << WindowId::k04d1a << false;
    QTest::newRow("1b click") << "AniButton3" << WindowId::k04d1b << false;
    QTest::newRow("2a click") << "AniPushButton1" << WindowId::k04d2a << false;
    QTest::newRow("2b click") << "AniPushButton2" << WindowId::k04d2b << false;
    QTest::newRow("2c click") << "AniPushButton3" << WindowId::k04d2c << false;
    QTest::newRow("3 click") << "AniButton2" << WindowId::k04d3 << false;
    QTest::newRow("4 click") << "AniPushButton4" << WindowId::k04d4 << false;
    QTest::newRow("5 click") << "AniButton4" << WindowId::k04d5 << false;
    QTest::newRow("1a Alt+1") << "AniButton1" << WindowId::k04d1a << true;
    QTest::newRow("1b Alt+B") << "AniButton3" << WindowId::k04d1b << true;
}

void ShellTest::menuButtonsOpenExercises() {
    QFETCH(QString, button);
    QFETCH(WindowId, target);
    QFETCH(bool, byKey);
    FormWindow* menu = test::openWindow(WindowId::alap);
    auto* aniButton = menu->control<AniPushButton>(button);
    if (byKey) {
        const Qt::Key key = target == WindowId::k04d1a ? Qt::Key_1 : Qt::Key_B;
        QTest::keyClick(menu->control<QWidget>("AniButton1"), key, Qt::AltModifier);
    } else {
        QTest::mouseClick(aniButton, Qt::LeftButton);
    }
    QTRY_VERIFY(isShown(target));
    QVERIFY(!menu->isLoaded());
    QCOMPARE(shownMenuOrExercises(), 1);
    QVERIFY(isShown(WindowId::hatter));
}

void ShellTest::goToBlock_data() {
    QTest::addColumn<WindowId>("from");
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("other");
    QTest::addColumn<WindowId>("to");
    QTest::newRow("1a to 1b") << WindowId::k04d1a << "Command12"
                              << "Command9" << WindowId::k04d1b;
    QTest::newRow("1b to 1a") << WindowId::k04d1b << "Command10"
                              << "Command9" << WindowId::k04d1a;
}

void ShellTest::goToBlock() {
    QFETCH(WindowId, from);
    QFETCH(QString, own);
    QFETCH(QString, other);
    QFETCH(WindowId, to);
    FormWindow* window = test::openWindow(from);
    QCOMPARE(window->control<QLabel>("Label4")->text(), QString("Go to exercise:"));
    QPushButton* ownButton = window->control<QPushButton>(own);
    QVERIFY(ownButton->isVisible());
    QVERIFY(!ownButton->isEnabled());
    // The own button cannot be pressed with its access key either.
    const QString caption = ownButton->text();
    const QChar key = caption.at(caption.indexOf('&') + 1).toUpper();
    QTest::keyClick(window->control<QWidget>("Command1"), Qt::Key(key.unicode()), Qt::AltModifier);
    QTest::qWait(150);
    QVERIFY(window->isLoaded());
    // Every other exercise can be reached from every block.
    int enabled = 0;
    for (const char* name : {"Command5", "Command6", "Command7", "Command8", "Command9",
                             "Command10", "Command11", "Command12"}) {
        auto* button = window->control<QPushButton>(name);
        QVERIFY(button->isVisible());
        enabled += button->isEnabled() ? 1 : 0;
    }
    QCOMPARE(enabled, 7);
    QTest::mouseClick(window->control<QPushButton>(other), Qt::LeftButton);
    QVERIFY(isShown(to));
    QVERIFY(!window->isLoaded());
    QCOMPARE(shownMenuOrExercises(), 1);
}

void ShellTest::closeAndCloseBoxReturnToMenu() {
    FormWindow* window = test::openWindow(WindowId::k04d1a);
    QCOMPARE(window->control<QPushButton>("Command3")->text(), QString("Clos&e"));
    window->control<QPushButton>("Command3")->click();
    QVERIFY(isShown(WindowId::alap));
    QVERIFY(!window->isLoaded());
    QCOMPARE(windows().get(WindowId::alap)->windowTitle(), kerbuTitle);

    // The title-bar close box does what Close does, so the learner is never left with
    // only the background.
    window = test::openWindow(WindowId::k04d1b);
    windows().get(WindowId::alap)->unloadForm();
    window->close();
    QVERIFY(!window->isLoaded());
    QVERIFY(isShown(WindowId::alap));
    QCOMPARE(shownMenuOrExercises(), 1);
    QCOMPARE(test::recorder().ends, 0);
}

void ShellTest::closingMenuOrBackgroundEnds() {
    FormWindow* menu = test::openWindow(WindowId::alap);
    menu->close();
    QCOMPARE(test::recorder().ends, 1);
    test::freshStart();
    test::openWindow(WindowId::alap);
    QVERIFY(windows().get(WindowId::hatter)->isLoaded());
    windows().get(WindowId::hatter)->close();
    QCOMPARE(test::recorder().ends, 1);
}

void ShellTest::endUnloadsBackground() {
    FormWindow* menu = test::openWindow(WindowId::alap);
    windows().showAbout();
    QTest::mouseClick(menu->control<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(!windows().get(WindowId::hatter)->isLoaded());
    QCOMPARE(test::recorder().ends, 1);
}

void ShellTest::onTopSwitches() {
    FormWindow* window = test::openWindow(WindowId::k04d1a);
    QAction* onTop = action(window, "mnuOntop");
    QCOMPARE(onTop->text(), QString("On&Top"));
    QVERIFY(onTop->isChecked());
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    onTop->trigger();
    QVERIFY(!onTop->isChecked());
    QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(window->isVisible());
    onTop->trigger();
    QVERIFY(onTop->isChecked());
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    onTop->trigger();
    // Every opening starts on top again, whatever the learner chose before.
    windows().open(WindowId::alap, window);
    window = test::openWindow(WindowId::k04d1a);
    QVERIFY(action(window, "mnuOntop")->isChecked());
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
}

void ShellTest::howTo_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("text");
    const QString chart = "If you want to see how to type the special Hungarian characters (á, é "
                          "etc.) on an English keyboard, click the \"Char\" button. If you want "
                          "that information to desappear, click again.";
    QTest::newRow("1/a") << WindowId::k04d1a
                         << "Click the \"Start\" button and put your solution. Then press the "
                            "\"Enter\" key. Go on.\r\n\r\n" +
                                chart + "\r\n\r\n";
    QTest::newRow("1/b") << WindowId::k04d1b
                         << "Click the \"Start\" button and put your solution. Then click on the "
                            "\"Next\" button or press the \"Enter\" key. Go on.\r\n\r\n" +
                                chart;
    for (WindowId id : {WindowId::k04d2a, WindowId::k04d2b, WindowId::k04d2c})
        QTest::newRow(qPrintable(windowName(id)))
            << id
            << "Click the \"Start\" button and put your solution. Then press the \"Enter\" key. "
               "Go on.\r\n\r\n" +
                   chart;
    QTest::newRow("3") << WindowId::k04d3
                       << "Click the \"Start\" button and put your solution. Then click on the "
                          "\"Next\" button or press the \"Enter\" key. Go on.\r\n\r\nIf you want "
                          "to see the main words to be used in the sentence, click the "
                          "picture.\r\n\r\n" +
                              chart;
}

void ShellTest::howTo() {
    QFETCH(WindowId, id);
    QFETCH(QString, text);
    test::openWindow(WindowId::alap);
    FormWindow* window = test::openWindow(id);
    test::recorder().clear();
    action(window, "mnuHow")->trigger();
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::recorder().messages[0].text, text);
    QCOMPARE(test::recorder().messages[0].title, window->windowTitle());
    QCOMPARE(test::recorder().messages[0].icon, Icon::Information);
    const char* focus = id == WindowId::k04d3 ? "Text1" : "Text2";
    QVERIFY(window->control<QWidget>(focus)->hasFocus());
}

void ShellTest::howToIn1aCarriesTheRunTitle() {
    FormWindow* window = test::openWindow(WindowId::k04d1a);
    window->control<QPushButton>("Command1")->click();
    action(window, "mnuHow")->trigger();
    QCOMPARE(test::recorder().messages.back().title, QString("Dezavi!  ---  4. lecke: 1a"));
    QVERIFY(window->windowTitle().endsWith(": 1/a"));
}

void ShellTest::aboutFromExerciseAndMenu() {
    FormWindow* exercise = test::openWindow(WindowId::k04d1a);
    exercise->control<QPushButton>("Command1")->click();
    const int item = static_cast<DrillWindow*>(exercise)->drill().idx;
    Sobre::splashDone = true;
    action(exercise, "mnuAbout")->trigger();
    auto* about = static_cast<Sobre*>(windows().get(WindowId::sobre));
    QVERIFY(about->isVisible());
    QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
    auto* ok = about->control<QPushButton>("Command1");
    QVERIFY(ok->isVisible() && ok->isEnabled());
    QVERIFY(!about->findChild<QTimer*>("Timer1")->isActive());
    QVERIFY(about->findChild<QTimer*>("Timer2")->isActive());
    QCOMPARE(about->cursor().shape(), Qt::ArrowCursor);
    // The About window does not close by itself, and the exercise keeps its state.
    QTest::qWait(900);
    QVERIFY(about->isVisible());
    QVERIFY(exercise->isVisible());
    ok->click();
    QVERIFY(!about->isLoaded());
    QCOMPARE(static_cast<DrillWindow*>(exercise)->drill().idx, item);
    QVERIFY(!exercise->control<QPushButton>("Command1")->isEnabled());

    // Again from the main menu: still About mode, the flag never returns to 0.
    FormWindow* menu = test::openWindow(WindowId::alap);
    action(menu, "mnuabout")->trigger();
    QVERIFY(about->control<QPushButton>("Command1")->isVisible());
    QVERIFY(Sobre::splashDone);
}

void ShellTest::aboutMessage() {
    // The program as it starts: the splash is up, the main menu has not loaded yet.
    auto* about = static_cast<Sobre*>(windows().get(WindowId::sobre));
    about->showForm();
    QVERIFY(about->control<QPushButton>("Command1")->isHidden());
    QVERIFY(!windows().existing(WindowId::alap));
    // The information picture opens the message also in splash mode, in paragraphs.
    QTest::mouseClick(about->control<QWidget>("Image2"), Qt::LeftButton);
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    const auto& message = test::recorder().messages[0];
    QCOMPARE(message.title, QString("About Kerbu!"));
    QCOMPARE(message.icon, Icon::Information);
    const QStringList paragraphs = message.text.split("\r\n");
    QCOMPARE(paragraphs.size(), 6);
    QVERIFY(paragraphs[0].startsWith("     ") && paragraphs[0][5] != ' ');
    QVERIFY(paragraphs[1].isEmpty());
    QVERIFY(paragraphs[2].startsWith("     ") &&
            paragraphs[2].contains("https://kerbu.example.org"));
    QVERIFY(paragraphs[3].isEmpty());
    QCOMPARE(paragraphs[4], QString("     If you have any remark or suggestion, or you just want "
                                    "to let us know you are using the program, please contact "
                                    "me:  "));
    QCOMPARE(paragraphs[5], QString(49, ' ') + "kerbu@example.org");
}

void ShellTest::animationCycles() {
    auto* about = static_cast<Sobre*>(windows().get(WindowId::sobre));
    about->showForm();
    QCOMPARE(about->frame(), 0);
    about->animate();
    QCOMPARE(about->frame(), 1);
    about->animate();
    QCOMPARE(about->frame(), 2);
    about->animate();
    QCOMPARE(about->frame(), 0);
    // And on its own, every 700 ms.
    QTRY_COMPARE_WITH_TIMEOUT(about->frame(), 1, 1000);
}

void ShellTest::helpKey_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<int>("topic");
    QTest::newRow("1/a") << WindowId::k04d1a << 5;
    QTest::newRow("1/b") << WindowId::k04d1b << 10;
    QTest::newRow("2/a") << WindowId::k04d2a << 20;
    QTest::newRow("2/b") << WindowId::k04d2b << 30;
    QTest::newRow("2/c") << WindowId::k04d2c << 25;
    QTest::newRow("3") << WindowId::k04d3 << 0;
    QTest::newRow("4") << WindowId::k04d4 << 25;
    QTest::newRow("5") << WindowId::k04d5 << 0;
    QTest::newRow("main menu") << WindowId::alap << 0;
}

void ShellTest::helpKey() {
    QFETCH(WindowId, id);
    QFETCH(int, topic);
    FormWindow* window = test::openWindow(id);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    if (topic == 0) {
        QVERIFY(test::recorder().helpTopics.empty());
    } else {
        QCOMPARE(test::recorder().helpTopics, std::vector<int>{topic});
    }
    QVERIFY(window->isVisible());
}

void ShellTest::runIsAbandonedByGoTo() {
    DrillWindow* a = test::openDrill(WindowId::k04d1a);
    a->control<QPushButton>("Command1")->click();
    test::answerRight(a);
    a->control<QPushButton>("Command9")->click();
    QVERIFY(isShown(WindowId::k04d1b));
    FormWindow* b = windows().get(WindowId::k04d1b);
    b->control<QPushButton>("Command9")->click();
    QVERIFY(isShown(WindowId::k04d1a));
    QCOMPARE(a->control<QPushButton>("Command1")->text(), QString("&Start"));
    QVERIFY(a->control<QLabel>("Label3")->text().isEmpty());
    QCOMPARE(a->drill().solved, 0);
}

void ShellTest::focusOrderFollowsTheDesign() {
    FormWindow* window = test::openWindow(WindowId::k04d1a);
    window->control<QPushButton>("Command1")->click();
    // From the word box on, Tab visits the controls in the order of the design; the
    // greyed go-to buttons and Start (disabled during a run) are passed over.
    QWidget* focus = window->control<QWidget>("Text1");
    focus->setFocus();
    QStringList expected;
    for (const char* name :
         {"Text1", "Text2", "Command2", "Command3", "Command9", "Command5", "Command6", "Command7",
          "Command8", "Command10", "Command11", "Command13", "Command15", "Command16"}) {
        if (window->control<QWidget>(name)->isEnabled())
            expected << name;
    }
    QStringList visited;
    for (int n = 0; n < expected.size(); ++n) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
