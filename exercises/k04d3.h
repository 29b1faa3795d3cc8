#pragma once

#include "engine/exercisewindow.h"
#include "engine/sentencedrill.h"

#include <QPixmap>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kerbu {

class ImageBox;

// Exercise 3: whole sentences about six pictures. Start runs the six pictures in order;
// Restart then runs all seventeen sentences in random order, each once.
class K04d3 : public ExerciseWindow {
    Q_OBJECT
  public:
    explicit K04d3(ProgramState& state);
    FrameDesign frameDesign() const override;

    const SentenceDrill& drill() const { return drill_; }
    // The sentences and how many of them the ordered run takes, for whoever wants to read
    // them.
    static std::span<const Sentence> sentences();
    static int orderedCount();
    // The message of a click on the picture.
    QString mainWords() const;

    void startClicked();
    void checkSentence();
    void solutionClicked();
    void charClicked();
    void pictureClicked();
    void practiseMistakes() override;

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;

  private:
    void showItem(bool afterRight = false);
    void clearItem();
    void replaceByBlank(const QString& text);
    void upper();              // makes the first letter a capital, and says so if it was not
    void oke(Outcome outcome); // a right sentence of the ordered run: the next, or its end
    // The Restart run: the sentence drawn, or its end.
    void showDrawn(Outcome outcome, bool afterRight = false);
    void hiba();               // a wrong sentence: beep and say so
    QString itemLabel() const; // the picture and person, for the Mistakes list

    SentenceDrill drill_;
    QLineEdit* answer_ = nullptr;
    QLabel* person_ = nullptr;
    ImageBox* picture_ = nullptr;
    // The six scenes, each drawn the first time it is shown.
    std::array<QPixmap, 6> scenes_;
};

} // namespace kerbu
