#include "hint.h"

#include "editcosts.h"
#include "endings.h"
#include "roles.h"
#include "vowels.h"
#include "words.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace kerbu {

using endings::Case;
using vowels::withoutAccents;

namespace {

QString nfc(const QString& text) {
    return text.normalized(QString::NormalizationForm_C);
}

QString withoutStops(QString text) {
    return text.remove(QLatin1Char('.'));
}

// How many letters must change, be added or be dropped to turn one text into the other.
int lettersApart(const QString& a, const QString& b) {
    return editCosts(std::size_t(a.size()), std::size_t(b.size()),
                     [&](std::size_t i, std::size_t j) {
                         return a.at(qsizetype(i)) == b.at(qsizetype(j));
                     })
        .back()
        .back();
}

qsizetype commonStart(const QString& a, const QString& b) {
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a.at(n) == b.at(n))
        ++n;
    return n;
}

QString letterCount(int n) {
    return n == 1 ? QStringLiteral("1 letter") : QStringLiteral("%1 letters").arg(n);
}

// "A" or "A and B".
QString listed(const QStringList& parts) {
    return parts.join(QStringLiteral(" and "));
}

Hint::Result capitalOrStop(const QString& typed, const QString& answer, bool sentence) {
    const QString typedLetters = withoutStops(typed);
    const QString answerLetters = withoutStops(answer);
    if (typedLetters.toLower() != answerLetters.toLower())
        return {};
    if (typedLetters != answerLetters) {
        const qsizetype at = commonStart(typedLetters, answerLetters);
        return {Hint::Kind::CapitalOrStop,
                QStringLiteral("Look at the capital letters: letter %1 should be %2.")
                    .arg(at + 1)
                    .arg(answerLetters.at(at).isUpper() ? QStringLiteral("a capital")
                                                        : QStringLiteral("a small letter"))};
    }
    if (answer.count(QLatin1Char('.')) > typed.count(QLatin1Char('.')))
        return {Hint::Kind::CapitalOrStop,
                sentence ? QStringLiteral("The sentence ends with a full stop.")
                         : QStringLiteral("A full stop is missing.")};
    return {Hint::Kind::CapitalOrStop, QStringLiteral("No full stop belongs here.")};
}

// An ending of another case, number or possessive where the exercise asks one: what the
// learner's ending does and what is asked. The learner's word must be the word asked,
// whatever its accents, or the answer's own stem; before an ending that begins with a vowel
// the word may lose the vowel that drops out (éttermek). A plural or a possessive must keep
// the base word, or the stem its possessive is learned with (ajtaja).
Hint::Result wrongCase(const QString& typed, const QString& answer, const QString& word) {
    const Case asked = endings::caseOf(answer);
    if (asked == Case::None)
        return {};
    QStringList asIs{withoutAccents(word)};
    if (const QString learned = endings::possessiveStem(word); !learned.isEmpty())
        asIs << withoutAccents(learned);
    const QStringList fromAnswer{withoutAccents(endings::stemOf(answer, asked)),
                                 withoutAccents(answer.chopped(1))};
    const QString dropped = withoutAccents(endings::withoutDroppingVowel(word));
    const auto fits = [&](const endings::Reading& r) {
        const QString stem = withoutAccents(r.stem);
        const bool base = asIs.contains(stem) || (!dropped.isEmpty() && stem == dropped &&
                                                  vowels::isVowel(r.form.front()));
        return base || (!r.family->question.isEmpty() && fromAnswer.contains(stem));
    };
    const auto reading = endings::readEnding(typed, fits);
    if (!reading || reading->family->c == asked)
        return {};
    const endings::Family& wanted = endings::family(asked);
    return {Hint::Kind::WrongCase,
            QStringLiteral("%1; here the question is %2, %3.")
                .arg(endings::whatItDoes(*reading->family), wanted.question, wanted.slashed),
            MarkedText::lastMarked(typed, int(MarkedText::lettersOf(reading->form).size()))};
}

