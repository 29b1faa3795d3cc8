#pragma once

#include "framedesign.h"
#include "model/runcontroller.h"
#include "model/texts.h"
#include "platform/formwindow.h"
#include "platform/services.h"

#include <QKeySequence>
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
// is 9210 x 5880 twips; its caption is the shared title with its suffix. How its run goes
// is the model's, by the window's name.
struct ExerciseSetup {
    QString name{};
    QString titleSuffix{};
    QColor background{};
    FrameDesign frame{};
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

class ComparisonWindow;

// Keys that no window, key translator or screen reader takes: the learner says the last
// right form after the voice, and hears the last Hungarian text slowly (beside F5, which
// says it again at the usual rate).
inline const QKeySequence sayYourselfKey{Qt::Key_F6};
inline const QKeySequence saySlowlyKey{Qt::SHIFT | Qt::Key_F5};

// What every exercise window does the same way: its load steps around its own, and the
// run: Start, the answer (wrong, right, accomplished), Solution, Char, the Mistakes list
// and the round of mistakes. The run controller decides each step; the window passes the
// learner's events on and shows the state it gets back, the item in its own controls.
class ExerciseWindow : public FormWindow {
    Q_OBJECT
  public:
    ExerciseWindow(ExerciseSetup setup, std::unique_ptr<RunModel> model, ProgramState& state);
    ~ExerciseWindow() override;

    // The frame around the window's drill: the exercise says how it looks, whoever builds
    // the window puts it on.
    FrameDesign frameDesign() const { return setup_.frame; }

    const RunModel& model() const { return run_.model(); }
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
    // The extended variant, where the window has a Plus button.
    void plusClicked();

    // Hides the Hints line, until the next wrong answer while Hints are on.
    void clearHint();
    // Says the last Hungarian text again, whether Read aloud is on or not.
    void sayAgain();
    void saySlowly();
    // Records the learner saying the last right form met in the run, then plays the
    // recording and the voice saying it, and shows the two side by side; pressed while
    // recording, ends the recording.
    void sayYourself();
    // The last right form met in the run; empty before the first.
    QString spokenModel() const { return run_.spokenModel(); }
    ComparisonWindow* comparisonWindow() const { return comparison_; }
    // The wrong tries of the run, and the list that shows them beside the window.
    MistakeLog& mistakes() { return run_.mistakes(); }
    const MistakeLog& mistakes() const { return run_.mistakes(); }
    MistakesWindow* mistakesWindow() const;
    void showMistakes();

  signals:
    // The last right form met in the run has changed.
    void spokenModelChanged();

  protected:
    // What the window shows of the model, at the moments of a run.
    // The item asked now, with what a screen reader says of its box; after a right
    // answer the reader first says "Right.".
    virtual void showItem(bool afterRight) = 0;
    // A run or a round has begun in the model: the record emptied, the gaps opened.
    virtual void runBegun() {}
    // That item was answered right: the record, the gap locked.
    virtual void answeredRight(int item) { Q_UNUSED(item) }
    // The run is over: nothing is asked.
    virtual void showNoItem() {}
    // The first box of the window, where Start puts the focus.
    virtual QWidget* firstBox() const { return answerBox(); }
    // The Plus button and its note, where the window has them.
    virtual void showPlus(bool shown) { Q_UNUSED(shown) }

    RunModel& runModel() { return run_.model(); }
    // Passes an event's state on to be shown, and the moments after its message boxes.
    void showState(RunState state);
    // The learner moved into another item's box (a gap).
    void entered(int item) { run_.enter(item); }
    // The main words of the picture, in a message.
    void showMainWords() { showState(run_.picture()); }

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

    // Centre the window, then the frame's steps (it opens on top); the run as the window
    // opens, with the shared texts afresh and the window's suffix appended; the caption.
    void onLoad() override;
    void onUnload() override;
    // What a screen reader says of the box the learner answers in: the item to work on,
    // "Right." before it after a right answer. A wrong answer while Hints are on adds the
    // hint, said when the focus comes back to the box from the message.
    void announceItem(QWidget* box, const QString& item, bool afterRight = false);
    QWidget* announcedBox() const { return answerBox_; }

  private:
    // One moment of a step, without its message.
    void render(const RunState& state);
    void renderButtons(const RunButtons& buttons, bool turningOn);
    void renderLine(const RunState& state);
    QWidget* focusTarget(Focus focus) const;
    void confirmRight(QWidget* box);
    // The Hungarian texts of one step, said in turn while Read aloud is on. With a screen
    // reader running they wait for the say-again key, so as not to speak over it.
    void say(const QStringList& step);
    // The Mistakes list of the run, made when first shown.
    MistakesWindow* listWindow();

    ExerciseSetup setup_;
    ProgramState& state_;
    RunController run_;
    std::optional<RunControls> controls_;
    MistakesWindow* list_ = nullptr;
    ComparisonWindow* comparison_ = nullptr;
    // The model the learner is recorded saying; a recording that ends after the model has
    // changed is not played. The samples themselves go straight to the voice.
    QString recordedModel_;
    QPointer<QWidget> answerBox_;
    QString item_;
};

} // namespace kerbu
