#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <vector>

namespace kerbu {

// What the learner typed, cut into the letters they see (a letter with its accents is
// one letter however it was typed), with the letters to look at marked and the places
// where letters are missing. The right letters are never in it.
class MarkedText {
  public:
    struct Letter {
        QString text{};
        bool wrong = false;
        int missingBefore = 0; // letters missing in front of this one
        int missingAfter = 0;  // letters missing after it, at the end of its word
        int word = -1;         // which word of a sentence it belongs to, from 0; -1 a blank
    };

    // Only so many letters of a pasted essay are looked at and shown; the rest is cut.
    static constexpr int kept = 60;

    // The letters of `typed` against the letters of `answer`: the fewest changes that
    // turn one into the other, marked in `typed`.
    static MarkedText compared(const QString& typed, const QString& answer);
    // The last `count` letters of `typed` marked, as a rule names them (an ending).
    static MarkedText lastMarked(const QString& typed, int count);
    // Word by word: the words of `typed` against the words of `answer` (one blank between
    // words), each pair of words compared letter by letter, a word too many marked whole.
    static MarkedText byWords(const QString& typed, const QString& answer);
    // The letters a reader sees.
    static QStringList lettersOf(const QString& text);

    const std::vector<Letter>& letters() const { return letters_; }
    bool isCut() const { return cut_; }
    bool hasMarks() const;
    // The letters of one word of a sentence marked as `marks` marks that word alone.
    void markWord(int word, const MarkedText& marks);
    // The marks in words, for a screen reader: "letters 9 and 10", "word 3: letter 2".
    QString spoken() const;

  private:
    static MarkedText unmarked(const QString& typed);
    // Marks the letters first..first+count-1 against `answer`.
    void compare(int first, int count, const QStringList& answer);

    std::vector<Letter> letters_;
    bool cut_ = false;
    bool byWords_ = false;
};

} // namespace kerbu

Q_DECLARE_METATYPE(kerbu::MarkedText)