// Two rules at once in one word: what happens to the base word before the ending, and
// the ending itself (its harmony, or the linking vowel of the object -t).
Hint::Result twoThings(const QString& typed, const QString& answer, const QString& word) {
    const Case asked = endings::caseOf(answer);
    if (asked == Case::None || word.isEmpty())
        return {};
    const QString stem = endings::stemOf(answer, asked);
    const QString ending = answer.mid(stem.size());
    const auto stemThing = endings::stemChange(word, stem);
    if (!stemThing || stemThing->isEmpty())
        return {};
    for (const QString& form : endings::family(asked).forms) {
        if (!typed.endsWith(form) || typed.chopped(form.size()) != word || form == ending)
            continue;
        QString endingThing;
        if (asked == Case::Object && form.size() != ending.size())
            endingThing = ending.size() > form.size()
                              ? QStringLiteral("the -t needs a linking vowel here")
                              : QStringLiteral("the -t follows the word without a linking vowel");
        else
            endingThing =
                QStringLiteral("%1 takes -%2, not -%3").arg(endings::lastWord(word), ending, form);
        return {Hint::Kind::TwoThings,
                QStringLiteral("Two things: %1, and %2.").arg(*stemThing, endingThing)};
    }
    return {};
}

// három and étterem lose their last vowel before the ending (hármat, éttermet); the
// learner kept it.
Hint::Result droppedVowel(const QString& typed, const QString& answer, const QString& word) {
    const QString dropped = endings::withoutDroppingVowel(word);
    if (dropped.isEmpty() || !answer.startsWith(dropped) || answer.startsWith(word) ||
        !typed.startsWith(word))
        return {};
    return {Hint::Kind::DroppedVowel,
            QStringLiteral("The last %1 of %2 drops out before the ending.")
                .arg(word.at(endings::droppingVowel(word)))
                .arg(endings::lastWord(word))};
}

// The base word ends in a or e, the answer lengthens it to á or é, and the learner kept
// the short vowel in front of the ending.
Hint::Result shortVowel(const QString& typed, const QString& answer, const QString& word) {
    if (word.size() < 2 || typed.size() < word.size() || !typed.startsWith(word))
        return {};
    const QChar last = word.back();
    const QChar longer = endings::lengthened(last);
    if (longer.isNull() || !answer.startsWith(word.chopped(1) + longer))
        return {};
    return {Hint::Kind::ShortVowel, QStringLiteral("The %1 at the end of the word becomes %2 "
                                                   "before the ending.")
                                        .arg(last)
                                        .arg(longer)};
}

// The ending of the other vowel harmony within its family, or -at for -ot and back (the
// endings without a vowel take no part).
Hint::Result harmony(const QString& typed, const QString& answer, const QString& word) {
    for (const endings::Family& family : endings::askedFamilies()) {
        for (const QString& right : family.forms) {
            if (!answer.endsWith(right) || endings::vowelOf(right).isNull())
                continue;
            const QString stem = answer.chopped(right.size());
            for (const QString& wrong : family.forms) {
                if (wrong != right && !endings::vowelOf(wrong).isNull() && typed == stem + wrong) {
                    const QString named = endings::lastWord(word.isEmpty() ? stem : word);
                    return {Hint::Kind::Harmony,
                            endings::whyTheEnding(named, right, wrong) + QLatin1Char('.')};
                }
            }
        }
    }
    return {};
}

