#pragma once

#include "pool.h"
#include "run.h"

#include <QString>
#include <span>
#include <vector>

namespace kerbu {

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

// The answer of a word drill as the check reads it: both parts with their leading and
// trailing blanks removed, joined.
QString joinedAnswer(const QString& word, const QString& ending);
// The answer check of every word drill: the joined answer compared exactly with the
// stored one.
bool isRightAnswer(const QString& word, const QString& ending, const QString& answer);

// One word drill: the learner starts a run, answers the word asked until every word of
// the run is right, and may once choose the extended variant (Plus). The variant and the
// current word outlast a closed window.
class Drill : public RunModel {
  public:
    explicit Drill(WordList list);

    // The window opens: no run, nothing answered; the variant and the word stay.
    void open() override;
    // A run of the current variant, from its first word.
    Outcome start(Random& random) override;
    // The learner's base word (front) and ending for the word asked. A right one uses the
    // word up and draws the next; the last right one of the run accomplishes it.
    Verdict answer(const Answer& given, Random& random) override;
    // At random, each once; the next start runs the variant again.
    void startRound(const std::vector<int>& missed, Random& random) override;
    // The extended variant, from now on: back to not started, every word available.
    void choosePlus() override;

    Item item() const override;
    // The whole answer of the word asked.
    QString solution() const override { return answerOf(current_); }
    QString why() const override;
    Phase phase() const override { return phase_; }
    int runLength() const override;
    int solved() const override { return solved_; }

    bool plus() const { return plus_; }
    int current() const { return current_; }
    QString word() const { return wordOf(current_); }
    bool inRound() const { return !round_.empty(); }
    int size() const { return static_cast<int>(list_.items.size()); }
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
