#pragma once

#include "phase.h"

#include <QString>
#include <span>
#include <vector>

namespace kerbu {

class Random;

// One item of a word list: the base word shown to the learner and the whole answer.
struct WordItem {
    const char16_t* word{};
    const char16_t* answer{};
};

// A word list and how much of it a run takes: the normal variant the first normalCount
// items, the extended variant all of them.
struct WordList {
    std::span<const WordItem> items{};
    int normalCount{};
};

// The answer check of every word drill: both parts with their leading and trailing
// blanks removed, joined, and compared exactly with the stored answer.
bool isRightAnswer(const QString& word, const QString& ending, const QString& answer);
QString trimBlanks(const QString& text);
// Two answers are the same when they read the same: a letter typed as a base letter and a
// combining accent equals the same letter typed whole.
bool sameText(const QString& typed, const QString& stored);

// The state of one word drill: which items are still open in the run, the current item,
// the count of right answers and the variant. Lives as long as its window object.
class Drill {
  public:
    explicit Drill(WordList list);

    // Makes every item of the list available again (the base words are refilled).
    void refill();
    // Starts a run of the current variant: sets the run length and draws the first item.
    void start(Random& random);
    // Counts the current item as answered and uses it up. Returns true when the run is
    // complete; otherwise the next item has been drawn.
    bool answered(Random& random);
    // Back to not started: first item, no right answers, normal variant.
    void reset();
    void choosePlus() { plus = true; }
    // Draws an item of the run's range that is not used up yet into idx.
    void pick(Random& random);

    int size() const { return static_cast<int>(list_.items.size()); }
    QString word() const { return words_.at(idx); }
    QString answer() const { return answerOf(idx); }
    QString answerOf(int item) const { return QString::fromUtf16(list_.items[item].answer); }
    int upper() const { return plus ? size() - 1 : list_.normalCount - 1; }
    int runLength() const { return plus ? size() : list_.normalCount; }
    bool isUsedUp(int item) const { return words_.at(item).isEmpty(); }

    int idx = 0;       // the current item
    int solved = 0;    // items answered right in this run
    int total = 0;     // items in this run
    bool plus = false; // the extended variant: every item of the list
    Phase phase = Phase::NotStarted;

  private:
    WordList list_;
    std::vector<QString> words_;
};

} // namespace kerbu
