#pragma once

#include "engine/gapwindow.h"

namespace kerbu {

// Exercise 4: four short texts with eight gaps for the accusative of adjectives and
// numerals.
class K04d4 : public GapWindow {
    Q_OBJECT
  public:
    explicit K04d4(ProgramState& state);
};

} // namespace kerbu
