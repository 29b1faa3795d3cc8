#include "sentencedrill.h"

#include "why.h"
#include "words.h"

#include <algorithm>

namespace kerbu {

namespace {

// Every run of blanks shrinks to one blank.
QString blanksCollapsed(QString text) {
    const QString two(2, QLatin1Char(' '));
    while (text.contains(two))
        text.replace(two, QStringLiteral(" "));
    return text;
}

} // namespace

SentenceDrill::SentenceDrill(const SentenceContent& content)
    : sentences_(content.sentences), pictures_(content.pictures),
      orderedCount_(content.orderedCount), pool_(static_cast<int>(content.sentences.size())) {}

void SentenceDrill::open() {
    // The window opens on the second sentence; Start goes back to the first.
    current_ = 1;
    orderedRight_ = 0;
    round_.clear();
    pool_.refill();
    run_ = Run::Ordered;
    phase_ = Phase::NotStarted;
}

int SentenceDrill::runLength() const {
    if (inRound())
        return static_cast<int>(round_.size());
    return run_ == Run::Ordered ? orderedCount_ : size();
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
    orderedRight_ = 0;
    return Outcome::Right;
}

int SentenceDrill::solved() const {
    if (inRound())
        return roundSolved_;
    return run_ == Run::Ordered ? orderedRight_ : restartRight_;
}

Verdict SentenceDrill::answer(const Answer& given, Random& random) {
    Verdict verdict;
    QString sentence = trimBlanks(blanksCollapsed(given.typed));
    if (!sentence.isEmpty() && sentence.front().toUpper() != sentence.front()) {
        sentence[0] = sentence.front().toUpper();
        verdict.capitalWarning = true;
    }
    verdict.rewrite = sentence;
    verdict.typed = sentence;
    // A sentence already answered in this run is empty; an empty answer never matches it.
    const bool right = isShown() && !sentence.isEmpty() &&
                       (sameText(sentence, solution()) || sameText(sentence, withPronoun()));
    if (!right) {
        verdict.hint = Hint::forSentence(sentence, key(current_));
        return verdict;
    }
    verdict.say = sentence;
    if (inRound()) {
        pool_.useUp(current_);
        verdict.outcome = Outcome::Right;
        if (++roundSolved_ < static_cast<int>(round_.size())) {
            current_ = pool_.draw(random, size() - 1);
            return verdict;
        }
        round_.clear();
        pool_.refill();
        phase_ = Phase::Accomplished;
        verdict.outcome = Outcome::Accomplished;
        return verdict;
    }
    if (run_ == Run::Ordered) {
        verdict.outcome = Outcome::Right;
        if (current_ < orderedCount_ - 1) {
            ++current_;
            ++orderedRight_;
            return verdict;
        }
        orderedRight_ = 0;
        phase_ = Phase::Accomplished;
        run_ = Run::Restart;
        verdict.outcome = Outcome::Accomplished;
        return verdict;
    }
    pool_.useUp(current_);
    ++restartRight_;
    verdict.outcome = draw(random);
    return verdict;
}

void SentenceDrill::startRound(const std::vector<int>& missed, Random& random) {
    round_ = pool_.beginRound(missed);
    if (!inRound())
        return;
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
    restartRight_ = 0;
    pool_.refill();
    return Outcome::Accomplished;
}

Item SentenceDrill::item() const {
    return {.number = current_,
            .word = person(),
            .right = solution(),
            .label = QStringLiteral("Picture %1 %2").arg(picture() + 1).arg(person()),
            .say = personNamed(person()),
            .sayRight = solution()};
}

int SentenceDrill::picture() const {
    return isShown() ? sentences_[std::size_t(current_)].picture : -1;
}

QString SentenceDrill::shows() const {
    const int k = picture();
    return k >= 0 && k < int(pictures_.size())
               ? QString::fromLatin1(pictures_[std::size_t(k)].shows)
               : QString();
}

QString SentenceDrill::person() const {
    return isShown() ? QString::fromUtf16(sentences_[std::size_t(current_)].person) : QString();
}

QString SentenceDrill::solution() const {
    if (!isShown() || pool_.isUsedUp(current_))
        return QString();
    return QString::fromUtf16(sentences_[std::size_t(current_)].mond);
}

QString SentenceDrill::withPronoun() const {
    return isShown() ? QString::fromUtf16(sentences_[std::size_t(current_)].mond1) : QString();
}

SentenceKey SentenceDrill::key(int sentence) const {
    if (sentence < 0 || sentence >= size())
        return {};
    const Sentence& s = sentences_[std::size_t(sentence)];
    const auto k = std::size_t(std::clamp(s.picture, 0, int(pictures_.size()) - 1));
    return {.plain = QString::fromUtf16(s.mond),
            .withPronoun = QString::fromUtf16(s.mond1),
            .roles = s.roles,
            .place = pictures_.empty() ? QString() : QString::fromUtf16(pictures_[k].hat),
            .person = QString::fromUtf16(s.person)};
}

QString SentenceDrill::why() const {
    return isShown() ? Why::forSentence(key(current_)).text : QString();
}

QString SentenceDrill::mainWords() const {
    if (pictures_.empty())
        return QString();
    const Picture& p = pictures_[std::size_t(std::clamp(picture(), 0, int(pictures_.size()) - 1))];
    const QString indent(24, QLatin1Char(' '));
    return QStringLiteral("The main words to use in the sentence are:\r\n\r\n") + indent +
           QString::fromUtf16(p.ig) + QStringLiteral("\r\n") + indent + QString::fromUtf16(p.hat);
}

} // namespace kerbu
