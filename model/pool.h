#pragma once

#include <vector>

namespace kerbu {

class Random;

// The items of a run that are still to be asked: each is drawn at random among those not
// used up yet, so no item comes twice in one run.
class ItemPool {
  public:
    explicit ItemPool(int size);

    // Every item is available again.
    void refill();
    void useUp(int item);
    // Every item but these is used up.
    void keepOnly(const std::vector<int>& items);
    // A round over the missed items that exist, each once: every other item is used up.
    // Returns the round's items; none (and the pool as it was) where none exists.
    std::vector<int> beginRound(const std::vector<int>& missed);
    bool isUsedUp(int item) const;
    // An available item from 0 to upper, each with the same chance; -1 if none is left.
    int draw(Random& random, int upper) const;
    int size() const { return static_cast<int>(used_.size()); }

  private:
    std::vector<bool> used_;
};

} // namespace kerbu
