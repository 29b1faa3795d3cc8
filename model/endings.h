#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

// The case endings of the lesson and what the hints and the explanations say of them.
namespace kerbu::endings {

enum class Case { None, Into, Onto, In, On, Object };

// One family of endings: its forms (longest first), how a hint names them, and the
// question they answer.
struct Family {
    Case c = Case::None;
    QStringList forms{};
    QString orList{};   // "-ba or -be"
    QString slashed{};  // "-ba/-be"
    QString question{}; // "hova? (into where?)"
};

const Family& family(Case c);
// Every family, -ban/-ben before -ba/-be.
std::span<const Family> families();
// The case of a stored answer, or of an ending alone, by how it ends.
Case caseOf(const QString& answer);
// The stored answer without its ending: -ba, -ban, -on or the object -t with its linking
// vowel.
QString stemOf(const QString& answer, Case c);
// The last word of a base word: "a Gellérthegy" is about Gellérthegy.
QString lastWord(const QString& word);
// The ending's vowel, if it has one.
QChar vowelOf(const QString& ending);

// Why `word` takes the ending `right`, where `wrong` is the other ending (empty: none),
// from its last vowels; one clause, without a full stop.
QString whyTheEnding(const QString& word, const QString& right, const QString& wrong = {});

// The long vowel a final a or e of a word becomes before an ending (á, é); none for any
// other last letter.
QChar lengthened(QChar last);
// Where the last vowel of a word stands if it drops out before an ending (három, étterem):
// a vowel with consonants after it, not the first letter; -1 if none.
qsizetype droppingVowel(const QString& word);

// What the base word goes through before the ending, where `stem` is the answer without
// its ending: "the a at the end of szoba becomes á", "the long é of hét turns short",
// "the last e of étterem drops out". Empty where the stem is the word; nothing where no
// rule makes the word into that stem.
std::optional<QString> stemChange(const QString& word, const QString& stem);

} // namespace kerbu::endings
