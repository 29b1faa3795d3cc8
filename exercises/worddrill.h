#pragma once

#include "engine/drillwindow.h"

#include <memory>

// What the windows of the word drills share.
namespace kerbu::exercises {

// The note beside Plus: 1/a and 2/a say "click on the", 1/b and 2/c "click the".
constexpr const char* plusNoteClickOn = " If you want to practise with an extended variant  of "
                                        "this exercise, click on the \"Plus\" button:";
constexpr const char* plusNoteClickThe = " If you want to practise with an extended variant  of "
                                         "this exercise, click the \"Plus\" button:";

// A word drill's window from its design and rules, with the lesson's words, the endings
// its label shows and, where the design has a question label, the question.
std::unique_ptr<ExerciseWindow> wordDrill(const QString& name, DrillDesign design, DrillRules rules,
                                          FrameDesign frame, ProgramState& state);

} // namespace kerbu::exercises
