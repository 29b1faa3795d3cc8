#include "hatter.h"

#include "platform/colours.h"
#include "platform/solidwindow.h"
#include "program.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace kerbu {

Hatter::Hatter(Program& program) : FormWindow(QStringLiteral("hatter")), program_(program) {
    setWindowTitle(QStringLiteral("   K E R B U  !"));
    setBackground(colours::lightGrey);
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
}

// No controls: the background is all there is.
void Hatter::buildControls(QWidget* body) {
    // Where the window system fills the window with its colour, nothing is drawn here, and
    // no image of the screen's size is kept for it.
    bySystem_ = paintBySystem(this, colours::lightGrey);
    setAttribute(Qt::WA_PaintOnScreen, bySystem_);
    body->setAttribute(Qt::WA_PaintOnScreen, bySystem_);
    body->setAutoFillBackground(!bySystem_);
}

QPaintEngine* Hatter::paintEngine() const {
    return bySystem_ ? nullptr : FormWindow::paintEngine();
}

// Covers the screen, also where no window manager would maximize it.
void Hatter::onLoad() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Hatter::closeBoxPressed() {
    program_.windows().end();
}

} // namespace kerbu
