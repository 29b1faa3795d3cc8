#pragma once

#include "exercisewindow.h"
#include "model/drill.h"
#include "model/keys.h"
#include "platform/controls.h"

#include <optional>

class QTextEdit;

namespace kerbu {

// The controls of a word-ending drill window, as designed.
struct DrillDesign {
    QColor background{};
    ControlDesign hint{};   // the endings to use
    ControlDesign title{};  // the exercise title
    ControlDesign record{}; // the right answers of the run
    ControlDesign word{};   // the base word, editable
    ControlDesign ending{}; // the typed ending
    RunDesign run{};        // Start, Next, Solution, Char and the Hints line
    ControlDesign plus{};
    ControlDesign plusNote{}; // explains the Plus button
    std::optional<ControlDesign> question{};
};

// Where the word-ending windows differ in behaviour.
struct DrillRules {
    QString titleSuffix{}; // appended to the shared title for the caption
    WordList list{};
    KeyTable wordKeys = KeyTable::Hunkey;
    KeyTable endingKeys = KeyTable::None;
    // The record is a locked, scrolling text box instead of a label.
    bool recordIsTextBox = false;
};

// The window of a word-ending drill: a base word in the word box, the learner types the
// ending, Enter checks it; after a run of right answers the exercise is accomplished.
class DrillWindow : public ExerciseWindow {
    Q_OBJECT
  public:
    DrillWindow(const QString& name, DrillDesign design, const DrillRules& rules, FrameDesign frame,
                ProgramState& state);

    const Drill& drill() const { return *drill_; }
    // The ending box, and the word box in front of it.
    QLineEdit* answerBox() const override;
    QLineEdit* frontBox() const override;

  protected:
    void buildControls(QWidget* body) override;
    void onUnload() override;
    // The word drawn into the word box, and said as the ending box's name.
    void showItem(bool afterRight) override;
    void runBegun() override;
    void answeredRight(int item) override;
    void showPlus(bool shown) override;

  private:
    void appendRecord(const QString& text);

    DrillDesign design_;
    KeyTable wordKeys_;
    KeyTable endingKeys_;
    bool recordIsTextBox_;
    Drill* drill_;

    // The window's own controls, while it is loaded.
    struct Boxes {
        TextBox* word{};
        TextBox* ending{};
        QLabel* recordLabel{};
        QTextEdit* recordBox{};
        QPushButton* plus{};
        QLabel* plusNote{};
    };
    std::optional<Boxes> boxes_;
};

} // namespace kerbu
