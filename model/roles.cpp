#include "roles.h"

#include "vowels.h"

#include <algorithm>

namespace kerbu::roles {

using endings::Case;

namespace {

// What the stored word must be.
enum class Must { Nothing, BeThePerson, FitTheNextWord };

// The texts name what they are about in braces: {n} the word's number, {word}, {person},
// {question} the question of a place's ending, {article} the article the next word takes
// and {sound} what that word begins with.
struct Role {
    WordRole role;
    const char* name;
    const char* lookAt;
    Case c = Case::None;
    const char* because = "";
    int placeInWhy = -1; // the verb first, then the place, then the article
    Must must = Must::Nothing;
};

constexpr const char* lookAtPlace = "Look at word {n}, the place: its ending answers {question}.";
constexpr const char* placeAnswers = "{word} answers {question}";

// clang-format off
constexpr Role rows[] = {
    {.role = WordRole::Person, .name = "the person", .lookAt = "Look at word {n}: the sentence is about the person shown, {person}.", .must = Must::BeThePerson},
    {.role = WordRole::Pronoun, .name = "the pronoun", .lookAt = "Look at word {n}: the pronoun goes with the person shown, {person}, or is left out.", .must = Must::BeThePerson},
    {.role = WordRole::Article, .name = "the article", .lookAt = "Look at word {n}, the article: az goes before a vowel, a before a consonant.", .because = "{article} comes before a {sound}", .placeInWhy = 2, .must = Must::FitTheNextWord},
    {.role = WordRole::PlaceInto, .name = "the place", .lookAt = lookAtPlace, .c = Case::Into, .because = placeAnswers, .placeInWhy = 1},
    {.role = WordRole::PlaceOnto, .name = "the place", .lookAt = lookAtPlace, .c = Case::Onto, .because = placeAnswers, .placeInWhy = 1},
    {.role = WordRole::PlaceIn, .name = "the place", .lookAt = lookAtPlace, .c = Case::In, .because = placeAnswers, .placeInWhy = 1},
    {.role = WordRole::PlaceOn, .name = "the place", .lookAt = lookAtPlace, .c = Case::On, .because = placeAnswers, .placeInWhy = 1},
    {.role = WordRole::Verb, .name = "the verb", .lookAt = "Look at word {n}, the verb: it goes with {person}.", .because = "{word} goes with {person}", .placeInWhy = 0},
};
// clang-format on

const Role& rowOf(WordRole role) {
    return *std::find_if(std::begin(rows), std::end(rows),
                         [role](const Role& r) { return r.role == role; });
}

bool vowelFirst(const QString& word) {
    return !word.isEmpty() && vowels::isVowel(word.front());
}

// The article a word takes: az before a vowel, a before a consonant.
QString articleBefore(const QString& word) {
    return vowelFirst(word) ? QStringLiteral("az") : QStringLiteral("a");
}

QString filled(const char* text, WordRole role, const Context& context) {
    const bool vowel = vowelFirst(context.next);
    return QString::fromUtf8(text)
        .replace(QLatin1String("{n}"), QString::number(context.number))
        .replace(QLatin1String("{question}"), endings::family(rowOf(role).c).question)
        .replace(QLatin1String("{article}"), articleBefore(context.next))
        .replace(QLatin1String("{sound}"),
                 vowel ? QStringLiteral("vowel") : QStringLiteral("consonant"))
        .replace(QLatin1String("{person}"), context.person)
        .replace(QLatin1String("{word}"), context.word);
}

} // namespace

Case caseOf(WordRole role) {
    return rowOf(role).c;
}

QString nameOf(WordRole role) {
    return QString::fromLatin1(rowOf(role).name);
}

QString lookAt(WordRole role, const Context& context) {
    return filled(rowOf(role).lookAt, role, context);
}

QString because(WordRole role, const Context& context) {
    return filled(rowOf(role).because, role, context);
}

int placeInWhy(WordRole role) {
    return rowOf(role).placeInWhy;
}

bool holds(WordRole role, const Context& context) {
    switch (rowOf(role).must) {
    case Must::BeThePerson:
        return context.word.compare(context.person, Qt::CaseInsensitive) == 0;
    case Must::FitTheNextWord:
        return context.word.toLower() == articleBefore(context.next);
    case Must::Nothing:
        break;
    }
    return true;
}

} // namespace kerbu::roles
