#pragma once

#include "model/marks.h"
#include "platform/controls.h"

#include <QLabel>

namespace kerbu {

// What the learner typed, as rich text: the marked letters in red, bold and underlined
// (a blank too many as an open box), a "_" where letters are missing. The text is escaped,
// hidden and control characters are shown as such, right-to-left text is set apart and a
// letter carries at most a few accents.
// With onlyMarkedWords, the words of a sentence without a mark stand as "…".
QString markedHtml(const MarkedText& marks, bool onlyMarkedWords = false);
// The same for a screen reader: "bankban, marked: letters 5 to 7".
QString markedSpoken(const MarkedText& marks);

// The Hints line: after a wrong answer what was typed with its letters marked and the
// hint, after Solution why the answer is so. What does not fit the line is cut at a word
// with "…"; the whole text is its tooltip and what a screen reader reads.
class HintLine : public QLabel {
    Q_OBJECT
  public:
    HintLine(QWidget* parent, const ControlDesign& design);

    void showHint(const MarkedText& marks, const QString& hint);
    // What a screen reader hears of a hint: the marks in words, then the hint.
    static QString spokenHint(const MarkedText& marks, const QString& hint);
    void showWhy(const QString& why);

  private:
    // Shows a head (the first that lets the text fit) and the text, cut to fit.
    void fit(const QStringList& heads, const QString& text);
};

} // namespace kerbu
