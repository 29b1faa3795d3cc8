#pragma once

#include "engine/sentencewindow.h"

namespace kerbu {

// Exercise 3: whole sentences about six pictures. Start runs the six pictures in order;
// Restart then runs all seventeen sentences in random order, each once.
class K04d3 : public SentenceWindow {
    Q_OBJECT
  public:
    explicit K04d3(ProgramState& state);
};

} // namespace kerbu
