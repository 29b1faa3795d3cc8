#include "platform/formwindow.h"
#include "shell/application.h"
#include "shell/program.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (!kerbu::displayAvailable()) {
        std::fputs("Kerbu needs a graphical display, and none was found (DISPLAY and "
                   "WAYLAND_DISPLAY are not set).\nStart it from a desktop session, or under "
                   "a virtual display such as: xvfb-run ./kerbu\n",
                   stderr);
        return 2;
    }
    if (const QByteArray platform = kerbu::platformToUse(
            qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
        !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    kerbu::setUpApplication();
    kerbu::Program program;
    program.windows().get(kerbu::WindowId::sobre)->showForm();
    return QApplication::exec();
}
