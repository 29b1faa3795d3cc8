#pragma once

namespace kerbu {

// What an answer did to the run.
enum class Outcome {
    Wrong,       // not the expected answer: the same item stays
    Right,       // right, and the run goes on with the next item
    Accomplished // right, and it was the last item of the run
};

} // namespace kerbu
