#pragma once

#include "hint.h"
#include "keys.h"
#include "outcome.h"
#include "phase.h"

#include <QString>
#include <span>
#include <vector>

namespace kerbu {

// How a gap's answer is checked.
enum class GapCheck {
    Trimmed,    // the gap, blanks around it removed, equals the expected ending
    Exact,      // the gap as typed equals the expected ending or the alternative
    WithWordBox // the word box in front of it and the gap, joined as typed, make the whole
};

// One gap of a text: its place, what it expects and how it is checked.
struct Gap {
    int left{};
    int top{};
    int width{};
    const char16_t* expected{};
    GapCheck check = GapCheck::Trimmed;
    const char16_t* alternative = nullptr; // Exact: a second accepted answer
    const char* wordBox = nullptr;         // WithWordBox: the word box in front of the gap
    const char16_t* whole = nullptr;       // WithWordBox: what the two make together
    const char16_t* solution = nullptr;    // what Solution shows, where it is not the ending
    int family = 0;                        // colour family
    const char16_t* word = nullptr;        // the word the ending belongs to, for the hints
};

// A text with gaps: the learner fills them in any order, each checked on its own; a right
// ending solves its gap and the text goes on to the next open gap, round to the first.
class GapText {
  public:
    // solutionPrefix goes in front of the expected ending where Solution shows it.
    GapText(std::span<const Gap> gaps, QString solutionPrefix);

    // The window opens: every gap open, no run, the first gap current.
    void open();
    // Start, or Restart: after an accomplished run every gap is opened afresh and the
    // count starts from nothing. Returns true where the gaps were opened afresh.
    bool start();
    // A round over just these gaps (the ones missed): every other gap counts as solved.
    // The next Start opens every gap afresh.
    void startRound(const std::vector<int>& gaps);
    bool inRound() const { return round_; }
    // The learner moved into a gap: an open one becomes the current gap.
    void enter(int gap);
    // What the learner typed in the current gap, and the word box in front of it where
    // the gap is checked with one. A right one solves the gap and moves on.
    Outcome answer(const QString& typed, const QString& wordInFront);
    // The hint for a wrong answer of the current gap.
    Hint::Result hint(const QString& typed, const QString& wordInFront) const;

    Phase phase() const { return phase_; }
    int current() const { return current_; }
    const Gap& gap(int number) const { return gaps_[std::size_t(number)]; }
    QString expected() const;
    QString solution() const;
    bool isSolved(int gap) const;
    int solved() const { return solvedCount_; }
    int size() const { return static_cast<int>(gaps_.size()); }

  private:
    bool isRight(const QString& typed, const QString& wordInFront) const;
    void next();

    std::span<const Gap> gaps_;
    QString solutionPrefix_;
    std::vector<bool> solved_;
    int current_ = 0;
    int solvedCount_ = 0;
    Phase phase_ = Phase::NotStarted;
    // From the first accomplished run until the window closes, Start opens every gap
    // afresh.
    bool restartRun_ = false;
    bool round_ = false;
};

} // namespace kerbu
