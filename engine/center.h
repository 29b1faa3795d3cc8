#pragma once

class QWidget;

namespace kerbu {

// Places a window in the middle of its screen, keeping its size. A window larger than
// the screen gets a negative left or top.
void center(QWidget* window);

} // namespace kerbu
