#include "why.h"

#include "endings.h"
#include "places.h"
#include "roles.h"
#include "vowels.h"
#include "words.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

namespace kerbu {

using endings::Case;

namespace {

// clang-format off
constexpr LearnedWord learnedWords[] = {
    {.word = u"híd", .answer = u"hídra", .why = "it has the front vowel í only, yet takes the back endings"},
    {.word = u"híd", .answer = u"hidat", .why = "it has the front vowel í only, yet takes -at, and its í turns short"},
    {.word = u"huszonhét", .answer = u"huszonhetet", .why = "the last part, hét, decides the ending, and its é turns short"},
    {.word = u"könyv", .answer = u"könyvet", .why = "it takes -et, not -öt"},
    {.word = u"föld", .answer = u"földet", .why = "it takes -et, not -öt"},
    {.word = u"zöld", .answer = u"zöldet", .why = "it takes -et, not -öt"},
};
// clang-format on

// The letters after which the -t may follow a word at once: j, l, ly, n, ny, r, s, sz, z,
// zs. After any other consonant it takes a linking vowel.
bool mayTakeTAtOnce(const QString& last) {
    static const QStringList letters{"j", "l", "ly", "n", "ny", "r", "s", "sz", "z", "zs"};
    return letters.contains(last);
}

// The consonant a word ends in, a two-letter one (sz, gy) whole.
QString lastConsonant(const QString& stem) {
    static const QStringList pairs{"cs", "dz", "gy", "ly", "ny", "sz", "ty", "zs"};
    const QString two = stem.right(2);
    return pairs.contains(two) ? two : stem.right(1);
}

// Whether the ending's vowel is the one vowel harmony gives the word: back vowels for a
// word whose deciding vowel is back, -ö- after a rounded last vowel where the ending has
// such a form, else -e-. -at and -ot both go with back vowels.
bool harmonyHolds(const QString& word, const QString& ending, Case c) {
    const QChar vowel = endings::vowelOf(ending);
    if (vowel.isNull())
        return true;
    const vowels::Harmony harmony = vowels::harmonyOf(word);
    if (harmony.back)
        return vowels::isBack(vowel);
    const bool threeWays = c == Case::Object || c == Case::On;
    const bool rounded = threeWays && vowels::isRounded(harmony.last);
    return !vowels::isBack(vowel) && vowels::isRounded(vowel) == rounded;
}

} // namespace

std::span<const LearnedWord> Why::learned() {
    return learnedWords;
}

Why Why::forWord(const QString& wordText, const QString& answerText) {
    const QString word = wordText.normalized(QString::NormalizationForm_C);
    const QString answer = answerText.normalized(QString::NormalizationForm_C);
    const QString base = endings::lastWord(word);
    const QString whole = endings::lastWord(answer);
    const Case c = endings::caseOf(answer);
    // Which places take -ra/-re is learned by heart, in groups: that comes first.
    const QString onto = c == Case::Onto ? places::whyOnto(base) : QString();
    for (const LearnedWord& l : learnedWords) {
        if (base.compare(QString::fromUtf16(l.word), Qt::CaseInsensitive) == 0 &&
            whole.compare(QString::fromUtf16(l.answer), Qt::CaseInsensitive) == 0)
            return {true,
                    onto.isEmpty()
                        ? QStringLiteral("%1: learn %2 with its ending: %3.")
                              .arg(whole, base, QString::fromUtf8(l.why))
                        : QStringLiteral("%1: %2; %3.").arg(whole, onto, QString::fromUtf8(l.why))};
    }
    const QString stem = endings::stemOf(answer, c);
    const QString ending = answer.mid(stem.size());
    const auto change = endings::stemChange(word, stem);
    // An ending without a vowel has no harmony to speak of.
    QStringList parts;
    if (!onto.isEmpty())
        parts << onto;
    if (!endings::vowelOf(ending).isNull() || (c != Case::Object && c != Case::On))
        parts << endings::whyTheEnding(base, ending);
    bool explained = c != Case::None && change.has_value() && harmonyHolds(base, ending, c);
    if (change && !change->isEmpty())
        parts << *change;
    // A final a or e always becomes long before an ending.
    if (change && change->isEmpty() && (base.endsWith(QLatin1Char('a')) || base.endsWith('e')))
        explained = false;
    if ((c == Case::Object || c == Case::On) && !stem.isEmpty()) {
        const bool linking = !endings::vowelOf(ending).isNull();
        const QString after = lastConsonant(stem);
        if (vowels::isVowel(stem.back())) {
            explained = explained && !linking;
            parts << QStringLiteral("after a vowel the -%1 follows at once").arg(ending);
        } else if (c == Case::Object && mayTakeTAtOnce(after)) {
            parts << (linking
                          ? QStringLiteral("after %1 this word takes a linking vowel").arg(after)
                          : QStringLiteral("after %1 the -t may follow at once").arg(after));
        } else {
            explained = explained && linking;
            parts << QStringLiteral("after %1 the ending takes a linking vowel").arg(after);
        }
    }
    return {explained, QStringLiteral("%1: %2.").arg(whole, parts.join(QStringLiteral("; ")))};
}

Why Why::forSentence(const SentenceKey& key) {
    const QStringList words = wordsOf(key.withPronoun);
    if (words.size() != qsizetype(key.roles.size()))
        return {};
    const QString person = personNamed(key.person);
    // What the why says of each word, in its order; whether each word holds.
    std::array<QString, 3> parts;
    bool explained = true;
    for (qsizetype k = 0; k < words.size(); ++k) {
        const WordRole role = key.roles[std::size_t(k)];
        const roles::Context context{.number = int(k) + 1,
                                     .word = words.at(k),
                                     .person = person,
                                     .next = words.value(k + 1)};
        explained = explained && roles::holds(role, context);
        if (const Case asked = roles::caseOf(role); asked != Case::None)
            explained = explained && forWord(key.place, context.word).explained &&
                        endings::caseOf(context.word) == asked;
        if (const int part = roles::placeInWhy(role); part >= 0) {
            QString& said = parts[std::size_t(part)];
            said = roles::because(role, context);
            const QString onto =
                roles::caseOf(role) == Case::Onto ? places::whyOnto(key.place) : QString();
            if (!onto.isEmpty())
                said += "; " + onto;
        }
    }
    // A sentence is explained with its verb and its place.
    explained = explained && !parts[0].isEmpty() && !parts[1].isEmpty();
    QStringList said(parts.begin(), parts.end());
    said.removeAll(QString());
    return {explained, said.join(QStringLiteral("; ")) + QLatin1Char('.')};
}

} // namespace kerbu
