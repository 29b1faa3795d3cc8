#pragma once

#include "exercisewindow.h"
#include "model/sentencedrill.h"
#include "platform/controls.h"

#include <QPixmap>
#include <optional>
#include <vector>

namespace kerbu {

// The controls of a window of sentences about pictures, as designed.
struct SentenceDesign {
    ControlDesign title{};
    ControlDesign frame{};   // around the picture
    ControlDesign picture{}; // inside the frame; a click or Enter shows the main words
    ControlDesign person{};
    ControlDesign answer{}; // the whole sentence
    RunDesign run{};
    QString scene{}; // the resource of picture %1
};

// Whole sentences about pictures: a picture and a person, the learner writes the sentence.
// The model runs the pictures in order, then the Restart run; the rules hold a row for each.
class SentenceWindow : public ExerciseWindow {
    Q_OBJECT
  public:
    SentenceWindow(ExerciseSetup setup, SentenceDesign design, const SentenceContent& content,
                   ProgramState& state);

    const SentenceDrill& drill() const { return *drill_; }
    QLineEdit* answerBox() const override { return boxes_ ? boxes_->answer : nullptr; }

    // A click on the picture, or Enter on it: the main words of its sentence.
    void pictureClicked();

  protected:
    void buildControls(QWidget* body) override;
    void onUnload() override;
    void showItem(bool afterRight) override;
    void showNoItem() override;

  private:
    SentenceDesign design_;
    SentenceDrill* drill_;
    // Each scene is drawn the first time it is shown, and kept.
    std::vector<QPixmap> scenes_;

    struct Boxes {
        TextBox* answer{};
        QLabel* person{};
        ImageBox* picture{};
    };
    std::optional<Boxes> boxes_;
};

} // namespace kerbu
