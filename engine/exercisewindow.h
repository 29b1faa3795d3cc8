#pragma once

#include "framedesign.h"
#include "hint.h"
#include "mistakes.h"
#include "phase.h"
#include "platform/formwindow.h"
#include "platform/services.h"
#include "texts.h"

#include <QPointer>

class QLabel;
class QPushButton;

namespace kerbu {

class FocusNote;
class MistakesWindow;

// The exercise title, "Label2": Arial 12 pt bold in black, on the design's colour and
// aligned as the design says.
ControlDesign exerciseTitle(ControlDesign design);
// "&Start", "Command1", at the window's top left; the design gives its width and its
// place in the focus order.
ControlDesign startButton(ControlDesign design);
// "Sol&ution", disabled until Start, on the top row; the design gives its name, left and
// place in the focus order.
ControlDesign solutionButton(ControlDesign design);

// What every exercise window does the same way: its load steps around its own, and its
// message boxes titled with the shared title of the moment.
class ExerciseWindow : public FormWindow {
    Q_OBJECT
  public:
    // Every exercise window is 9210 x 5880 twips.
    ExerciseWindow(const QString& name, const QColor& background, ProgramState& state);

    // The frame around the window's drill: the exercise says how it looks, whoever builds
    // the window puts it on.
    virtual FrameDesign frameDesign() const = 0;

    // Hides the Hints line, until the next wrong answer while Hints are on.
    void clearHint();

    // The wrong tries of the run, and the list that shows them beside the window.
    MistakeLog& mistakes() { return mistakes_; }
    const MistakeLog& mistakes() const { return mistakes_; }
    MistakesWindow* mistakesWindow() const;
    void showMistakes();
    // A round over the items missed in the accomplished run, where there were any.
    virtual void practiseMistakes() = 0;

  protected:
    // The texts every window shares, and the program's state they belong to.
    SharedTexts& shared() const { return state_.texts; }
    ProgramState& state() const { return state_; }

    // The first load steps: centre the window, then the frame's (it opens on top).
    void beginLoad();
    void onUnload() override;
    // A round of mistakes begins: the list comes up beside the window, without taking the
    // keyboard, so the learner sees which round this is.
    void showRound();
    // The last: the shared texts afresh, the window's suffix appended, the caption.
    void finishLoad(const QString& titleSuffix);
    // A message box; an empty title is the shared window title of the moment. When it
    // closes, the focus goes to `then` if the window is still there and it can take it.
    void message(const QString& text, Icon icon, const QString& title = QString(),
                 QWidget* then = nullptr);
    // A wrong answer: the beep and the shared message, then the focus to `then`; with
    // Hints on, the hint then stands in the Hints line.
    void wrongAnswer(QWidget* then = nullptr, const Hint::Result& hint = {});
    // What a screen reader says of the box the learner answers in: the item to work on,
    // "Right." before it after a right answer. A wrong answer while Hints are on adds the
    // hint, said when the focus comes back to the box from the message.
    void announceItem(QWidget* box, const QString& item, bool afterRight = false);
    QWidget* announcedBox() const { return answerBox_; }
    // The Hints line, hidden until a wrong answer while Hints are on. The design places it
    // in free space near the answer boxes; it takes the window's own colours.
    void makeHintLine(QWidget* body, ControlDesign place);
    // The character chart every exercise window has, hidden until the learner asks for it.
    static QLabel* makeChart(QWidget* body, const char* name);
    // Shows or hides the character chart.
    static void toggle(QWidget* chart);

    // The controls every exercise window has: Start (later Restart), Next (the default
    // button), Solution and the character chart.
    QPushButton* start_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* solution_ = nullptr;
    QLabel* chart_ = nullptr;
    QLabel* hint_ = nullptr;

  private:
    ProgramState& state_;
    MistakeLog mistakes_;
    MistakesWindow* list_ = nullptr;
    void confirmRight(QWidget* box);
    QPointer<QWidget> answerBox_;
    FocusNote* rightNote_ = nullptr;
    QString item_;
};

} // namespace kerbu