// Only the accents differ: which letters need a long mark or the dots, or have one they
// should not have. Where a long vowel of the word itself turns short (hét, hetet), that
// is said instead.
Hint::Result accents(const QString& typed, const QString& answer, const QString& word) {
    if (typed.size() != answer.size() || withoutAccents(typed) != withoutAccents(answer))
        return {};
    // How a letter must change: -1 a mark to take away, +1 one to add.
    struct Change {
        int longMark;
        int dots;
        bool operator==(const Change&) const = default;
    };
    std::vector<Change> changes;
    qsizetype shortened = -1;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed.at(i) == answer.at(i))
            continue;
        const auto was = vowels::shape(typed.at(i));
        const auto is = vowels::shape(answer.at(i));
        if (!was || !is)
            return {};
        const Change c{int(is->longMark) - int(was->longMark), int(is->dots) - int(was->dots)};
        changes.push_back(c);
        if (c == Change{-1, 0} && i < word.size() && word.at(i) == typed.at(i))
            shortened = i;
    }
    if (changes.size() == 1 && shortened >= 0)
        return {Hint::Kind::Accents,
                QStringLiteral("Look at the accents: the long %1 of %2 becomes short before "
                               "the ending.")
                    .arg(typed.at(shortened))
                    .arg(endings::lastWord(word))};
    struct Kind {
        Change change;
        const char* one;
        const char* many;
    };
    static constexpr Kind kinds[] = {
        {{1, 0}, "needs a long mark", "need a long mark"},
        {{0, 1}, "needs the dots", "need the dots"},
        {{1, 1}, "needs the dots and a long mark", "need the dots and a long mark"},
        {{1, -1}, "needs a long mark instead of the dots", "need a long mark instead of the dots"},
        {{-1, 1}, "needs the dots instead of a long mark", "need the dots instead of a long mark"},
        {{-1, 0}, "should have no long mark", "should have no long mark"},
        {{0, -1}, "should have no dots", "should have no dots"},
        {{-1, -1},
         "should have neither dots nor a long mark",
         "should have neither dots nor a long mark"},
    };
    QStringList parts;
    bool twoMarks = false;
    for (const Kind& kind : kinds) {
        const int n = int(std::count(changes.begin(), changes.end(), kind.change));
        if (n == 0)
            continue;
        twoMarks = twoMarks || (kind.change.longMark != 0 && kind.change.dots != 0);
        const QString count = parts.isEmpty() ? letterCount(n) : QString::number(n);
        parts << count + QLatin1Char(' ') + QLatin1String(n == 1 ? kind.one : kind.many);
    }
    // More kinds of change than that would not fit one short line.
    if (parts.size() > 2 || (parts.size() == 2 && twoMarks))
        return {Hint::Kind::Accents, QStringLiteral("Look at the accents: %1 need other marks.")
                                         .arg(letterCount(int(changes.size())))};
    return {Hint::Kind::Accents, QStringLiteral("Look at the accents: %1.").arg(listed(parts))};
}

// The object -t with its linking vowel missing, or with one where it takes none.
Hint::Result linkingVowel(const QString& typed, const QString& answer, const QString&) {
    if (!answer.endsWith(QLatin1Char('t')) || !typed.endsWith(QLatin1Char('t')))
        return {};
    const auto linked = [](const QString& text) {
        return text.size() - endings::stemOf(text, Case::Object).size() == 2;
    };
    if (linked(answer) && typed == endings::stemOf(answer, Case::Object) + QLatin1Char('t'))
        return {Hint::Kind::LinkingVowel,
                QStringLiteral("Here the -t needs a linking vowel in front of it.")};
    if (linked(typed) && endings::stemOf(typed, Case::Object) + QLatin1Char('t') == answer)
        return {Hint::Kind::LinkingVowel,
                QStringLiteral("Here the -t follows the word without a linking vowel.")};
    return {};
}

Hint::Result letters(const QString& typed, const QString& answer) {
    if (typed.isEmpty())
        return {Hint::Kind::Letters, QStringLiteral("Nothing has been typed yet.")};
    const qsizetype right = commonStart(typed, answer);
    // Never the whole answer: a right answer with letters after it only says so.
    if (right == answer.size())
        return {
            Hint::Kind::Letters,
            QStringLiteral("%1 too many at the end.").arg(letterCount(int(typed.size() - right)))};
    const int apart = lettersApart(typed, answer);
    const QString count = apart == 1 ? QStringLiteral("1 letter differs")
                                     : QStringLiteral("%1 letters differ").arg(apart);
    if (right == 0)
        return {Hint::Kind::Letters, count + QStringLiteral(", from the first letter on.")};
    // Only the end of a long right part, so the line stays one short line.
    constexpr qsizetype shown = 20;
    const QString part =
        right > shown ? QStringLiteral("…") + typed.mid(right - shown, shown) : typed.left(right);
    return {Hint::Kind::Letters, count + QStringLiteral("; it is right up to \"%1\".").arg(part)};
}

QString lowerFirst(QString text) {
    if (!text.isEmpty())
        text[0] = text.front().toLower();
    return text;
}

// The hint for the first word of the sentence that is not the right one, named by what
// it is and with what to look at, never the word itself; where a rule of the words
// explains it, that word's marks.
struct WordHint {
    QString text{};
    int word = -1;
    MarkedText marks{};
};

