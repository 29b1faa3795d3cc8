#pragma once

#include "outcome.h"
#include "phase.h"
#include "pool.h"

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

// One word drill: the learner starts a run, answers the word asked until every word of
// the run is right, and may once choose the extended variant (Plus). Lives as long as
// its window object, so the variant and the current word outlast a closed window.
class Drill {
  public:
    explicit Drill(WordList list);

    // The window opens: no run, nothing answered; the variant and the word stay.
    void open();
    // A run of the current variant, from its first word.
    void start(Random& random);
    // The learner's base word and ending for the word asked. A right one uses the word
    // up and draws the next; the last right one of the run accomplishes it.
    Outcome answer(const QString& word, const QString& ending, Random& random);
    // A round over just these items (the ones missed in the last run), at random, each
    // once; the next start runs the variant again.
    void startRound(const std::vector<int>& items, Random& random);
    // The extended variant, from now on: back to not started, every word available.
    void choosePlus();

    Phase phase() const { return phase_; }
    bool plus() const { return plus_; }
    // The word asked and its whole answer (what Solution shows).
    int current() const { return current_; }
    QString word() const { return wordOf(current_); }
    QString solution() const { return answerOf(current_); }
    // Right answers so far in this run, and how many the run asks.
    int solved() const { return solved_; }
    int runLength() const;
    bool inRound() const { return !round_.empty(); }
    int size() const { return static_cast<int>(list_.items.size()); }
    bool isUsedUp(int item) const { return pool_.isUsedUp(item); }
    QString wordOf(int item) const;
    QString answerOf(int item) const;

  private:
    void draw(Random& random);

    WordList list_;
    ItemPool pool_;
    std::vector<int> round_;
    int current_ = 0;
    int solved_ = 0;
    bool plus_ = false;
    Phase phase_ = Phase::NotStarted;
};

} // namespace kerbu
