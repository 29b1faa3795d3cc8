#include "gaptext.h"

#include "drill.h"
#include "pool.h"

#include <algorithm>

namespace kerbu {

GapText::GapText(std::span<const Gap> gaps, QString solutionPrefix)
    : gaps_(gaps), solutionPrefix_(std::move(solutionPrefix)), solved_(gaps.size(), false) {}

void GapText::open() {
    solved_.assign(solved_.size(), false);
    solvedCount_ = 0;
    phase_ = Phase::NotStarted;
    restartRun_ = false;
    round_ = false;
    current_ = 0;
}

bool GapText::start() {
    const bool afresh = restartRun_ || round_;
    round_ = false;
    if (afresh) {
        solved_.assign(solved_.size(), false);
        // A new run counts from nothing, also when the last one was left half done.
        solvedCount_ = 0;
        current_ = 0;
    }
    phase_ = Phase::Waiting;
    return afresh;
}

void GapText::startRound(const std::vector<int>& gaps) {
    const std::vector<int> round = roundOf(gaps, size());
    if (round.empty())
        return;
    solved_.assign(solved_.size(), true);
    for (const int gap : round)
        solved_[std::size_t(gap)] = false;
    solvedCount_ = size() - static_cast<int>(round.size());
    current_ = *std::min_element(round.begin(), round.end());
    phase_ = Phase::Waiting;
    round_ = true;
}

void GapText::enter(int gap) {
    if (gap >= 0 && gap < size() && !isSolved(gap))
        current_ = gap;
}

QString GapText::expected() const {
    return QString::fromUtf16(gap(current_).expected);
}

QString GapText::solution() const {
    const Gap& g = gap(current_);
    return g.solution ? QString::fromUtf16(g.solution) : solutionPrefix_ + expected();
}

bool GapText::isSolved(int gap) const {
    return gap >= 0 && gap < size() && solved_[std::size_t(gap)];
}

bool GapText::isRight(const QString& typed, const QString& wordInFront) const {
    const Gap& g = gap(current_);
    switch (g.check) {
    case GapCheck::Trimmed:
        return sameText(trimBlanks(typed), expected());
    case GapCheck::Exact:
        return sameText(typed, expected()) ||
               (g.alternative && sameText(typed, QString::fromUtf16(g.alternative)));
    case GapCheck::WithWordBox:
        return sameText(wordInFront + typed, QString::fromUtf16(g.whole));
    }
    return false;
}

Hint::Result GapText::hint(const QString& typed, const QString& wordInFront) const {
    const Gap& g = gap(current_);
    const QString word = g.word ? QString::fromUtf16(g.word) : QString();
    switch (g.check) {
    case GapCheck::Trimmed:
        return Hint::forWord(trimBlanks(typed), expected(), word);
    case GapCheck::Exact:
        return Hint::forWord(typed, expected(), word);
    case GapCheck::WithWordBox:
        return Hint::forWord(wordInFront + typed, QString::fromUtf16(g.whole), word);
    }
    return {};
}

Outcome GapText::answer(const QString& typed, const QString& wordInFront) {
    if (isSolved(current_) || !isRight(typed, wordInFront))
        return Outcome::Wrong;
    solved_[std::size_t(current_)] = true;
    ++solvedCount_;
    if (solvedCount_ < size()) {
        next();
        return Outcome::Right;
    }
    phase_ = Phase::Accomplished;
    restartRun_ = true;
    round_ = false;
    current_ = 0;
    return Outcome::Accomplished;
}

void GapText::next() {
    // The next open gap after the current one, wrapping round; there is always one while
    // fewer gaps are solved than there are.
    for (int step = 0; step < size(); ++step) {
        current_ = current_ < size() - 1 ? current_ + 1 : 0;
        if (!isSolved(current_))
            return;
    }
}

} // namespace kerbu
