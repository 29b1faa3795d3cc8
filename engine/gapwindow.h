#pragma once

#include "exercisewindow.h"
#include "keys.h"
#include "platform/controls.h"

#include <span>

namespace kerbu {

// How a gap's answer is checked.
enum class GapCheck {
    Trimmed,    // the gap, blanks around it removed, equals the expected ending
    Exact,      // the gap as typed equals the expected ending or the alternative
    WithWordBox // the word box in front of it and the gap, joined as typed, make the whole
};

// One gap of a text: its place, what it expects and how it is checked.
struct Gap {
    int left{};
    int top{};
    int width{};
    const char16_t* expected{};
    GapCheck check = GapCheck::Trimmed;
    const char16_t* alternative = nullptr; // Exact: a second accepted answer
    const char* wordBox = nullptr;         // WithWordBox: the word box in front of the gap
    const char16_t* whole = nullptr;       // WithWordBox: what the two make together
    const char16_t* solution = nullptr;    // what Solution shows, where it is not the ending
    int family = 0;                        // colour family
    const char16_t* word = nullptr;        // the word the ending belongs to, for the hints
};

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
    GapWindow(const QString& name, GapDesign design, FrameDesign frame);

    // The how-to message hands the focus to the current gap.
    FrameDesign frameDesign() const override;

    int idx() const { return idx_; }
    int solved() const { return solved_; }
    Phase phase() const { return phase_; }
    QString expected() const { return expected_; }
    int gapCount() const { return int(design_.gaps.size()); }
    std::span<const Gap> gaps() const { return design_.gaps; }
    TextBox* gap(int number) const;

    void startClicked();
    void nextClicked();
    void solutionClicked();
    void charPressed();

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void gapFocused(int number);
    void focusGap(int number);
    void openGaps();
    void oke();  // a right ending: lock and colour the gap, go on or finish
    void hiba(); // a wrong ending: beep, say so, back into the gap
    void dodo(); // on to the next open gap
    bool isRight() const;
    Hint::Result hint() const;
    void paint(QWidget* box, const QColor& colour);

    GapDesign design_;
    FrameDesign frame_;
    int idx_ = 0;      // the current gap
    int solved_ = 0;   // gaps answered right in this run
    QString expected_; // the ending the current gap takes
    Phase phase_ = Phase::NotStarted;
    // From the first accomplished run until the window closes, Start reads "&Restart" and
    // opens every gap afresh.
    bool restartRun_ = false;
    // While a solved gap is disabled, the focus that moves on by itself is not the learner's.
    bool locking_ = false;

    QPushButton* char_ = nullptr;
};

} // namespace kerbu
