#include "endings.h"

#include "vowels.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kerbu::endings {

using namespace Qt::StringLiterals;

namespace {

// Made when a hint or a why first asks, not as the program starts.
const std::array<Family, 24>& allFamilies() {
    // clang-format off
    static const std::array<Family, 24> table{{
        {.c = Case::In, .forms = {"ban", "ben"}, .slashed = "-ban/-ben", .question = "hol? (in where?)"},
        {.c = Case::Into, .forms = {"ba", "be"}, .slashed = "-ba/-be", .question = "hova? (into where?)"},
        {.c = Case::Onto, .forms = {"ra", "re"}, .slashed = "-ra/-re", .question = "hova? (onto where?)"},
        {.c = Case::Object, .forms = {"at", "ot", "et", "öt", "t"}, .slashed = "-t", .question = "mit? (what?)"},
        {.c = Case::On, .forms = {"on", "en", "ön", "n"}, .slashed = "-n/-on/-en/-ön", .question = "hol? (on where?)"},
        {.c = Case::OutOf, .forms = {"ból", "ből"}, .slashed = "-ból/-ből", .question = "honnan? (out of where?)"},
        {.c = Case::OffOf, .forms = {"ról", "ről"}, .slashed = "-ról/-ről", .question = "honnan? (off where?)"},
        {.c = Case::At, .forms = {"nál", "nél"}, .slashed = "-nál/-nél", .question = "hol? (at where? by it, not in it)"},
        {.c = Case::To, .forms = {"hoz", "hez", "höz"}, .slashed = "-hoz/-hez/-höz", .question = "hova? (to where? up to it, not into it)"},
        {.c = Case::From, .forms = {"tól", "től"}, .slashed = "-tól/-től", .question = "honnan? (from where? from beside it)"},
        {.c = Case::Dative, .forms = {"nak", "nek"}, .slashed = "-nak/-nek", .question = "kinek? (to or for whom?)"},
        {.c = Case::With, .forms = {"val", "vel"}, .slashed = "-val/-vel", .question = "mivel? (with what?)", .assimilates = true},
        {.c = Case::Becoming, .forms = {"vá", "vé"}, .slashed = "-vá/-vé", .question = "mivé? (into what? becoming it)", .assimilates = true},
        {.c = Case::UpTo, .forms = {"ig"}, .slashed = "-ig", .question = "meddig? (as far as where?)"},
        {.c = Case::For, .forms = {"ért"}, .slashed = "-ért", .question = "miért? (for what?)"},
        {.c = Case::As, .forms = {"ként"}, .slashed = "-ként", .question = "miként? (as what?)"},
        {.c = Case::Manner, .forms = {"ul", "ül"}, .slashed = "-ul/-ül", .question = "hogyan? (in what way?)"},
        {.c = Case::Time, .forms = {"kor"}, .slashed = "-kor", .question = "mikor? (at what time?)"},
        {.c = Case::Along, .forms = {"astul", "ostul", "estül", "östül", "stul", "stül"}, .slashed = "-stul/-stül", .question = "mivel együtt? (together with what?)"},
        {.c = Case::Each, .forms = {"anként", "onként", "enként", "önként", "nként"}, .slashed = "-nként", .question = "hogyan? (each, one by one)"},
        {.c = Case::Plural, .forms = {"ak", "ok", "ek", "ök", "k"}, .slashed = "-k", .makes = "makes the plural"},
        {.c = Case::PluralObject, .forms = {"akat", "okat", "eket", "öket", "kat", "ket"}, .slashed = "-kat/-ket", .makes = "make the plural object"},
        {.c = Case::Possessive, .forms = {"ja", "je", "a", "e"}, .slashed = "-a/-e/-ja/-je", .makes = "mean his, her or its"},
        {.c = Case::PossessiveObject, .forms = {"ját", "jét", "át", "ét"}, .slashed = "-át/-ét/-ját/-jét", .makes = "mean his, her or its, as the object"},
    }};
    // clang-format on
    return table;
}

// Words of the lesson whose possessive stands on a stem of its own.
struct LearnedStem {
    const char16_t* word;
    const char16_t* stem;
};
constexpr LearnedStem possessiveStems[] = {{.word = u"ajtó", .stem = u"ajta"}};

} // namespace

QString possessiveStem(const QString& word) {
    for (const LearnedStem& learned : possessiveStems) {
        if (word == QString::fromUtf16(learned.word))
            return QString::fromUtf16(learned.stem);
    }
    return {};
}

std::span<const Family> families() {
    return allFamilies();
}

std::span<const Family> askedFamilies() {
    return families().first(5);
}

QString whatItDoes(const Family& f) {
    if (f.question.isEmpty())
        return f.slashed + QLatin1Char(' ') + f.makes;
    const bool one = !f.slashed.contains(QLatin1Char('/'));
    return QStringLiteral("%1 %2 %3").arg(f.slashed, one ? u"answers"_s : u"answer"_s, f.question);
}

std::optional<Reading> readEnding(const QString& typed,
                                  const std::function<bool(const Reading&)>& fits) {
    std::optional<Reading> best;
    // The ending as the last `letters` of what was typed, before it `stem`.
    const auto consider = [&](const Family& f, qsizetype letters, const QString& stem) {
        const Reading reading{&f, typed.right(letters), stem};
        if ((!best || letters > best->form.size()) && fits(reading))
            best = reading;
    };
    for (const Family& f : allFamilies()) {
        for (const QString& form : f.forms) {
            if (typed.endsWith(form))
                consider(f, form.size(), typed.chopped(form.size()));
            if (!f.assimilates || !typed.endsWith(form.mid(1)))
                continue;
            // The v become the consonant before it: bank-kal; a two-letter one doubles its
            // first letter, autóbus-szal; a double one stays as it is, tol-lal, or is
            // written apart, toll-lal.
            const QString rest = typed.chopped(form.size() - 1);
            if (rest.size() < 2 || vowels::isVowel(rest.back()))
                continue;
            if (rest.at(rest.size() - 2) == rest.back()) {
                consider(f, form.size(), rest.chopped(1));
                consider(f, form.size() - 1, rest);
            }
            if (rest.size() >= 3 && rest.at(rest.size() - 2) == QLatin1Char('-') &&
                rest.at(rest.size() - 3) == rest.back())
                consider(f, form.size() + 1, rest.chopped(2));
            if (rest.size() >= 3 && rest.at(rest.size() - 3) == rest.at(rest.size() - 2))
                consider(f, form.size() + 1, rest.chopped(2) + rest.back());
        }
    }
    return best;
}

const Family& family(Case c) {
    static const Family none{};
    const auto found = std::find_if(allFamilies().begin(), allFamilies().end(),
                                    [c](const Family& f) { return f.c == c; });
    return found != allFamilies().end() ? *found : none;
}

Case caseOf(const QString& answer) {
    for (const Family& f : askedFamilies()) {
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
    default: // no ending of the lesson's answers
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

QString withoutDroppingVowel(const QString& word) {
    const qsizetype vowel = droppingVowel(word);
    return vowel > 0 ? word.left(vowel) + word.mid(vowel + 1) : QString();
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
    if (const QString dropped = withoutDroppingVowel(word);
        !dropped.isEmpty() && changed == dropped)
        return QStringLiteral("the last %1 of %2 drops out")
            .arg(word.at(droppingVowel(word)))
            .arg(word);
    return std::nullopt;
}

} // namespace kerbu::endings
