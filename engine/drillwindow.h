#pragma once

#include "drill.h"
#include "exercisewindow.h"
#include "keys.h"
#include "platform/controls.h"
#include "platform/services.h"

#include <optional>

class QTextEdit;

namespace kerbu {

// The controls of a word-ending drill window, as designed.
struct DrillDesign {
    QColor background{};
    ControlDesign hint{};   // the endings to use
    ControlDesign title{};  // the exercise title
    ControlDesign start{};  // Start / Restart
    ControlDesign record{}; // the right answers of the run
    ControlDesign word{};   // the base word, editable
    ControlDesign ending{}; // the typed ending
    ControlDesign next{};   // the default button: checks the answer
    ControlDesign charButton{};
    ControlDesign solution{};
    ControlDesign plus{};
    ControlDesign plusNote{}; // explains the Plus button
    std::optional<ControlDesign> question{};
    ControlDesign hintLine{}; // where the Hints line stands
};

// A message box of the drill: its text, icon and title (an empty title is the shared
// window title of the moment).
struct DrillMessage {
    QString text{};
    Icon icon = Icon::Information;
    QString title{};
};

// Where the word-ending windows differ in behaviour.
struct DrillRules {
    QString titleSuffix{}; // appended to the shared title for the caption
    WordList list{};
    KeyTable wordKeys = KeyTable::Hunkey;
    KeyTable endingKeys = KeyTable::None;
    // The record is a locked, scrolling text box instead of a label.
    bool recordIsTextBox = false;
    // Shared texts that Start sets for the run (left alone where empty).
    QString runTitle{};
    QString runWrong{};
    // The accomplished message; an empty text is the shared msgDone.
    DrillMessage done{QString(), Icon::Exclamation, QString()};
    bool solutionStaysAfterDone = false;
    bool charKeepsFocus = false;
    bool changeShowsPlusNote = true;
};

// The window of a word-ending drill: a base word in the word box, the learner types the
// ending, Enter checks it; after a run of right answers the exercise is accomplished.
class DrillWindow : public ExerciseWindow {
    Q_OBJECT
  public:
    DrillWindow(const QString& name, DrillDesign design, DrillRules rules, FrameDesign frame,
                ProgramState& state);

    const Drill& drill() const { return drill_; }
    // The window's word list, for whoever wants to read it.
    WordList words() const { return rules_.list; }
    FrameDesign frameDesign() const override { return frame_; }

    // The handlers of the window's controls.
    void startClicked();
    void nextClicked();
    void solutionClicked();
    void charClicked();
    void plusClicked();
    void practiseMistakes() override;

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;

  private:
    // Start and the round of mistakes: the run begins with the word drawn.
    void beginRun();
    // The word drawn into the word box, and said as the ending box's name.
    void showWord(bool afterRight = false);
    // A right answer: record it, then go on to the next word or finish the run.
    void oke(const QString& answered, Outcome outcome);
    void hiba();   // a wrong answer: beep and say so
    void change(); // back to not started, for Plus
    void appendRecord(const QString& text);
    void clearRecord();

    DrillDesign design_;
    DrillRules rules_;
    FrameDesign frame_;
    Drill drill_;

    QPushButton* plus_ = nullptr;
    TextBox* word_ = nullptr;
    TextBox* ending_ = nullptr;
    QLabel* recordLabel_ = nullptr;
    QTextEdit* recordBox_ = nullptr;
    QLabel* plusNote_ = nullptr;
};

} // namespace kerbu
