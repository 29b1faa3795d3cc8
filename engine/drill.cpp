#include "drill.h"

#include "platform/random.h"

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

Drill::Drill(WordList list) : list_(list) {
    refill();
}

void Drill::refill() {
    words_.clear();
    words_.reserve(list_.items.size());
    for (const WordItem& item : list_.items)
        words_.push_back(QString::fromUtf16(item.word));
}

void Drill::start(Random& random) {
    refill();
    total = runLength();
    phase = Phase::Waiting;
    pick(random);
}

bool Drill::answered(Random& random) {
    words_.at(idx).clear();
    ++solved;
    if (solved < total) {
        pick(random);
        return false;
    }
    refill();
    solved = 0;
    phase = Phase::Accomplished;
    return true;
}

void Drill::reset() {
    idx = 0;
    solved = 0;
    plus = false;
    phase = Phase::NotStarted;
    refill();
}

void Drill::pick(Random& random) {
    const int chosen =
        random.pickAvailable(0, upper(), [this](int item) { return !isUsedUp(item); });
    if (chosen >= 0)
        idx = chosen;
}

} // namespace kerbu
