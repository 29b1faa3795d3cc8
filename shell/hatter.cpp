#include "hatter.h"

#include "windows.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace kerbu {

Hatter::Hatter() : FormWindow(QStringLiteral("hatter")) {
    setWindowTitle(QStringLiteral("   K E R B U  !"));
    setBackground(QColor(224, 224, 224));
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
}

// No controls: the background is all there is.
void Hatter::buildControls(QWidget*) {}

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