WordHint wrongWord(const QStringList& typed, const QStringList& right,
                   std::span<const WordRole> wordRoles, const SentenceKey& key) {
    // A sentence far from the right one gets no word named.
    if (std::abs(typed.size() - right.size()) > 1)
        return {};
    qsizetype k = 0;
    while (k < typed.size() && k < right.size() && typed.at(k) == right.at(k))
        ++k;
    if (typed.size() == right.size() + 1 && typed.mid(k + 1) == right.mid(k))
        return {QStringLiteral("Word %1 is one too many.").arg(k + 1)};
    if (k >= qsizetype(wordRoles.size()))
        return {};
    const WordRole role = wordRoles[std::size_t(k)];
    if (typed.size() + 1 == right.size() && typed.mid(k) == right.mid(k + 1)) {
        const QString missing = roles::nameOf(role);
        return {
            k == 0
                ? QStringLiteral("The sentence begins with %1, which is missing.").arg(missing)
                : QStringLiteral("After word %1 comes %2, which is missing.").arg(k).arg(missing)};
    }
    const QString typedWord = typed.value(k);
    const bool place = roles::caseOf(role) != Case::None;
    const Hint::Result inWord =
        Hint::forWord(typedWord, right.at(k), place ? key.place : QString());
    const QString person = personNamed(key.person);
    const bool told = inWord.kind != Hint::Kind::Letters && inWord.kind != Hint::Kind::None;
    if (told && (place || inWord.kind == Hint::Kind::Accents))
        return {QStringLiteral("Word %1, %2: %3")
                    .arg(k + 1)
                    .arg(roles::nameOf(role), lowerFirst(inWord.text)),
                int(k), inWord.marks};
    return {roles::lookAt(role, {.number = int(k) + 1, .person = person})};
}

} // namespace

Hint::Result Hint::forWord(const QString& typedText, const QString& answerText,
                           const QString& wordText) {
    const QString typed = nfc(typedText);
    const QString answer = nfc(answerText);
    const QString word = nfc(wordText);
    if (typed == answer)
        return {};
    Result found = capitalOrStop(typed, answer, false);
    for (auto rule :
         {wrongCase, twoThings, droppedVowel, shortVowel, harmony, accents, linkingVowel}) {
        if (found.kind != Kind::None)
            break;
        found = rule(typed, answer, word);
    }
    if (found.kind == Kind::None)
        found = letters(typed, answer);
    // The letters the rule is about, or else the fewest letters that make the difference.
    if (!found.marks.hasMarks())
        found.marks = MarkedText::compared(typed, answer);
    return found;
}

Hint::Result Hint::forSentence(const QString& typedText, const SentenceKey& key) {
    const QString typed = nfc(typedText);
    // The form the learner was nearer to: the one with as many words, else the one with
    // fewer letters to change.
    const auto words = [](const QString& text) { return wordsOf(text).size(); };
    const bool plainNearer =
        words(typed) == words(key.plain) && words(typed) != words(key.withPronoun) ? true
        : words(typed) == words(key.withPronoun) && words(typed) != words(key.plain)
            ? false
            : lettersApart(typed, nfc(key.plain)) <= lettersApart(typed, nfc(key.withPronoun));
    const QString answer = plainNearer ? nfc(key.plain) : nfc(key.withPronoun);
    std::span<const WordRole> wordRoles = key.roles;
    if (plainNearer && key.plain != key.withPronoun && !wordRoles.empty())
        wordRoles = wordRoles.subspan(1);
    if (typed == answer)
        return {};
    Result found = capitalOrStop(typed, answer, true);
    const QStringList typedWords = wordsOf(typed);
    const QStringList rightWords = wordsOf(answer);
    WordHint wordHint;
    if (found.kind == Kind::None && typedWords != rightWords) {
        // The same words in another order, whatever their capitals.
        const auto sorted = [](QStringList words) {
            for (QString& word : words)
                word = word.toLower();
            words.sort();
            return words;
        };
        if (sorted(typedWords) == sorted(rightWords))
            found = {Kind::WordOrder, QStringLiteral("The words are right, but in another order.")};
        else if (wordHint = wrongWord(typedWords, rightWords, wordRoles, key);
                 !wordHint.text.isEmpty())
            found = {Kind::Word, wordHint.text};
    }
    if (found.kind == Kind::None)
        found = accents(typed, answer, QString());
    if (found.kind == Kind::None)
        found = letters(typed, answer);
    // Right words in another order have no wrong letters to mark.
    if (found.kind != Kind::WordOrder)
        found.marks = MarkedText::byWords(typed, answer);
    if (wordHint.word >= 0 && wordHint.marks.hasMarks())
        found.marks.markWord(wordHint.word, wordHint.marks);
    return found;
}

} // namespace kerbu
