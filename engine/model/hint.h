#pragma once

#include <QString>

namespace kerbu {

// The optional Hints line: after a wrong answer it names the likeliest mistake, without
// giving the answer away. It reads the stored answer, what the learner typed and the word
// the answer is built on; it never builds an answer by rule, and it says only what is
// true of this answer.
class Hint {
  public:
    // The mistakes it knows, in the order it looks for them.
    enum class Kind {
        None,          // the answer is right
        CapitalOrStop, // a capital letter or a full stop too many or missing
        WrongCase,     // -ba/-be for -ra/-re and back, or either where the object -t is asked
        DroppedVowel,  // the last vowel of három or étterem kept where it drops out
        ShortVowel,    // the base word's final a or e kept short before the ending
        Harmony,       // the ending of the other vowel harmony, or -at for -ot and back
        Accents,       // only the accents differ: long marks or dots missing or too many
        LinkingVowel,  // the object -t with a linking vowel missing, or one too many
        Letters        // anything else: how many letters differ, and where
    };

    struct Result {
        Kind kind = Kind::None;
        QString text{};
    };

    // A word or ending: `typed` against the stored `answer`; `word` is the word the answer
    // is built on (the base word of a drill, the word in front of a gap), empty if none.
    static Result forWord(const QString& typed, const QString& answer, const QString& word);
    // A whole sentence, against the forms that are right (with and without the pronoun);
    // only capitals and full stops, accents and letters are looked at.
    static Result forSentence(const QString& typed, const QString& plain,
                              const QString& withPronoun);
};

} // namespace kerbu
