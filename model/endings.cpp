#include "endings.h"

#include "vowels.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kerbu::endings {

using namespace Qt::StringLiterals;

namespace {

const std::array<Family, 5> allFamilies{{
    {Case::In, {"ban", "ben"}, "-ban or -ben", "-ban/-ben", "hol? (in where?)"},
    {Case::Into, {"ba", "be"}, "-ba or -be", "-ba/-be", "hova? (into where?)"},
    {Case::Onto, {"ra", "re"}, "-ra or -re", "-ra/-re", "hova? (onto where?)"},
    {Case::Object, {"at", "ot", "et", "öt", "t"}, "the object ending -t", "-t", "mit? (what?)"},
    {Case::On,
     {"on", "en", "ön", "n"},
     "-n, -on, -en or -ön",
     "-n/-on/-en/-ön",
     "hol? (on where?)"},
}};

} // namespace

std::span<const Family> families() {
    return allFamilies;
}

const Family& family(Case c) {
    static const Family none{};
    const auto found = std::find_if(allFamilies.begin(), allFamilies.end(),
                                    [c](const Family& f) { return f.c == c; });
    return found != allFamilies.end() ? *found : none;
}

Case caseOf(const QString& answer) {
    for (const Family& f : allFamilies) {
        if (std::any_of(f.forms.begin(), f.forms.end(),
                        [&](const QString& form) { return answer.endsWith(form); }))
            return f.c;
    }
    return Case::None;
}

QString stemOf(const QString& answer, Case c) {
    switch (c) {
    case Case::In:
        return answer.chopped(std::min<qsizetype>(3, answer.size()));
    case Case::Into:
    case Case::Onto:
        return answer.chopped(std::min<qsizetype>(2, answer.size()));
    case Case::Object:
    case Case::On: {
        // The linking vowel goes with the ending: -ot, -et; -on, -en. The family's forms
        // of two letters say which vowels link.
        const QString stem = answer.chopped(std::min<qsizetype>(1, answer.size()));
        const QStringList& forms = family(c).forms;
        const bool linked =
            !stem.isEmpty() && std::any_of(forms.begin(), forms.end(), [&](const QString& f) {
                return f.size() == 2 && f.front() == stem.back();
            });
        return linked ? stem.chopped(1) : stem;
    }
    case Case::None:
        break;
    }
    return answer;
}

QString lastWord(const QString& word) {
    return word.section(QLatin1Char(' '), -1);
}

QChar vowelOf(const QString& ending) {
    const auto found = std::find_if(ending.begin(), ending.end(), vowels::isVowel);
    return found != ending.end() ? *found : QChar();
}

QString whyTheEnding(const QString& word, const QString& right, const QString& wrong) {
    const QString takes = QStringLiteral("%1 takes -%2").arg(word, right);
    const QStringList backPair{QStringLiteral("at"), QStringLiteral("ot")};
    if (backPair.contains(right) && backPair.contains(wrong))
        return QStringLiteral("Both -at and -ot go with back vowels: %1").arg(takes);
    const vowels::Harmony harmony = vowels::harmonyOf(word);
    const std::vector<QChar>& found = harmony.found;
    const QChar ending = vowelOf(right);
    if (found.empty() || ending.isNull())
        return takes;
    const QChar last = harmony.last;
    if (vowels::isBack(ending)) {
        if (vowels::isBack(last))
            return QStringLiteral("%1: its last vowel, %2, is a back vowel").arg(takes).arg(last);
        if (harmony.back)
            return QStringLiteral("%1: its %2 does not decide, and the %3 before it is a back "
                                  "vowel")
                .arg(takes)
                .arg(last)
                .arg(harmony.deciding);
        if (std::none_of(found.begin(), found.end(), vowels::isBack))
            return QStringLiteral("%1, although it has front vowels only: learn the word with "
                                  "its ending")
                .arg(takes);
        return takes;
    }
    if (vowels::isRounded(ending))
        return vowels::isRounded(last)
                   ? QStringLiteral("%1: its last vowel, %2, is a rounded front vowel")
                         .arg(takes)
                         .arg(last)
                   : takes;
    if (vowels::isBack(last))
        return takes;
    if (std::any_of(found.begin(), found.end(), vowels::isBack))
        return QStringLiteral("%1: the last part of this compound word has front vowels only")
            .arg(takes);
    // -et and -en have a rounded form, -öt and -ön, that a rounded last vowel would take.
    const QString rounded = !wrong.isEmpty()   ? wrong
                            : right == u"et"_s ? QStringLiteral("öt")
                            : right == u"en"_s ? QStringLiteral("ön")
                                               : QString();
    if (vowels::isRounded(last) && vowels::isRounded(vowelOf(rounded)))
        return QStringLiteral("%1, not -%2, although its last vowel is %3")
            .arg(takes, rounded)
            .arg(last);
    return QStringLiteral("%1: it has front vowels only").arg(takes);
}

QChar lengthened(QChar last) {
    return last == QLatin1Char('a')   ? QChar(u'á')
           : last == QLatin1Char('e') ? QChar(u'é')
                                      : QChar();
}

qsizetype droppingVowel(const QString& word) {
    qsizetype last = word.size() - 1;
    while (last > 0 && !vowels::isVowel(word.at(last)))
        --last;
    return last > 0 && last < word.size() - 1 ? last : -1;
}

std::optional<QString> stemChange(const QString& wordText, const QString& stem) {
    if (stem == wordText)
        return QString();
    const QString word = lastWord(wordText);
    const QString front = wordText.chopped(word.size());
    if (!stem.startsWith(front) || word.isEmpty())
        return std::nullopt;
    const QString changed = stem.mid(front.size());
    const QChar last = word.back();
    const QChar longer = lengthened(last);
    if (!longer.isNull() && changed == word.chopped(1) + longer)
        return QStringLiteral("the %1 at the end of %2 becomes %3").arg(last).arg(word).arg(longer);
    if (changed.size() == word.size() &&
        vowels::withoutAccents(changed) == vowels::withoutAccents(word)) {
        qsizetype at = 0;
        while (changed.at(at) == word.at(at))
            ++at;
        const auto was = vowels::shape(word.at(at));
        const auto is = vowels::shape(changed.at(at));
        if (was && is && was->longMark && !is->longMark && was->dots == is->dots &&
            changed.mid(at + 1) == word.mid(at + 1))
            return QStringLiteral("the long %1 of %2 turns short").arg(word.at(at)).arg(word);
        return std::nullopt;
    }
    const qsizetype lastVowel = droppingVowel(word);
    if (lastVowel > 0 && changed == word.left(lastVowel) + word.mid(lastVowel + 1))
        return QStringLiteral("the last %1 of %2 drops out").arg(word.at(lastVowel)).arg(word);
    return std::nullopt;
}

} // namespace kerbu::endings
