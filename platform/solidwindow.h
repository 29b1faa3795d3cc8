#pragma once

class QColor;
class QWidget;

namespace kerbu {

// Lets a top-level window show one solid colour without a drawing buffer of its own: on
// X the server fills it with its background colour, so a window that covers the whole
// screen costs no image of the screen's size. Returns false where the platform cannot
// (the window then paints as any other).
bool paintBySystem(QWidget* window, const QColor& colour);

} // namespace kerbu
