#pragma once

#include "exercisewindow.h"
#include "gaptext.h"
#include "keys.h"
#include "platform/controls.h"

#include <span>

namespace kerbu {

// A fixed piece of the text in front of, between or after the gaps.
struct Prompt {
    const char* name{};
    const char16_t* text{};
    int left{};
    int top{};
    int width{};
    Qt::Alignment align = Qt::AlignRight;
};

// An editable word in front of a gap.
struct WordBox {
    const char* name{};
    const char16_t* text{};
    int left{};
    int top{};
    int width{};
    KeyTable keys{};
};

// Where a "/" stands between two answers.
struct Separator {
    int left{};
    int top{};
};

// The colours of a family of gaps.
struct GapColours {
    QColor open{};
    QColor solved{};
};

// Everything that makes one gap-filling window.
struct GapDesign {
    QString titleSuffix{}; // appended to the shared title for the caption
    // Where the title, Next and Char stand; the window gives them their names and looks.
    ControlDesign title{};
    ControlDesign next{};
    ControlDesign charButton{};
    std::span<const Gap> gaps{};
    std::span<const Prompt> prompts{};
    std::span<const WordBox> wordBoxes{};
    std::span<const Separator> separators{}; // a "/" between the two answers of a line, if any
    std::span<const GapColours> families{};
    ControlDesign hintLine{}; // where the Hints line stands
    // The focus order of the answer boxes: gap numbers, or -1 - n for word box n.
    std::span<const int> focusOrder{};
    QString solutionPrefix{}; // put in front of the expected ending by Solution
    bool solutionStaysAfterDone = false;
    bool charActsOnFocus = false; // Char acts when it receives the focus, not on a click
};

// A text with gaps: the learner fills them in any order, each checked on its own; a right
// ending locks its gap, colours it and moves on to the next open gap.
class GapWindow : public ExerciseWindow {
    Q_OBJECT
  public:
    GapWindow(const QString& name, GapDesign design, FrameDesign frame, ProgramState& state);

    // The how-to message hands the focus to the current gap.
    FrameDesign frameDesign() const override;

    const GapText& text() const { return text_; }
    // The window's gaps and what Solution puts in front of an ending, for whoever wants
    // to read them.
    std::span<const Gap> gaps() const { return design_.gaps; }
    QString solutionPrefix() const { return design_.solutionPrefix; }
    int gapCount() const { return text_.size(); }
    TextBox* gap(int number) const;

    void startClicked();
    void nextClicked();
    void solutionClicked();
    void charPressed();
    void practiseMistakes() override;

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void gapFocused(int number);
    void focusGap(int number);
    void openGaps();
    void oke(int answered,
             Outcome outcome); // a right ending: lock and colour the gap, go on or finish
    void hiba();               // a wrong ending: beep, say so, back into the gap
    void dodo();               // on to the gap the text says is next
    void lock(int number);     // a solved gap: disabled and in its solved colour
    QString wordInFront() const;
    QString gapLabel(int number) const; // the gap and the word in front, for the Mistakes list
    void paint(QWidget* box, const QColor& colour);

    GapDesign design_;
    FrameDesign frame_;
    GapText text_;
    // While a solved gap is disabled, the focus that moves on by itself is not the learner's.
    bool locking_ = false;

    QPushButton* char_ = nullptr;
};

} // namespace kerbu
