#include "drill.h"

#include "why.h"

namespace kerbu {

QString joinedAnswer(const QString& word, const QString& ending) {
    return trimBlanks(word) + trimBlanks(ending);
}

bool isRightAnswer(const QString& word, const QString& ending, const QString& answer) {
    return sameText(joinedAnswer(word, ending), answer);
}

Drill::Drill(WordList list) : list_(list), pool_(static_cast<int>(list.items.size())) {}

QString Drill::wordOf(int item) const {
    return item >= 0 && item < size() ? QString::fromUtf16(list_.items[std::size_t(item)].word)
                                      : QString();
}

QString Drill::answerOf(int item) const {
    return item >= 0 && item < size() ? QString::fromUtf16(list_.items[std::size_t(item)].answer)
                                      : QString();
}

Item Drill::item() const {
    return {.number = current_,
            .word = word(),
            .right = solution(),
            .label = word(),
            .say = word(),
            .sayRight = solution()};
}

QString Drill::why() const {
    return Why::forWord(word(), solution()).text;
}

int Drill::runLength() const {
    if (inRound())
        return static_cast<int>(round_.size());
    return plus_ ? size() : list_.normalCount;
}

void Drill::open() {
    round_.clear();
    pool_.refill();
    solved_ = 0;
    phase_ = Phase::NotStarted;
}

Outcome Drill::start(Random& random) {
    round_.clear();
    pool_.refill();
    solved_ = 0;
    phase_ = Phase::Waiting;
    draw(random);
    return Outcome::Right;
}

Verdict Drill::answer(const Answer& given, Random& random) {
    Verdict verdict{.typed = joinedAnswer(given.front, given.typed)};
    if (!isRightAnswer(given.front, given.typed, solution())) {
        verdict.hint = Hint::forWord(verdict.typed, solution(), word());
        return verdict;
    }
    verdict.say = solution();
    pool_.useUp(current_);
    ++solved_;
    if (solved_ < runLength()) {
        draw(random);
        verdict.outcome = Outcome::Right;
        return verdict;
    }
    pool_.refill();
    solved_ = 0;
    phase_ = Phase::Accomplished;
    verdict.outcome = Outcome::Accomplished;
    return verdict;
}

void Drill::startRound(const std::vector<int>& missed, Random& random) {
    round_ = pool_.beginRound(missed);
    if (!inRound()) {
        start(random);
        return;
    }
    solved_ = 0;
    phase_ = Phase::Waiting;
    draw(random);
}

void Drill::choosePlus() {
    round_.clear();
    current_ = 0;
    solved_ = 0;
    plus_ = true;
    phase_ = Phase::NotStarted;
    pool_.refill();
}

void Drill::draw(Random& random) {
    // A round draws among its own items, wherever they stand in the list.
    const int upper = inRound() ? size() - 1 : runLength() - 1;
    if (const int chosen = pool_.draw(random, upper); chosen >= 0)
        current_ = chosen;
}

} // namespace kerbu
