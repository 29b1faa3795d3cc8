#pragma once

#include "pool.h"
#include "run.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace kerbu {

// One sentence about a picture: `mond` as the learner may write it without the pronoun,
// `mond1` with it (where the person is named, both are the same sentence), which picture
// it is about, the person shown beside it, and what each word of `mond1` is.
struct Sentence {
    const char16_t* mond{};
    const char16_t* mond1{};
    int picture{};
    const char16_t* person{};
    std::array<WordRole, 4> roles{};
};

// One picture: the place (`hat`) and the verb (`ig`) its sentences are made of, and what
// it shows, for those who cannot see it.
struct Picture {
    const char16_t* hat{};
    const char16_t* ig{};
    const char* shows{};
};

// What an exercise of sentences is about: the sentences, the pictures, and how many of the
// first sentences the ordered run takes.
struct SentenceContent {
    std::span<const Sentence> sentences{};
    std::span<const Picture> pictures{};
    int orderedCount{};
};

// The sentences about the pictures. Start runs the first sentences in order, one per
// picture; from the end of that run on, Restart runs every sentence at random, each once.
// How many sentences the Restart run has drawn outlasts a closed window.
class SentenceDrill : public RunModel {
  public:
    explicit SentenceDrill(const SentenceContent& content);

    // The two runs: the pictures in order, then, from the first Restart on, all the
    // sentences at random with variable persons.
    enum class Run { Ordered, Restart };

    // The window opens: the ordered run, not started, every sentence available.
    void open() override;
    // Start, or Restart: the ordered run from its first sentence, or the next drawn one.
    // Accomplished where a Restart finds every sentence of its run drawn.
    Outcome start(Random& random) override;
    // The learner's sentence: runs of blanks inside it shrink to one, the blanks around it
    // go and its first letter becomes a capital (with a warning where it was not one);
    // then it must be one of the two forms exactly. A right one goes on; the last one of
    // a run accomplishes it (after the ordered run, the Restart run is next).
    Verdict answer(const Answer& given, Random& random) override;
    // At random, each once; after it Start goes on with the run it would have begun.
    void startRound(const std::vector<int>& missed, Random& random) override;
    bool inRound() const { return !round_.empty(); }

    Item item() const override;
    // The sentence without its pronoun. Empty once it has been answered in this Restart
    // run.
    QString solution() const override;
    QString why() const override;
    Phase phase() const override { return phase_; }
    int runLength() const override;
    // The sentences answered right in the run: the ordered run, the Restart run (however
    // often Restart has skipped a sentence in it), or the round.
    int solved() const override;
    int runKind() const override { return int(run_); }
    int runKinds() const override { return 2; }

    Run run() const { return run_; }
    int current() const { return current_; }
    // The current sentence's picture, and what it shows; -1 and nothing before any.
    int picture() const;
    QString shows() const;
    QString person() const;
    QString withPronoun() const;
    // What a sentence's answer is checked against, for the hints.
    SentenceKey key(int sentence) const;
    // The message of a click on the picture: the verb and the place of the current
    // sentence's picture, of the second one before Start.
    QString mainWords() const override;
    // Sentences the Restart run has drawn.
    int drawn() const { return drawn_; }
    std::span<const Sentence> sentences() const { return sentences_; }
    std::span<const Picture> pictures() const { return pictures_; }
    int size() const { return static_cast<int>(sentences_.size()); }

  private:
    Outcome draw(Random& random);
    bool isShown() const { return current_ >= 0 && current_ < size(); }

    std::span<const Sentence> sentences_;
    std::span<const Picture> pictures_;
    int orderedCount_;
    ItemPool pool_;
    std::vector<int> round_;
    int roundSolved_ = 0;
    int orderedRight_ = 0;
    int restartRight_ = 0; // outlasts a closed window, as drawn_ does
    int current_ = 0;
    int drawn_ = 0;
    Run run_ = Run::Ordered;
    Phase phase_ = Phase::NotStarted;
};

} // namespace kerbu
