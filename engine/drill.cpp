#include "drill.h"

namespace kerbu {

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

bool sameText(const QString& typed, const QString& stored) {
    return typed.normalized(QString::NormalizationForm_C) ==
           stored.normalized(QString::NormalizationForm_C);
}

bool isRightAnswer(const QString& word, const QString& ending, const QString& answer) {
    return sameText(trimBlanks(word) + trimBlanks(ending), answer);
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

void Drill::start(Random& random) {
    round_.clear();
    pool_.refill();
    solved_ = 0;
    phase_ = Phase::Waiting;
    draw(random);
}

Outcome Drill::answer(const QString& word, const QString& ending, Random& random) {
    if (!isRightAnswer(word, ending, solution()))
        return Outcome::Wrong;
    pool_.useUp(current_);
    ++solved_;
    if (solved_ < runLength()) {
        draw(random);
        return Outcome::Right;
    }
    pool_.refill();
    solved_ = 0;
    phase_ = Phase::Accomplished;
    return Outcome::Accomplished;
}

void Drill::startRound(const std::vector<int>& items, Random& random) {
    round_ = roundOf(items, size());
    if (!inRound()) {
        start(random);
        return;
    }
    pool_.refill();
    pool_.keepOnly(round_);
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
