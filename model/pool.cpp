#include "pool.h"

#include "random.h"

#include <algorithm>

namespace kerbu {

ItemPool::ItemPool(int size) : used_(static_cast<std::size_t>(size), false) {}

void ItemPool::refill() {
    used_.assign(used_.size(), false);
}

void ItemPool::useUp(int item) {
    if (item >= 0 && item < size())
        used_[static_cast<std::size_t>(item)] = true;
}

void ItemPool::keepOnly(const std::vector<int>& items) {
    for (int item = 0; item < size(); ++item) {
        if (std::find(items.begin(), items.end(), item) == items.end())
            useUp(item);
    }
}

namespace {

// The items of a round: those of `items` that exist among `size`, each once, in order.
std::vector<int> roundOf(const std::vector<int>& items, int size) {
    std::vector<int> round;
    for (const int item : items) {
        if (item >= 0 && item < size && std::find(round.begin(), round.end(), item) == round.end())
            round.push_back(item);
    }
    return round;
}

} // namespace

std::vector<int> ItemPool::beginRound(const std::vector<int>& missed) {
    std::vector<int> round = roundOf(missed, size());
    if (!round.empty()) {
        refill();
        keepOnly(round);
    }
    return round;
}

bool ItemPool::isUsedUp(int item) const {
    return item < 0 || item >= size() || used_[static_cast<std::size_t>(item)];
}

int ItemPool::draw(Random& random, int upper) const {
    return random.pickAvailable(0, upper, [this](int item) { return !isUsedUp(item); });
}

} // namespace kerbu
