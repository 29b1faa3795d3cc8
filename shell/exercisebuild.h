#pragma once

#include "exerciseframe.h"
#include "program.h"

#include <memory>

namespace kerbu {

// An exercise window with the frame that every exercise carries around its drill.
template <typename W> std::unique_ptr<FormWindow> buildExercise(Program& program) {
    auto built = std::make_unique<W>(program);
    built->addPart(
        std::make_unique<ExerciseFrame>(program, built->objectName(), built->frameDesign()));
    return built;
}

} // namespace kerbu
