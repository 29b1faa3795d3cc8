#pragma once

#include "engine/drillwindow.h"

namespace kerbu {

// Exercise 2/b: the accusative of numerals ("Hányat?").
class K04d2b : public DrillWindow {
    Q_OBJECT
  public:
    explicit K04d2b(ProgramState& state);
};

} // namespace kerbu
