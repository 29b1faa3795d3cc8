#include "application.h"

#include "platform/accessibletext.h"
#include "platform/controls.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

// The pictures and the help file are compiled into the library; a static library needs
// its resources registered by hand.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace kerbu {

bool displayAvailable() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

QByteArray platformToUse(const QByteArray& chosen, const QByteArray& display,
                         const QByteArray& waylandDisplay) {
    if (!chosen.isEmpty())
        return {};
    if (!display.isEmpty())
        return QByteArrayLiteral("xcb");
    if (!waylandDisplay.isEmpty())
        return QByteArrayLiteral("wayland");
    return {};
}

void setUpApplication() {
    initResources();
    QApplication::setApplicationName(QStringLiteral("Kerbu"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setDesktopFileName(QStringLiteral("org.example.kerbu"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutions();
    installAccessibleTexts();
    QApplication::setFont(designFont(Face::SansSerif, 9.75));
    // The icon is drawn once the splash is on the screen; the splash does not wait for it.
    QTimer::singleShot(50, qApp, [] {
        QIcon icon;
        for (int side : {16, 32, 48, 64, 128})
            icon.addPixmap(picture(QStringLiteral(":/assets/icon.svg"), QSize(side, side)));
        QApplication::setWindowIcon(icon);
    });
}

static QtMessageHandler previousHandler = nullptr;

static void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
    else
        qt_message_output(type, context, text);
}

void quietOffscreenNotes() {
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(quietHandler);
}

} // namespace kerbu
