#pragma once

#include "pool.h"
#include "run.h"

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

// What one gap of a text takes.
struct Gap {
    const char16_t* expected{}; // the ending
    GapCheck check = GapCheck::Trimmed;
    const char16_t* alternative = nullptr; // Exact: a second accepted ending
    const char16_t* whole = nullptr;       // WithWordBox: what word box and gap make together
    const char16_t* solution = nullptr;    // what Solution shows, where not the ending
    // The word the ending belongs to: for the hints and the gap's name, and what the word
    // box in front of a WithWordBox gap holds at first.
    const char16_t* word = nullptr;
};

// A piece of a text with gaps, as it reads: its words up to the next gap (or up to the
// word box in front of it), or up to the end of a line; gap is the gap that follows it,
// -1 where none does.
struct TextPiece {
    const char16_t* text{};
    int gap = -1;
};

// A text with gaps: its gaps in order, its pieces in reading order, and what Solution
// shows in front of an ending.
struct GapContent {
    std::span<const Gap> gaps{};
    std::span<const TextPiece> pieces{};
    const char16_t* solutionPrefix = u"";
};

// A text with gaps: the learner fills them in any order, each checked on its own; a right
// ending solves its gap and the text goes on to the next open gap, round to the first.
class GapText : public RunModel {
  public:
    explicit GapText(const GapContent& content);

    // The window opens: every gap open, no run, the first gap current.
    void open() override;
    // Start, or Restart: after an accomplished run (and until the window closes) every gap
    // is opened afresh and the count starts from nothing. The first gap becomes current
    // where it is open.
    Outcome start(Random& random) override;
    // Every gap but the missed ones counts as solved; the first missed gap is current.
    // The next Start opens every gap afresh.
    void startRound(const std::vector<int>& missed, Random& random) override;
    // Whether the last Start or round opened every gap afresh.
    bool openedAfresh() const { return afresh_; }
    // The learner moved into a gap: an open one becomes the current gap.
    void enter(int gap) override;
    // The word box in front of the current gap (front) and the gap. A right one solves
    // the gap and moves on.
    Verdict answer(const Answer& given, Random& random) override;

    Item item() const override;
    QString solution() const override;
    QString why() const override;
    Phase phase() const override { return phase_; }
    int runLength() const override { return size(); }
    int solved() const override { return solvedCount_; }

    int current() const { return current_; }
    const Gap& gap(int number) const { return gaps_[std::size_t(number)]; }
    // The gap as the learner hears it named: its number and the word in front.
    QString label(int number) const;
    // What the word box in front of a gap and the gap hold as a run begins: nothing typed,
    // or in a round the right form of a gap already solved.
    Answer shown(int number) const;
    QString expected() const;
    bool isSolved(int gap) const;
    int size() const { return static_cast<int>(gaps_.size()); }

  private:
    bool isRight(const Answer& given) const;
    void next();

    std::span<const Gap> gaps_;
    QString solutionPrefix_;
    ItemPool solved_; // a solved gap is used up
    int current_ = 0;
    int solvedCount_ = 0;
    Phase phase_ = Phase::NotStarted;
    // From the first accomplished run until the window closes, Start opens every gap
    // afresh.
    bool restartRun_ = false;
    bool round_ = false;
    bool afresh_ = false;
};

} // namespace kerbu
