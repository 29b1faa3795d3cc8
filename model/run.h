#pragma once

#include "hint.h"

#include <QString>
#include <optional>
#include <vector>

namespace kerbu {

class Random;

// Where a run of an exercise stands.
enum class Phase {
    NotStarted,  // loaded, or sent back by Plus: Start begins a run
    Waiting,     // a run is on: the window waits for the learner's answer
    Accomplished // every item of the run answered right: Restart begins the next
};

// What an answer, or a Start, did to the run.
enum class Outcome {
    Wrong,       // not the expected answer: the same item stays
    Right,       // right, and the run goes on with the next item
    Accomplished // right, and it was the last item of the run
};

// What the learner has typed for the item asked: the word box and the ending box, the
// word box in front of a gap and the gap, or the whole sentence.
struct Answer {
    QString front{}; // the word box; empty where the item has none
    QString typed{}; // the ending, the gap or the sentence
};

// The item asked now.
struct Item {
    int number = -1; // its place in the exercise's content; the round of mistakes keeps it
    QString word{};  // the base word, the person shown, or the word in front of the gap
    QString right{}; // its whole right form
    QString label{}; // how the Mistakes list names it
    // Said aloud: as the item is shown (the base word, the person, the word in front of the
    // gap), and by Solution (the whole word or sentence).
    QString say{};
    QString sayRight{};
};

// What one answer did.
struct Verdict {
    Outcome outcome = Outcome::Wrong;
    QString typed{}; // the answer as the check read it, and as the Mistakes list shows it
    // What the answer box holds from now on, where the check has tidied it up first.
    std::optional<QString> rewrite{};
    bool capitalWarning = false; // the first letter has been made a capital: say so first
    Hint::Result hint{};         // of a wrong answer: the likeliest mistake
    QString say{};               // of a right answer: the whole form accepted, said aloud
};

// One exercise's run as every exercise window asks it: the item now asked, the answer
// given to it, its solution, Start and Restart, and the round over the items missed.
// A model lives as long as its window object, so what the exercise keeps over a closed
// window it keeps.
class RunModel {
  public:
    virtual ~RunModel() = default;

    // The window opens.
    virtual void open() = 0;
    // Start, or Restart. Accomplished where a run finds nothing left to ask.
    virtual Outcome start(Random& random) = 0;
    virtual Verdict answer(const Answer& given, Random& random) = 0;
    // A round over just these items (the ones missed in the run accomplished), each once.
    virtual void startRound(const std::vector<int>& missed, Random& random) = 0;

    virtual Item item() const = 0;
    // What Solution shows, and why it is so (said with the Hints on).
    virtual QString solution() const = 0;
    virtual QString why() const = 0;
    virtual Phase phase() const = 0;
    // How many items the run asks, and how many of them are right already.
    virtual int runLength() const = 0;
    virtual int solved() const = 0;
    // Which of the exercise's runs is on, where it has more than one kind of run, and how
    // many kinds it has.
    virtual int runKind() const { return 0; }
    virtual int runKinds() const { return 1; }

    // What only some exercises have: the learner moves into another item (a gap), the
    // extended variant (Plus), the main words of the picture.
    virtual void enter(int) {}
    virtual void choosePlus() {}
    virtual QString mainWords() const { return QString(); }
};

// The answer checks' blanks: only the blank itself (code 32) is removed around an answer.
QString trimBlanks(const QString& text);
// Two answers are the same when they read the same: a letter typed as a base letter and a
// combining accent equals the same letter typed whole.
bool sameText(const QString& typed, const QString& stored);

} // namespace kerbu
