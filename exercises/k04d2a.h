#pragma once

#include "engine/drillwindow.h"
#include "shell/exerciseframe.h"

namespace kerbu {

// Exercise 2/a: the accusative of nouns ("Mit?"). Exercises 2/b and 2/c use the same
// window with their own words.
class K04d2a : public DrillWindow {
    Q_OBJECT
  public:
    K04d2a();
    static DrillDesign design();
    static FrameDesign frameDesign(WindowId own);
    // What the three accusative windows share: the record box, Char keeping the focus,
    // Solution disabled once the exercise is accomplished.
    static DrillRules rules();
};

} // namespace kerbu
