#pragma once

#include "model/mistakes.h"
#include "model/run.h"
#include "framedesign.h"
#include "platform/formwindow.h"
#include "platform/services.h"
#include "model/texts.h"

#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kerbu {

class FocusNote;
class HintLine;
class MistakesWindow;

// A message box of a run: its text (empty: the shared msgDone), its icon and its title
// (empty: the shared window title of the moment).
struct RunMessage {
    QString text{};
    Icon icon = Icon::Exclamation;
    QString title{};
};

// Where the focus goes when Char has shown or hidden the chart.
enum class CharFocus {
    ToAnswer,         // to the box the item is answered in
    Stays,            // nowhere else
    ToAnswerWhenShown // to that box when the chart comes up; nowhere when it goes
};

// How a run goes where the exercises differ. An exercise with two kinds of run (3: the
// pictures in order, then the Restart run) has a row for each, in the model's order.
struct RunRules {
    // The texts Start sets for the run (left alone where empty).
    QString runTitle{};
    QString runWrong{};
    // Start is greyed while the run is on; else it stays, for a Restart that skips to
    // another item (3) or a Start that takes the focus back to the first gap (4, 5).
    bool startGreyed = true;
    // Start turns Solution on; else Solution stays as it is (greyed in 3's Restart run).
    bool startEnablesSolution = true;
    // Start empties the answer box; else what was typed before Start stays.
    bool startEmptiesBox = false;
    // After a right answer the focus goes to the box of the next item; else it stays.
    bool focusAfterRight = true;
    // After a wrong answer the focus goes back to the answer box; else it stays.
    bool focusAfterWrong = false;
    RunMessage done{};
    // The end message comes up with Start already on and in the focus.
    bool startFocusedBeforeDone = false;
    // Solution stays as it is after the run: on, showing the last item's solution.
    bool solutionStaysAfterDone = false;
    CharFocus charFocus = CharFocus::ToAnswer;
};

// Where the controls that every exercise window has stand: Start (later Restart), Next
// (the default button), Solution, Char with its chart, and the Hints line.
struct RunDesign {
    ControlDesign start{};
    ControlDesign next{};
    ControlDesign solution{};
    ControlDesign charButton{};
    bool charOnClick = true; // else Char acts when it receives the focus
    const char* chart = "Label6";
    ControlDesign hintLine{}; // free space near the answer boxes
};

// What makes an exercise window besides its controls and its model. Every exercise window
// is 9210 x 5880 twips; its caption is the shared title with its suffix.
struct ExerciseSetup {
    QString name{};
    QString titleSuffix{};
    QColor background{};
    FrameDesign frame{};
    std::vector<RunRules> rules{}; // one for each kind of run of the model
};

// The exercise title, "Label2": Arial 12 pt bold in black, on the design's colour and
// aligned as the design says.
ControlDesign exerciseTitle(ControlDesign design);
// "&Start", "Command1", at the window's top left; the design gives its width and its
// place in the focus order.
ControlDesign startButton(ControlDesign design);
// "Sol&ution", disabled until Start, on the top row; the design gives its name, left and
// place in the focus order.
ControlDesign solutionButton(ControlDesign design);

// What every exercise window does the same way: its load steps around its own, and the
// run: Start, the answer (wrong, right, accomplished), Solution, Char, the Mistakes list
// and the round of mistakes, written once over the window's model. The window shows the
// model's item in its own controls.
class ExerciseWindow : public FormWindow {
    Q_OBJECT
  public:
    ExerciseWindow(ExerciseSetup setup, std::unique_ptr<RunModel> model, ProgramState& state);
    ~ExerciseWindow() override;

    // The frame around the window's drill: the exercise says how it looks, whoever builds
    // the window puts it on.
    FrameDesign frameDesign() const { return setup_.frame; }

    const RunModel& model() const { return *model_; }
    // The box the learner answers the item in, and the word box in front of it, where the
    // item has one.
    virtual QLineEdit* answerBox() const = 0;
    virtual QLineEdit* frontBox() const { return nullptr; }

    // The handlers of the run's controls.
    void startClicked();
    void nextClicked();
    void solutionClicked();
    void charClicked();
    // A round over the items missed in the accomplished run, where there were any.
    void practiseMistakes();

    // Hides the Hints line, until the next wrong answer while Hints are on.
    void clearHint();
    // Says the last Hungarian text again, whether Read aloud is on or not.
    void sayAgain();
    // The wrong tries of the run, and the list that shows them beside the window.
    MistakeLog& mistakes() { return mistakes_; }
    const MistakeLog& mistakes() const { return mistakes_; }
    MistakesWindow* mistakesWindow() const;
    void showMistakes();

  protected:
    // What the window shows of the model, at the moments of a run.
    // The item asked now, with what a screen reader says of its box; after a right
    // answer the reader first says "Right.".
    virtual void showItem(bool afterRight) = 0;
    // A run or a round has begun in the model: the record emptied, the gaps opened.
    virtual void runBegun(bool round) { Q_UNUSED(round) }
    // That item was answered right: the record, the boxes emptied, the gap locked.
    virtual void answeredRight(int item, Outcome outcome) = 0;
    // The run is over: nothing is asked.
    virtual void showNoItem() {}
    // Where Start puts the focus.
    virtual QWidget* startFocus() const { return answerBox(); }

    // The texts every window shares, and the program's state they belong to.
    SharedTexts& shared() const { return state_.texts; }
    ProgramState& state() const { return state_; }
    RunModel& runModel() { return *model_; }

    // The controls every exercise window has, while it is loaded.
    struct RunControls {
        QPushButton* start{};
        QPushButton* next{};
        QPushButton* solution{};
        QPushButton* charButton{};
        QLabel* chart{};
        HintLine* hint{};
        FocusNote* rightNote{}; // made when first needed
    };
    const RunControls& controls() const { return *controls_; }
    void buildRunControls(QWidget* body, const RunDesign& design);

    // Centre the window, then the frame's steps (it opens on top); the model as the window
    // opens; the shared texts afresh, the window's suffix appended, the caption.
    void onLoad() override;
    void onUnload() override;
    // A message box; an empty title is the shared window title of the moment. When it
    // closes, the focus goes to `then` if the window is still there and it can take it.
    void message(const QString& text, Icon icon, const QString& title = QString(),
                 QWidget* then = nullptr);
    // What a screen reader says of the box the learner answers in: the item to work on,
    // "Right." before it after a right answer. A wrong answer while Hints are on adds the
    // hint, said when the focus comes back to the box from the message.
    void announceItem(QWidget* box, const QString& item, bool afterRight = false);
    QWidget* announcedBox() const { return answerBox_; }
    // What the say-again key says from now on, without saying it now.
    void setSayAgain(const QString& text);

  private:
    const RunRules& runRules() const;
    // The first item of a run or a round: buttons, box, focus.
    void beginRun(bool solutionOn, QWidget* focus);
    void wrongAnswer(QWidget* then, const Hint::Result& hint);
    void accomplish(const RunRules& run);
    void confirmRight(QWidget* box);
    // The Hungarian texts of one step, said in turn while Read aloud is on. With a screen
    // reader running they wait for the say-again key, so as not to speak over it.
    void say(QStringList step);
    // The Mistakes list of the run, made when first shown.
    MistakesWindow* listWindow();

    ExerciseSetup setup_;
    ProgramState& state_;
    std::unique_ptr<RunModel> model_;
    std::optional<RunControls> controls_;
    MistakeLog mistakes_;
    MistakesWindow* list_ = nullptr;
    QPointer<QWidget> answerBox_;
    QString item_;
    QString lastSaid_;
};

} // namespace kerbu
