#pragma once

#include "engine/exercisewindow.h"

#include <memory>

// Each exercise's window of lesson 4, built from its design and the lesson's content.
namespace kerbu::exercises {

// 1/a and 1/b: the endings -ba/-be ("into") and -ra/-re ("onto").
std::unique_ptr<ExerciseWindow> k04d1a(ProgramState& state);
std::unique_ptr<ExerciseWindow> k04d1b(ProgramState& state);
// 2/a, 2/b and 2/c: the accusative of nouns, numerals and adjectives.
std::unique_ptr<ExerciseWindow> k04d2a(ProgramState& state);
std::unique_ptr<ExerciseWindow> k04d2b(ProgramState& state);
std::unique_ptr<ExerciseWindow> k04d2c(ProgramState& state);
// 3: whole sentences about six pictures. Start runs the six pictures in order; Restart
// then runs all the sentences in random order, each once.
std::unique_ptr<ExerciseWindow> k04d3(ProgramState& state);
// 4: four short texts with eight gaps for the accusative of adjectives and numerals.
std::unique_ptr<ExerciseWindow> k04d4(ProgramState& state);
// 5: six questions, each with a long and a short answer, twelve gaps for the accusative
// and the place endings.
std::unique_ptr<ExerciseWindow> k04d5(ProgramState& state);

} // namespace kerbu::exercises
