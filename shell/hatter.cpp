#include "hatter.h"

#include "windows.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace kerbu {

Hatter::Hatter() : FormWindow(QStringLiteral("hatter")) {
    setWindowTitle(QStringLiteral("   K E R B U  !"));
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
}

void Hatter::buildControls(QWidget* body) {
    QPalette palette = body->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    body->setPalette(palette);
}

// Covers the screen, also where no window manager would maximize it.
void Hatter::onLoad() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Hatter::closeBoxPressed() {
    windows().end();
}

} // namespace kerbu
