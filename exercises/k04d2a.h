#pragma once

#include "engine/drillwindow.h"

namespace kerbu {

// Exercise 2/a: the accusative of nouns ("Mit?"). Exercises 2/b and 2/c use the same
// window with their own words.
class K04d2a : public DrillWindow {
    Q_OBJECT
  public:
    explicit K04d2a(ProgramState& state);

    // The window of 2/b and 2/c: this one with another title and question, placed a little
    // differently, and the chart's keys in both boxes.
    struct Sibling {
        const char* titleSuffix{};
        WordList list{};
        ControlDesign title{};    // its text, top, width and height
        ControlDesign question{}; // its text and top
        int hintWidth{};
    };
    static DrillDesign design(const Sibling& sibling);
    static DrillRules rules(const Sibling& sibling);
    static FrameDesign frame();
};

} // namespace kerbu
