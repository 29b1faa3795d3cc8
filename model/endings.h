#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>

// The endings of Hungarian nouns a learner may type, and what the hints and the
// explanations say of them.
namespace kerbu::endings {

// The lesson's five first; then the other cases, the plural and the possessive.
enum class Case {
    None,
    Into,
    Onto,
    In,
    On,
    Object,
    OutOf,    // -ból/-ből
    OffOf,    // -ról/-ről
    At,       // -nál/-nél
    To,       // -hoz/-hez/-höz
    From,     // -tól/-től
    Dative,   // -nak/-nek
    With,     // -val/-vel
    Becoming, // -vá/-vé
    UpTo,     // -ig
    For,      // -ért
    As,       // -ként
    Manner,   // -ul/-ül
    Time,     // -kor
    Along,    // -stul/-stül
    Each,     // -nként
    Plural,   // -k
    PluralObject,
    Possessive,      // -a/-e/-ja/-je
    PossessiveObject // -át/-ét/-ját/-jét
};

// One family of endings: its forms (linking vowels with the ending they go with), how a
// hint names them, and the question they answer, or for a number or a possessive, what
// they make of the word.
struct Family {
    Case c = Case::None;
    QStringList forms{};
    QString slashed{};  // "-ba/-be"
    QString question{}; // "hova? (into where?)"
    QString makes{};    // "the plural"
    // The v of -val/-vel and -vá/-vé becomes the consonant a word ends in: bankkal,
    // autóbusszal; after a vowel it stays, and a final a or e turns long: postával.
    bool assimilates = false;
};

// What a learner typed, read as a word of the lesson with an ending of the table.
struct Reading {
    const Family* family = nullptr;
    QString form{}; // as typed, "kal" of bankkal
    QString stem{}; // as typed, without the ending
};

const Family& family(Case c);
// Every family, the lesson's first, -ban/-ben before -ba/-be.
std::span<const Family> families();
// The families the lesson's answers end in: the first five.
std::span<const Family> askedFamilies();
// What the family says, as a hint names it: "-ból/-ből answer honnan? (out of where?)",
// "-k makes the plural".
QString whatItDoes(const Family& family);
// `typed` as a stem with an ending of the table, where `fits` takes the reading; the longest
// ending that fits. None where no ending does.
std::optional<Reading> readEnding(const QString& typed,
                                  const std::function<bool(const Reading&)>& fits);
// The stem a word's possessive is learned with where no rule makes it (ajtó: ajtaja), else
// empty.
QString possessiveStem(const QString& word);
// The case of a stored answer, or of an ending alone, by how it ends: one of the lesson's.
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
// The word with that vowel gone (hárm, étterm); empty where it has none.
QString withoutDroppingVowel(const QString& word);

// What the base word goes through before the ending, where `stem` is the answer without
// its ending: "the a at the end of szoba becomes á", "the long é of hét turns short",
// "the last e of étterem drops out". Empty where the stem is the word; nothing where no
// rule makes the word into that stem.
std::optional<QString> stemChange(const QString& word, const QString& stem);

} // namespace kerbu::endings
