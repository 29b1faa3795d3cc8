#pragma once

#include "outcome.h"
#include "phase.h"
#include "pool.h"

#include <QString>
#include <span>
#include <vector>

namespace kerbu {

class Random;

// One sentence about a picture: as the learner may write it, without and with the
// pronoun, which picture it is about and the person shown beside it.
struct Sentence {
    const char16_t* plain{};
    const char16_t* withPronoun{};
    int picture{};
    const char16_t* person{};
};

// The sentences about the pictures. Start runs the first sentences in order, one per
// picture; from the end of that run on, Restart runs every sentence at random, each once.
// Lives as long as its window object: how many sentences the Restart run has drawn
// outlasts a closed window.
class SentenceDrill {
  public:
    // The ordered run shows sentences 0 to orderedCount - 1.
    SentenceDrill(std::span<const Sentence> sentences, int orderedCount);

    // The two runs: the pictures in order, then, from the first Restart on, all the
    // sentences at random with variable persons.
    enum class Run { Ordered, Restart };

    // The window opens: the ordered run, not started, every sentence available.
    void open();
    // Start, or Restart: the ordered run from its first sentence, or the next drawn one.
    // Returns Accomplished where a Restart finds every sentence of its run drawn.
    Outcome start(Random& random);
    // The learner's sentence, blanks around it removed. A right one goes on; the last one
    // of a run accomplishes it (after the ordered run, the Restart run is next).
    Outcome answer(const QString& typed, Random& random);
    // A round over just these sentences (the ones missed), at random, each once; after it
    // Start goes on with the run it would have begun.
    void startRound(const std::vector<int>& sentences, Random& random);
    bool inRound() const { return !round_.empty(); }

    Run run() const { return run_; }
    Phase phase() const { return phase_; }
    // The current sentence and its parts.
    int current() const { return current_; }
    int picture() const;
    QString person() const;
    // The sentence without its pronoun: what Solution shows. Empty once it has been
    // answered in this Restart run.
    QString solution() const;
    QString withPronoun() const;
    // Sentences the Restart run has drawn.
    int drawn() const { return drawn_; }
    int size() const { return static_cast<int>(sentences_.size()); }
    bool isUsedUp(int entry) const { return pool_.isUsedUp(entry); }

  private:
    Outcome draw(Random& random);
    bool isShown() const { return current_ >= 0 && current_ < size(); }

    std::span<const Sentence> sentences_;
    int orderedCount_;
    ItemPool pool_;
    std::vector<int> round_;
    int roundSolved_ = 0;
    int current_ = 0;
    int drawn_ = 0;
    Run run_ = Run::Ordered;
    Phase phase_ = Phase::NotStarted;
};

} // namespace kerbu
