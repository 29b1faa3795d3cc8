#include "sentencedrill.h"

#include "drill.h"

namespace kerbu {

SentenceDrill::SentenceDrill(std::span<const Sentence> sentences, int orderedCount)
    : sentences_(sentences), orderedCount_(orderedCount),
      pool_(static_cast<int>(sentences.size())) {}

void SentenceDrill::open() {
    // The window opens on the second sentence; Start goes back to the first.
    current_ = 1;
    round_.clear();
    pool_.refill();
    run_ = Run::Ordered;
    phase_ = Phase::NotStarted;
}

Outcome SentenceDrill::start(Random& random) {
    if (inRound()) {
        round_.clear();
        pool_.refill();
    }
    phase_ = Phase::Waiting;
    if (run_ == Run::Restart)
        return draw(random);
    current_ = 0;
    return Outcome::Right;
}

Outcome SentenceDrill::answer(const QString& typed, Random& random) {
    const QString sentence = trimBlanks(typed);
    // A sentence already answered in this run is empty; an empty answer never matches it.
    const bool right = isShown() && !sentence.isEmpty() &&
                       (sameText(sentence, solution()) || sameText(sentence, withPronoun()));
    if (!right)
        return Outcome::Wrong;
    if (inRound()) {
        pool_.useUp(current_);
        if (++roundSolved_ < static_cast<int>(round_.size())) {
            current_ = pool_.draw(random, size() - 1);
            return Outcome::Right;
        }
        round_.clear();
        pool_.refill();
        phase_ = Phase::Accomplished;
        return Outcome::Accomplished;
    }
    if (run_ == Run::Ordered) {
        if (current_ < orderedCount_ - 1) {
            ++current_;
            return Outcome::Right;
        }
        phase_ = Phase::Accomplished;
        run_ = Run::Restart;
        return Outcome::Accomplished;
    }
    pool_.useUp(current_);
    return draw(random);
}

void SentenceDrill::startRound(const std::vector<int>& sentences, Random& random) {
    round_ = roundOf(sentences, size());
    if (!inRound())
        return;
    pool_.refill();
    pool_.keepOnly(round_);
    roundSolved_ = 0;
    phase_ = Phase::Waiting;
    current_ = pool_.draw(random, size() - 1);
}

Outcome SentenceDrill::draw(Random& random) {
    if (drawn_ < size()) {
        if (const int chosen = pool_.draw(random, size() - 1); chosen >= 0)
            current_ = chosen;
        ++drawn_;
        return Outcome::Right;
    }
    phase_ = Phase::Accomplished;
    drawn_ = 0;
    pool_.refill();
    return Outcome::Accomplished;
}

int SentenceDrill::picture() const {
    return isShown() ? sentences_[std::size_t(current_)].picture : -1;
}

QString SentenceDrill::person() const {
    return isShown() ? QString::fromUtf16(sentences_[std::size_t(current_)].person) : QString();
}

QString SentenceDrill::solution() const {
    if (!isShown() || pool_.isUsedUp(current_))
        return QString();
    return QString::fromUtf16(sentences_[std::size_t(current_)].plain);
}

QString SentenceDrill::withPronoun() const {
    return isShown() ? QString::fromUtf16(sentences_[std::size_t(current_)].withPronoun)
                     : QString();
}

} // namespace kerbu
