#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace kerbu {

// The program's random numbers. Seeded once from the clock; a test may seed it with a
// fixed value to replay a run.
class Random {
  public:
    Random();
    void seed(std::uint64_t value);
    void seedFromClock();

    // One index from lower to upper (inclusive) for which available(index) holds, each
    // such index with the same chance. The time taken is bounded by the size of the
    // range however many indices are used up. Returns -1 if none is available.
    int pickAvailable(int lower, int upper, const std::function<bool(int)>& available);

  private:
    std::mt19937_64 engine_;
};

} // namespace kerbu
