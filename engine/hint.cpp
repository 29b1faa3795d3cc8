#include "hint.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

namespace kerbu {

namespace {

QString nfc(const QString& text) {
    return text.normalized(QString::NormalizationForm_C);
}

// The text without its accents: á as a, ő as o.
QString withoutAccents(const QString& text) {
    QString bare;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare += c;
    }
    return bare;
}

QString withoutStops(QString text) {
    return text.remove(QLatin1Char('.'));
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

Hint::Result capitalOrStop(const QString& typed, const QString& answer, bool sentence) {
    const QString typedLetters = withoutStops(typed);
    const QString answerLetters = withoutStops(answer);
    if (typedLetters.toLower() != answerLetters.toLower())
        return {};
    if (typedLetters != answerLetters) {
        const qsizetype at = commonStart(typedLetters, answerLetters);
        const bool capital = answerLetters.at(at).isUpper();
        return {
            Hint::Kind::CapitalOrStop,
            capital
                ? QStringLiteral("Look at the capital letters: letter %1 is a capital.").arg(at + 1)
                : QStringLiteral("Look at the capital letters: letter %1 is a small one.")
                      .arg(at + 1)};
    }
    if (answer.count(QLatin1Char('.')) > typed.count(QLatin1Char('.')))
        return {Hint::Kind::CapitalOrStop,
                sentence ? QStringLiteral("The sentence ends with a full stop.")
                         : QStringLiteral("A full stop is missing.")};
    return {Hint::Kind::CapitalOrStop, QStringLiteral("No full stop belongs here.")};
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

// Endings that only vowel harmony tells apart.
const std::array<QStringList, 5> harmonies{
    QStringList{QStringLiteral("ba"), QStringLiteral("be")},
    QStringList{QStringLiteral("ra"), QStringLiteral("re")},
    QStringList{QStringLiteral("ban"), QStringLiteral("ben")},
    QStringList{QStringLiteral("on"), QStringLiteral("en"), QStringLiteral("ön")},
    QStringList{QStringLiteral("ot"), QStringLiteral("at"), QStringLiteral("et"),
                QStringLiteral("öt")}};

bool hasBackVowel(const QString& word) {
    return std::any_of(word.begin(), word.end(),
                       [](QChar c) { return QStringLiteral("aáoóuúAÁOÓUÚ").contains(c); });
}

QString whyTheEnding(const QString& word, const QString& ending) {
    const auto found = std::find_if(ending.begin(), ending.end(), [](QChar c) {
        return QStringLiteral("aáoóuúeéöő").contains(c);
    });
    const QChar vowel = found != ending.end() ? *found : QChar();
    const bool back = QStringLiteral("aáoóuú").contains(vowel);
    const bool rounded = QStringLiteral("öő").contains(vowel);
    if (back)
        return hasBackVowel(word)
                   ? QStringLiteral("%1 takes -%2: it has back vowels.").arg(word, ending)
                   : QStringLiteral("%1 takes -%2, as words with back vowels do.")
                         .arg(word, ending);
    if (rounded)
        return QStringLiteral("%1 takes -%2: its last vowel is a rounded front vowel.")
            .arg(word, ending);
    return hasBackVowel(word)
               ? QStringLiteral("%1 takes -%2.").arg(word, ending)
               : QStringLiteral("%1 takes -%2: it has front vowels only.").arg(word, ending);
}

Hint::Result harmony(const QString& typed, const QString& answer, const QString& word) {
    for (const QStringList& family : harmonies) {
        for (const QString& right : family) {
            if (!answer.endsWith(right))
                continue;
            const QString stem = answer.chopped(right.size());
            for (const QString& wrong : family) {
                if (wrong != right && typed == stem + wrong) {
                    const QString named = word.isEmpty() ? stem : word;
                    return {Hint::Kind::Harmony, whyTheEnding(named, right)};
                }
            }
        }
    }
    return {};
}

Hint::Result linkingVowel(const QString& typed, const QString& answer) {
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
    const int apart = lettersApart(typed, answer);
    const QString count = apart == 1 ? QStringLiteral("1 letter differs")
                                     : QStringLiteral("%1 letters differ").arg(apart);
    const qsizetype right = commonStart(typed, answer);
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
    const Result kept = shortVowel(typed, answer, word);
    // Where the kept short vowel is all that is wrong, saying so is the better hint.
    if (kept.kind == Kind::None && withoutAccents(typed) == withoutAccents(answer))
        return {Kind::Accents,
                QStringLiteral("Look at the accents: one letter needs a long vowel or the dots")};
    if (kept.kind != Kind::None)
        return kept;
    if (Result r = harmony(typed, answer, word); r.kind != Kind::None)
        return r;
    if (Result r = linkingVowel(typed, answer); r.kind != Kind::None)
        return r;
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
    if (withoutAccents(typed) == withoutAccents(answer))
        return {Kind::Accents,
                QStringLiteral("Look at the accents: one letter needs a long vowel or the dots")};
    return letters(typed, answer);
}

} // namespace kerbu
