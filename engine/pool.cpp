#include "pool.h"

#include "platform/random.h"

namespace kerbu {

ItemPool::ItemPool(int size) : used_(static_cast<std::size_t>(size), false) {}

void ItemPool::refill() {
    used_.assign(used_.size(), false);
}

void ItemPool::useUp(int item) {
    if (item >= 0 && item < size())
        used_[static_cast<std::size_t>(item)] = true;
}

bool ItemPool::isUsedUp(int item) const {
    return item < 0 || item >= size() || used_[static_cast<std::size_t>(item)];
}

int ItemPool::draw(Random& random, int upper) const {
    return random.pickAvailable(0, upper, [this](int item) { return !isUsedUp(item); });
}

} // namespace kerbu
