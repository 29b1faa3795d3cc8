#include "hint.h"

#include "vowels.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

namespace kerbu {

using vowels::withoutAccents;

namespace {

QString nfc(const QString& text) {
    return text.normalized(QString::NormalizationForm_C);
}

QString withoutStops(QString text) {
    return text.remove(QLatin1Char('.'));
}

// The last word of a base word: "a Gellérthegy" is about Gellérthegy, "Három zsemle"
// about zsemle.
QString lastWord(const QString& word) {
    return word.section(QLatin1Char(' '), -1);
}

// How many letters must change, be added or be dropped to turn one text into the other.
int lettersApart(const QString& a, const QString& b) {
    std::vector<int> row(std::size_t(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[std::size_t(j)];
            const int change = diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1);
            row[std::size_t(j)] = std::min({change, above + 1, row[std::size_t(j - 1)] + 1});
            diagonal = above;
        }
    }
    return row.back();
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

// The case endings of the lesson, and what each answers.
enum class Case { None, Into, Onto, Object };

Case caseOfEnding(const QString& text) {
    if (text.endsWith(QLatin1String("ba")) || text.endsWith(QLatin1String("be")))
        return Case::Into;
    if (text.endsWith(QLatin1String("ra")) || text.endsWith(QLatin1String("re")))
        return Case::Onto;
    if (text.endsWith(QLatin1Char('t')))
        return Case::Object;
    return Case::None;
}

// The answer without its case ending: -ba, -ra, or the object -t with its linking vowel.
QString stemOf(const QString& answer, Case c) {
    if (c != Case::Object)
        return answer.chopped(2);
    const QString stem = answer.chopped(1);
    return !stem.isEmpty() && QStringLiteral("aeoö").contains(stem.back()) ? stem.chopped(1) : stem;
}

// -ba/-be typed where the exercise asks for -ra/-re and back, or either of them where it
// asks for the object -t.
Hint::Result wrongCase(const QString& typed, const QString& answer, const QString& word) {
    const Case asked = caseOfEnding(answer);
    const Case used = caseOfEnding(typed);
    if (asked == Case::None || used == Case::None || used == Case::Object || used == asked)
        return {};
    const QString typedStem = withoutAccents(typed.chopped(2));
    const bool sameWord = typedStem == withoutAccents(stemOf(answer, asked)) ||
                          typedStem == withoutAccents(answer.chopped(1)) ||
                          typedStem == withoutAccents(word);
    if (!sameWord)
        return {};
    switch (asked) {
    case Case::Into:
        return {Hint::Kind::WrongCase, QStringLiteral("This exercise asks for -ba or -be, which "
                                                      "answer hova? (into where?).")};
    case Case::Onto:
        return {Hint::Kind::WrongCase, QStringLiteral("This exercise asks for -ra or -re, which "
                                                      "answer hova? (onto where?).")};
    default:
        return {Hint::Kind::WrongCase,
                QStringLiteral("This exercise asks for the object ending -t, which answers "
                               "mit? (what?).")};
    }
}

// három and étterem lose their last vowel before the ending (hármat, éttermet); the
// learner kept it.
Hint::Result droppedVowel(const QString& typed, const QString& answer, const QString& word) {
    qsizetype last = word.size() - 1;
    while (last > 0 && !vowels::isVowel(word.at(last)))
        --last;
    if (last <= 0 || last == word.size() - 1)
        return {};
    const QString dropped = word.left(last) + word.mid(last + 1);
    if (!answer.startsWith(dropped) || answer.startsWith(word) || !typed.startsWith(word))
        return {};
    return {Hint::Kind::DroppedVowel,
            QStringLiteral("The last %1 of %2 drops out before the ending.")
                .arg(word.at(last))
                .arg(lastWord(word))};
}

// The base word ends in a or e, the answer lengthens it to á or é, and the learner kept
// the short vowel in front of the ending.
Hint::Result shortVowel(const QString& typed, const QString& answer, const QString& word) {
    if (word.size() < 2 || typed.size() < word.size() || !typed.startsWith(word))
        return {};
    const QChar last = word.back();
    const QChar longer = last == QLatin1Char('a')   ? QChar(u'á')
                         : last == QLatin1Char('e') ? QChar(u'é')
                                                    : QChar();
    if (longer.isNull() || !answer.startsWith(word.chopped(1) + longer))
        return {};
    return {Hint::Kind::ShortVowel, QStringLiteral("The %1 at the end of the word becomes %2 "
                                                   "before the ending.")
                                        .arg(last)
                                        .arg(longer)};
}

// Endings that only vowel harmony tells apart, and -at and -ot, which it does not.
const std::array<QStringList, 5> harmonies{
    QStringList{QStringLiteral("ba"), QStringLiteral("be")},
    QStringList{QStringLiteral("ra"), QStringLiteral("re")},
    QStringList{QStringLiteral("ban"), QStringLiteral("ben")},
    QStringList{QStringLiteral("on"), QStringLiteral("en"), QStringLiteral("ön")},
    QStringList{QStringLiteral("ot"), QStringLiteral("at"), QStringLiteral("et"),
                QStringLiteral("öt")}};

QChar vowelOf(const QString& ending) {
    const auto found = std::find_if(ending.begin(), ending.end(), vowels::isVowel);
    return found != ending.end() ? *found : QChar();
}

// Why `word` takes `right`: from its last vowels, as the ending follows them (and the
// last part of a compound word).
QString whyTheEnding(const QString& word, const QString& right, const QString& wrong) {
    const QString takes = QStringLiteral("%1 takes -%2").arg(word, right);
    const QStringList backPair{QStringLiteral("at"), QStringLiteral("ot")};
    if (backPair.contains(right) && backPair.contains(wrong))
        return QStringLiteral("Both -at and -ot go with back vowels: %1.").arg(takes);
    std::vector<QChar> found;
    std::copy_if(word.begin(), word.end(), std::back_inserter(found), vowels::isVowel);
    if (found.empty())
        return takes + QLatin1Char('.');
    const QChar last = found.back().toLower();
    const QChar ending = vowelOf(right);
    if (vowels::isBack(ending)) {
        if (vowels::isBack(last))
            return QStringLiteral("%1: its last vowel, %2, is a back vowel.").arg(takes).arg(last);
        const auto before = std::find_if(found.rbegin(), found.rend(),
                                         [](QChar c) { return !vowels::isNeutral(c); });
        if (vowels::isNeutral(last) && before != found.rend() && vowels::isBack(*before))
            return QStringLiteral("%1: its %2 does not decide, and the %3 before it is a back "
                                  "vowel.")
                .arg(takes)
                .arg(last)
                .arg(before->toLower());
        if (std::none_of(found.begin(), found.end(), vowels::isBack))
            return QStringLiteral("%1, although it has front vowels only: learn the word with "
                                  "its ending.")
                .arg(takes);
        return takes + QLatin1Char('.');
    }
    if (vowels::isRounded(ending))
        return vowels::isRounded(last)
                   ? QStringLiteral("%1: its last vowel, %2, is a rounded front vowel.")
                         .arg(takes)
                         .arg(last)
                   : takes + QLatin1Char('.');
    if (vowels::isBack(last))
        return takes + QLatin1Char('.');
    if (std::any_of(found.begin(), found.end(), vowels::isBack))
        return QStringLiteral("%1: the last part of this compound word has front vowels only.")
            .arg(takes);
    if (vowels::isRounded(last) && vowels::isRounded(vowelOf(wrong)))
        return QStringLiteral("%1, not -%2, although its last vowel is %3.")
            .arg(takes, wrong)
            .arg(last);
    return QStringLiteral("%1: it has front vowels only.").arg(takes);
}

Hint::Result harmony(const QString& typed, const QString& answer, const QString& word) {
    for (const QStringList& family : harmonies) {
        for (const QString& right : family) {
            if (!answer.endsWith(right))
                continue;
            const QString stem = answer.chopped(right.size());
            for (const QString& wrong : family) {
                if (wrong != right && typed == stem + wrong) {
                    const QString named = lastWord(word.isEmpty() ? stem : word);
                    return {Hint::Kind::Harmony, whyTheEnding(named, right, wrong)};
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
                    .arg(lastWord(word))};
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

Hint::Result linkingVowel(const QString& typed, const QString& answer, const QString&) {
    if (!answer.endsWith(QLatin1Char('t')) || !typed.endsWith(QLatin1Char('t')))
        return {};
    static const QString linking = QStringLiteral("oaeö");
    if (answer.size() >= 2 && linking.contains(answer.at(answer.size() - 2)) &&
        typed == answer.chopped(2) + QLatin1Char('t'))
        return {Hint::Kind::LinkingVowel,
                QStringLiteral("Here the -t needs a linking vowel in front of it.")};
    if (typed.size() >= 2 && linking.contains(typed.at(typed.size() - 2)) &&
        typed.chopped(2) + QLatin1Char('t') == answer)
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

} // namespace

Hint::Result Hint::forWord(const QString& typedText, const QString& answerText,
                           const QString& wordText) {
    const QString typed = nfc(typedText);
    const QString answer = nfc(answerText);
    const QString word = nfc(wordText);
    if (typed == answer)
        return {};
    if (Result r = capitalOrStop(typed, answer, false); r.kind != Kind::None)
        return r;
    for (auto rule : {wrongCase, droppedVowel, shortVowel, harmony, accents, linkingVowel}) {
        if (Result r = rule(typed, answer, word); r.kind != Kind::None)
            return r;
    }
    return letters(typed, answer);
}

Hint::Result Hint::forSentence(const QString& typedText, const QString& plain,
                               const QString& withPronoun) {
    const QString typed = nfc(typedText);
    // The form the learner was nearer to.
    const QString answer = lettersApart(typed, nfc(plain)) <= lettersApart(typed, nfc(withPronoun))
                               ? nfc(plain)
                               : nfc(withPronoun);
    if (typed == answer)
        return {};
    if (Result r = capitalOrStop(typed, answer, true); r.kind != Kind::None)
        return r;
    if (Result r = accents(typed, answer, QString()); r.kind != Kind::None)
        return r;
    return letters(typed, answer);
}

} // namespace kerbu
