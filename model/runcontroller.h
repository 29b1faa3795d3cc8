#pragma once

#include "mistakes.h"
#include "run.h"
#include "runrules.h"
#include "texts.h"

#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace kerbu {

class Random;

// The controls every exercise window has, as the run leaves them.
struct RunButtons {
    bool startOn = true;
    bool restart = false; // Start reads "&Restart", else "&Start"
    bool nextOn = false;
    bool solutionOn = false;
    bool chartShown = false;
    bool plusShown = true; // the Plus button and its note, where the window has them
    bool operator==(const RunButtons&) const = default;
};

// Where the focus goes.
enum class Focus {
    Stays,
    Start,
    Answer, // the box the item is answered in now
    First   // the first box of the window (the first gap of a text)
};

// What the window shows of the item.
enum class Shown {
    Same,
    Item,           // the item asked now, as a run begins
    ItemAfterRight, // the next item, "Right." said first
    NoItem          // nothing is asked: the run is over
};

// The Hints line under the answer boxes.
enum class Line { Same, Hidden, Hint, Why };

// What a run has begun, where a step begins one: the record emptied, the gaps opened.
enum class Begun { No, Run, Round };

// The name a screen reader gives the answer box.
enum class BoxName {
    Same,
    Plain,   // the item to work on
    WithHint // the item, then the hint of the line
};

// One moment of a step, as the window is to show it, in this order: what a run begun or
// a right answer does to the window's own controls, the boxes, the item, the buttons and
// the focus, the Hints line, what is said, the beep; then the message box, if any. When
// the learner has answered it, the window asks the controller for the next moment.
struct RunState {
    RunButtons buttons{};
    Begun begun = Begun::No;
    int rightItem = -1;                    // the item just answered right: recorded, its gap locked
    Outcome rightOutcome = Outcome::Right; // Accomplished where it ended the run
    std::optional<QString> answerText{};   // what the answer box holds from now on
    bool emptyBoxes = false;               // the answer box and the word box in front of it
    Shown shown = Shown::Same;
    Focus focus = Focus::Stays;
    Line line = Line::Same;
    MarkedText marks{}; // the typed text with the letters to look at, of a hint
    QString lineText{}; // the hint or why
    BoxName boxName = BoxName::Same;
    bool announceLine = false;   // a screen reader says the line
    QStringList say{};           // the Hungarian of the step, said in turn while Read aloud is on
    bool showList = false;       // the Mistakes list comes up beside the window
    bool endsComparison = false; // the learner's recording beside the voice goes
    bool beep = false;
    std::optional<Message> message{};
    Focus afterMessage = Focus::Stays; // where the focus goes when the message closes
};

// The run of one exercise window, decided here and shown by the window: it owns the model,
// the rules rows of its runs, the Mistakes log and its round, and what is said. Every
// event gives the window one state to show. It lives as long as its window object.
class RunController {
  public:
    // rules: a row for each kind of run of the model (std::invalid_argument otherwise);
    // titleSuffix: what the window appends to the shared title for its caption.
    RunController(std::unique_ptr<RunModel> model, std::vector<RunRules> rules, ProgramState& state,
                  QString titleSuffix);

    // The window opens: the shared texts afresh with the window's suffix, the model as it
    // opens, the log empty, the buttons as designed.
    RunState open();
    RunState start(Random& random);
    RunState answer(const Answer& given, Random& random);
    RunState solution();
    RunState charPressed();
    RunState plus();
    // A round over the items missed in the accomplished run; nothing where there is none.
    RunState practise(Random& random);
    // The picture's main words.
    RunState picture();
    // The learner moved into another item (a gap).
    void enter(int item);
    // The message box of the last state has been answered: the next moment of the step.
    RunState messageAnswered();

    const RunModel& model() const { return *model_; }
    RunModel& model() { return *model_; }
    MistakeLog& mistakes() { return mistakes_; }
    const MistakeLog& mistakes() const { return mistakes_; }
    const RunButtons& buttons() const { return buttons_; }
    Phase phase() const { return model_->phase(); }
    // The rules of the run that is on now.
    const RunRules& rules() const;
    // The last Hungarian text said, for the say-again key.
    QString sayAgain() const { return lastSaid_; }
    // What the learner may say after the voice: the last right form met in this run, the
    // answer just accepted or the solution just shown. Empty before either, so that saying
    // it never gives an answer away.
    QString spokenModel() const { return spokenModel_; }
    // The window's caption: the shared title with its suffix, as the window opened.
    QString caption() const { return caption_; }

  private:
    RunState now() const;
    // The steps a run's first item takes: buttons, box, item, what is said, focus.
    void beginRun(RunState& s, const RunRules& run, bool solutionOn, Focus focus);
    // The end of a run: the end message with the buttons behind it, then the buttons after.
    std::vector<RunState> accomplish(RunState s, const RunRules& run);
    // Hands back the first moment of a step and keeps the rest for messageAnswered().
    RunState firstOf(std::vector<RunState> moments);
    void say(RunState& s, QStringList texts);

    std::unique_ptr<RunModel> model_;
    std::vector<RunRules> rules_;
    ProgramState& state_;
    QString titleSuffix_;
    QString spokenModel_;
    QString caption_;
    MistakeLog mistakes_;
    RunButtons buttons_;
    std::deque<RunState> pending_;
    QString lastSaid_;
};

} // namespace kerbu
