#include "random.h"

#include <chrono>

namespace kerbu {

Random::Random() {
    seedFromClock();
}

void Random::seed(std::uint64_t value) {
    engine_.seed(value);
}

void Random::seedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(now));
}

int Random::pickAvailable(int lower, int upper, const std::function<bool(int)>& available) {
    int count = 0;
    for (int i = lower; i <= upper; ++i) {
        if (available(i))
            ++count;
    }
    if (count == 0)
        return -1;
    int nth = std::uniform_int_distribution<int>(0, count - 1)(engine_);
    for (int i = lower; i <= upper; ++i) {
        if (available(i) && nth-- == 0)
            return i;
    }
    return -1;
}

} // namespace kerbu
