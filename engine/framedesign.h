#pragma once

#include "platform/controls.h"

#include <QStringList>

namespace kerbu {

// What the frame around one exercise window looks like and says. The exercise supplies
// it; whoever builds the window puts the frame on it.
struct FrameDesign {
    ControlDesign close{};   // "Clos&e"; its tab index is the frame's first place in the
                             // focus order, the go-to buttons follow it
    ControlDesign heading{}; // "Go to exercise:"
    int firstGoToTab = 0;
    QColor goToBackground{};     // of the go-to buttons (invalid: the style's)
    QColor lastGoToBackground{}; // of "&5" where it differs
    QStringList howTo{};         // paragraphs of the how-to message
    bool howToEndsWithEmptyLine = false;
};

// The frame as most windows have it: Close at 2280, the heading at 4800 on the given
// colour, the go-to buttons right after Close in the focus order. Each window changes what
// it does differently.
FrameDesign standardFrame(const QColor& headingBackground, int closeTab);

// The how-to paragraphs the exercise windows choose from.
namespace howto {
extern const QString startEnter;
extern const QString startNextOrEnter;
extern const QString gapsEnter;
extern const QString gapsNextOrEnter;
extern const QString picture;
extern const QString chart;
} // namespace howto

} // namespace kerbu
