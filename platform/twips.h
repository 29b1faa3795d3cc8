#pragma once

#include <QRect>

namespace kerbu {

// The window designs are measured in twips (1440 to the inch). They are turned into
// device-independent pixels at the screen's logical DPI, so a design keeps its shape
// at any scaling factor: Qt multiplies by the device pixel ratio on its own.
int twips(int tw);
QRect twipsRect(int left, int top, int width, int height);

} // namespace kerbu
