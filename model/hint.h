#pragma once

#include "marks.h"

#include <QObject>
#include <QString>
#include <span>

namespace kerbu {

// What a word of a sentence about a picture is, as the content stores it with the
// sentence: the person or the pronoun, the article, the place with its ending (and the
// question the ending answers), the verb.
enum class WordRole { Person, Pronoun, Article, PlaceInto, PlaceOnto, PlaceIn, PlaceOn, Verb };

// A sentence to check: the two forms that are right, the roles of the words of the form
// with the pronoun (the other form leaves its first word out), the place as a base word
// and the person shown.
struct SentenceKey {
    QString plain{};
    QString withPronoun{};
    std::span<const WordRole> roles{};
    QString place{};
    QString person{};
};

// The optional Hints line: after a wrong answer it names the likeliest mistake, without
// giving the answer away, and marks the learner's letters to look at. It reads the stored
// answer, what the learner typed and the word the answer is built on; it never builds an
// answer by rule, and it says only what is true of this answer.
class Hint {
    Q_GADGET

  public:
    // The mistakes it knows, in the order it looks for them.
    enum class Kind {
        None,          // the answer is right
        CapitalOrStop, // a capital letter or a full stop too many or missing
        WrongCase,     // the ending of another case, the plural or the possessive
        TwoThings,     // two of the rules below in one word
        DroppedVowel,  // the last vowel of három or étterem kept where it drops out
        ShortVowel,    // the base word's final a or e kept short before the ending
        Harmony,       // the ending of the other vowel harmony, or -at for -ot and back
        Accents,       // only the accents differ: long marks or dots missing or too many
        LinkingVowel,  // the object -t with a linking vowel missing, or one too many
        WordOrder,     // a sentence with the right words in another order
        Word,          // a sentence's first wrong word, named by what it is
        Letters        // anything else: how many letters differ, and where
    };
    Q_ENUM(Kind)

    struct Result {
        Kind kind = Kind::None;
        QString text{};
        MarkedText marks{}; // what was typed, with the letters the hint is about marked
    };

    // A word or ending: `typed` against the stored `answer`; `word` is the word the answer
    // is built on (the base word of a drill, the word in front of a gap), empty if none.
    static Result forWord(const QString& typed, const QString& answer, const QString& word);
    // A whole sentence, word by word against the form it is nearer to.
    static Result forSentence(const QString& typed, const SentenceKey& key);
};

} // namespace kerbu
