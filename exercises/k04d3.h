#pragma once

#include "engine/exercisewindow.h"

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
    K04d3();
    FrameDesign frameDesign() const override;

    static constexpr int sentenceCount = 17;

    // The two runs: the six pictures in order, then, from the first Restart on, all the
    // sentences at random with variable persons.
    enum class Run { Ordered, Restart };
    Run run() const { return run_; }
    Phase phase() const { return phase_; }

    // The current sentence, and how many sentences the Restart run has drawn. Both keep
    // their values while the window is closed.
    int idx() const { return idx_; }
    int drawn() const { return drawn_; }
    // The sentence of an entry without its pronoun, as it stands in the run (empty once
    // answered in a Restart run).
    QString sentence(int entry) const { return mond_.at(entry); }
    static QString sentenceWithPronoun(int entry);
    // Which of the six pictures an entry shows.
    static int pictureOf(int entry);
    // The message of a click on the picture.
    QString mainWords() const;

    void startClicked();
    void checkSentence();
    void solutionClicked();
    void charClicked();
    void pictureClicked();

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;

  private:
    void mondlista(); // fills the sentences of the run, without their pronouns
    void showItem();
    void clearItem();
    void replaceByBlank(const QString& text);
    void upper(); // makes the first letter a capital, and says so if it was not
    void oke();   // a right sentence: on to the next one, or the end of the run
    void hiba();  // a wrong sentence: beep and say so
    void rand();  // draws a sentence of the Restart run not yet answered

    int idx_ = 0;   // the current sentence
    int drawn_ = 0; // sentences the Restart run has drawn
    std::vector<QString> mond_;
    Run run_ = Run::Ordered;
    Phase phase_ = Phase::NotStarted;

    QLineEdit* answer_ = nullptr;
    QLabel* person_ = nullptr;
    ImageBox* picture_ = nullptr;
    std::vector<QLabel*> scenes_;
};

} // namespace kerbu
