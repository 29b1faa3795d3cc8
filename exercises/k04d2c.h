#pragma once

#include "engine/drillwindow.h"

namespace kerbu {

// Exercise 2/c: the accusative of adjectives ("Milyet?").
class K04d2c : public DrillWindow {
    Q_OBJECT
  public:
    explicit K04d2c(ProgramState& state);
};

} // namespace kerbu
