// Goes through the program as a learner would, on the desktop's own services: the splash,
// the main menu, one right answer in exercise 1/a, Close, and "&End". Used to watch what
// the program does to the system (files, sockets) on its way.

#include "engine/drillwindow.h"
#include "platform/formwindow.h"
#include "shell/application.h"
#include "shell/program.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

using namespace kerbu;

int main(int argc, char* argv[]) {
    if (!displayAvailable())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quietOffscreenNotes();
    setUpApplication();
    Program program;
    Windows& windows = program.windows();
    windows.get(WindowId::sobre)->showForm();

    int step = 0;
    QTimer driver;
    driver.setInterval(100);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        FormWindow* menu = windows.existing(QStringLiteral("alap"));
        auto* exercise = static_cast<DrillWindow*>(windows.existing(QStringLiteral("k04d1a")));
        switch (step) {
        case 0: // the splash opens the menu by itself
            if (menu && menu->isVisible()) {
                menu->control<QWidget>(QStringLiteral("AniButton1"))
                    ->metaObject()
                    ->invokeMethod(menu->control<QWidget>(QStringLiteral("AniButton1")), "click");
                ++step;
            }
            return;
        case 1:
            exercise->control<QPushButton>(QStringLiteral("Command1"))->click();
            exercise->control<QLineEdit>(QStringLiteral("Text1"))->clear();
            exercise->control<QLineEdit>(QStringLiteral("Text2"))
                ->setText(exercise->drill().solution());
            exercise->control<QPushButton>(QStringLiteral("Command2"))->click();
            ++step;
            return;
        case 2:
            exercise->control<QPushButton>(QStringLiteral("Command3"))->click();
            ++step;
            return;
        default:
            menu->control<QPushButton>(QStringLiteral("Command1"))->click();
            return;
        }
    });
    driver.start();
    QTimer::singleShot(20000, &app, [] {
        std::fprintf(stderr, "walkthrough did not finish\n");
        QCoreApplication::exit(1);
    });
    const int status = QApplication::exec();
    windows.clear();
    std::printf("walkthrough: %s\n", status == 0 && step == 3 ? "done" : "failed");
    return status == 0 && step == 3 ? 0 : 1;
}
