// Starts the program exactly as app/main.cpp does and reports how long after the process
// started the splash had its first frame painted; then ends.
//
//   first_paint_ms <ms since process start>
//   vmhwm_kb <peak memory at that moment>
//   phases_ms <application made> <set up> <splash built and shown>, since process start

#include "measure.h"
#include "platform/formwindow.h"
#include "shell/application.h"
#include "shell/program.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (!kerbu::displayAvailable()) {
        std::fputs("No display: set QT_QPA_PLATFORM or DISPLAY.\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    const double made = bench::msSinceProcessStart();
    bench::FirstPaint splashPainted;
    double setUp = 0;
    double shown = 0;
    splashPainted.onPainted = [&] {
        bench::report("first_paint_ms", {bench::msSinceProcessStart()});
        bench::report("vmhwm_kb", {static_cast<double>(bench::vmHwmKb())});
        bench::report("phases_ms", {made, setUp, shown});
        QCoreApplication::quit();
    };
    kerbu::setUpApplication();
    setUp = bench::msSinceProcessStart();
    kerbu::Program program;
    kerbu::FormWindow* splash = program.windows().get(kerbu::WindowId::sobre);
    splashPainted.arm(splash);
    splash->showForm();
    shown = bench::msSinceProcessStart();
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}
