#include "hatter.h"

#include "windows.h"

#include <QLayout>

namespace kerbu {

Hatter::Hatter() : FormWindow(QStringLiteral("hatter"))
{
    setWindowTitle(QStringLiteral("   K E R B U  !"));
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
}

void Hatter::buildControls(QWidget* body)
{
    QPalette palette = body->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    body->setPalette(palette);
}

void Hatter::onLoad() { setWindowState(windowState() | Qt::WindowMaximized); }

void Hatter::closeBoxPressed() { windows().end(); }

} // namespace kerbu
