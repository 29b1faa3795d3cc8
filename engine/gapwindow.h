#pragma once

#include "exercisewindow.h"
#include "model/gaptext.h"
#include "model/keys.h"
#include "platform/controls.h"

#include <span>

namespace kerbu {

// Where a fixed piece of the text stands, in front of, between or after the gaps; the
// text's pieces are the content's, in its order.
struct Prompt {
    const char* name{};
    int left{};
    int top{};
    int width{};
    Qt::Alignment align = Qt::AlignRight;
};

// Where a gap stands, and the colour family it is painted in.
struct GapPlace {
    int left{};
    int top{};
    int width{};
    int family = 0;
};

// An editable word in front of a gap; the gap's model says what it holds.
struct WordBox {
    const char* name{};
    int left{};
    int top{};
    int width{};
    KeyTable keys{};
    int gap{}; // the gap it stands in front of
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

// Everything that places one gap-filling window; its gaps are the model's, in its order.
struct GapDesign {
    // Where the title, Next and Char stand; the window gives them their names and looks.
    ControlDesign title{};
    ControlDesign next{};
    ControlDesign charButton{};
    std::span<const GapPlace> gaps{};
    std::span<const Prompt> prompts{};
    std::span<const WordBox> wordBoxes{};
    std::span<const Separator> separators{}; // a "/" between the two answers of a line, if any
    std::span<const GapColours> families{};
    ControlDesign hintLine{}; // where the Hints line stands
    // The focus order of the answer boxes: gap numbers, or -1 - n for word box n.
    std::span<const int> focusOrder{};
    bool charActsOnFocus = false; // Char acts when it receives the focus, not on a click
};

// A text with gaps: the learner fills them in any order, each checked on its own; a right
// ending locks its gap, colours it and moves on to the next open gap.
class GapWindow : public ExerciseWindow {
    Q_OBJECT
  public:
    // Throws std::invalid_argument where the design places another number of gaps or
    // pieces than the content has.
    GapWindow(ExerciseSetup setup, GapDesign design, const GapContent& content,
              ProgramState& state);

    const GapText& text() const { return *text_; }
    int gapCount() const { return text_->size(); }
    // A gap's box while the window is loaded; nullptr else.
    TextBox* gap(int number) const;
    // The current gap, and the word box in front of it where it has one.
    QLineEdit* answerBox() const override { return gap(text_->current()); }
    QLineEdit* frontBox() const override;

  protected:
    void buildControls(QWidget* body) override;
    void onUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showItem(bool afterRight) override;
    void runBegun() override;
    void answeredRight(int item) override;
    // Start goes back to the first gap, where it is open.
    QWidget* firstBox() const override { return gap(0); }

  private:
    void gapFocused(int number);
    // Every gap and word box as the model has them when a run begins.
    void showGaps();
    void lock(int number); // a solved gap: disabled and in its solved colour
    void paint(QWidget* box, const QColor& colour);
    const GapColours& colours(int number) const;

    GapDesign design_;
    std::span<const TextPiece> pieces_;
    GapText* text_;
    // The gaps in their order and the word boxes of the design, while the window is loaded.
    struct Boxes {
        std::vector<TextBox*> gaps{};
        std::vector<TextBox*> words{};
    };
    std::optional<Boxes> boxes_;
    // While a solved gap is disabled, the focus that moves on by itself is not the learner's.
    bool locking_ = false;
};

} // namespace kerbu
