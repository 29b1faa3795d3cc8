#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace kerbu {

static double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int twips(int tw) {
    return static_cast<int>(std::lround(tw * logicalDpi() / 1440.0));
}

QRect twipsRect(int left, int top, int width, int height) {
    // Convert the edges, not the sizes, so that controls that touch in the design
    // (the word box ends where the ending box begins) still touch on screen.
    const int l = twips(left);
    const int t = twips(top);
    return QRect(l, t, twips(left + width) - l, twips(top + height) - t);
}

} // namespace kerbu
