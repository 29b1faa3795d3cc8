#pragma once

namespace kerbu {

// Where a run of an exercise stands.
enum class Phase {
    NotStarted,  // loaded, or sent back by Plus: Start begins a run
    Waiting,     // a run is on: the window waits for the learner's answer
    Accomplished // every item of the run answered right: Restart begins the next
};

} // namespace kerbu
