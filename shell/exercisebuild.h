#pragma once

#include "engine/exercisewindow.h"
#include "exerciseframe.h"
#include "program.h"

#include <memory>

namespace kerbu {

// An exercise window with the frame that every exercise carries around its drill.
template <std::unique_ptr<ExerciseWindow> (*make)(ProgramState&)>
std::unique_ptr<FormWindow> buildExercise(Program& program) {
    std::unique_ptr<ExerciseWindow> built = make(program);
    built->addPart(
        std::make_unique<ExerciseFrame>(program, built->objectName(), built->frameDesign()));
    return built;
}

} // namespace kerbu
