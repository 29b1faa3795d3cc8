#include "gaptext.h"

#include "why.h"

#include <algorithm>

namespace kerbu {

namespace {

QString text(const char16_t* stored) {
    return stored ? QString::fromUtf16(stored) : QString();
}

} // namespace

GapText::GapText(const GapContent& content)
    : gaps_(content.gaps), solutionPrefix_(QString::fromUtf16(content.solutionPrefix)),
      solved_(int(content.gaps.size())) {}

void GapText::open() {
    solved_.refill();
    solvedCount_ = 0;
    phase_ = Phase::NotStarted;
    restartRun_ = false;
    round_ = false;
    current_ = 0;
}

Outcome GapText::start(Random&) {
    afresh_ = restartRun_ || round_;
    round_ = false;
    if (afresh_) {
        solved_.refill();
        // A new run counts from nothing, also when the last one was left half done.
        solvedCount_ = 0;
        current_ = 0;
    }
    phase_ = Phase::Waiting;
    enter(0);
    return Outcome::Right;
}

void GapText::startRound(const std::vector<int>& missed, Random&) {
    const std::vector<int> round = solved_.beginRound(missed);
    if (round.empty())
        return;
    solvedCount_ = size() - static_cast<int>(round.size());
    current_ = *std::min_element(round.begin(), round.end());
    phase_ = Phase::Waiting;
    round_ = true;
    afresh_ = true;
}

void GapText::enter(int gap) {
    if (gap >= 0 && gap < size() && !isSolved(gap))
        current_ = gap;
}

QString GapText::expected() const {
    return text(gap(current_).expected);
}

QString GapText::solution() const {
    const Gap& g = gap(current_);
    return g.solution ? text(g.solution) : solutionPrefix_ + expected();
}

Item GapText::item() const {
    const Gap& g = gap(current_);
    return {.number = current_,
            .word = text(g.word),
            .right = text(g.whole ? g.whole : g.expected),
            .label = label(current_),
            .say = text(g.word),
            .sayRight = text(g.whole ? g.whole : g.word) + (g.whole ? QString() : expected())};
}

QString GapText::label(int number) const {
    const QString word = text(gap(number).word);
    return word.isEmpty() ? QStringLiteral("Gap %1").arg(number + 1)
                          : QStringLiteral("Gap %1, after %2").arg(number + 1).arg(word);
}

Answer GapText::shown(int number) const {
    const Gap& g = gap(number);
    const bool withBox = g.check == GapCheck::WithWordBox;
    if (!isSolved(number))
        return {.front = withBox ? text(g.word) : QString(), .typed = QString()};
    const QString ending = text(g.expected);
    return {.front = withBox ? text(g.whole).chopped(ending.size()) : QString(), .typed = ending};
}

QString GapText::why() const {
    const Gap& g = gap(current_);
    return Why::forWord(text(g.word), g.check == GapCheck::WithWordBox ? text(g.whole)
                                                                       : text(g.word) + expected())
        .text;
}

bool GapText::isSolved(int gap) const {
    return gap >= 0 && gap < size() && solved_.isUsedUp(gap);
}

bool GapText::isRight(const Answer& given) const {
    const Gap& g = gap(current_);
    switch (g.check) {
    case GapCheck::Trimmed:
        return sameText(trimBlanks(given.typed), expected());
    case GapCheck::Exact:
        return sameText(given.typed, expected()) ||
               (g.alternative && sameText(given.typed, text(g.alternative)));
    case GapCheck::WithWordBox:
        return sameText(given.front + given.typed, text(g.whole));
    }
    return false;
}

Verdict GapText::answer(const Answer& given, Random&) {
    const Gap& g = gap(current_);
    const bool withBox = g.check == GapCheck::WithWordBox;
    Verdict verdict{.typed = (withBox ? given.front : QString()) + given.typed};
    if (isSolved(current_) || !isRight(given)) {
        const QString typed =
            g.check == GapCheck::Trimmed ? trimBlanks(given.typed) : verdict.typed;
        verdict.hint = Hint::forWord(typed, withBox ? text(g.whole) : expected(), text(g.word));
        return verdict;
    }
    // The word in front with the ending as accepted.
    verdict.say = withBox ? text(g.whole)
                          : text(g.word) + (g.check == GapCheck::Exact ? given.typed : expected());
    solved_.useUp(current_);
    ++solvedCount_;
    if (solvedCount_ < size()) {
        next();
        verdict.outcome = Outcome::Right;
        return verdict;
    }
    phase_ = Phase::Accomplished;
    restartRun_ = true;
    round_ = false;
    current_ = 0;
    verdict.outcome = Outcome::Accomplished;
    return verdict;
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
