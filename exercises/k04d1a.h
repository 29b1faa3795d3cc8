#pragma once

#include "engine/drillwindow.h"

namespace kerbu {

// Exercise 1/a: the ending -ba/-be ("into").
class K04d1a : public DrillWindow {
    Q_OBJECT
  public:
    explicit K04d1a(ProgramState& state);
    // The design 1/b is built on.
    static DrillDesign design();
    static FrameDesign frame();
};

} // namespace kerbu
