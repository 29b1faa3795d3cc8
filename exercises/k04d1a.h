#pragma once

#include "engine/drillwindow.h"
#include "shell/exerciseframe.h"

namespace kerbu {

// Exercise 1/a: the ending -ba/-be ("into").
class K04d1a : public DrillWindow {
    Q_OBJECT
  public:
    K04d1a();
    static DrillDesign design();
    static FrameDesign frameDesign();
};

} // namespace kerbu
