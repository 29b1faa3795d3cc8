#pragma once

#include "engine/drillwindow.h"

namespace kerbu {

// Exercise 1/b: the ending -ra/-re ("onto"). Its window is 1/a's with other words,
// texts and places.
class K04d1b : public DrillWindow {
    Q_OBJECT
  public:
    explicit K04d1b(ProgramState& state);
};

} // namespace kerbu
