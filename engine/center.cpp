#include "center.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kerbu {

void center(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->ensurePolished();
    const QRect area = screen->geometry();
    const QSize size = window->isVisible() ? window->frameGeometry().size() : window->sizeHint();
    window->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

} // namespace kerbu
