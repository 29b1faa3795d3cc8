#pragma once

#include "engine/gapwindow.h"

namespace kerbu {

// Exercise 5: six questions, each with a long and a short answer, twelve gaps for the
// accusative and the place endings.
class K04d5 : public GapWindow {
    Q_OBJECT
  public:
    explicit K04d5(ProgramState& state);
};

} // namespace kerbu
