#pragma once

#include <QRect>
#include <QWidget>

class QLabel;
class QTableView;

namespace kerbu {

class MistakeLog;

// Where a window of `wanted` size stands beside `frame` on `screen` without covering it:
// to its right, else to its left, below or above, on the first side with room enough, or
// else on the roomiest side, made as small as that side is.
QRect besideRect(const QRect& frame, const QSize& wanted, const QRect& screen);

// The Mistakes list: a small window beside its exercise that shows the wrong tries of the
// run as they happen, with the score line above them. Not modal; Escape closes it.
class MistakesWindow : public QWidget {
    Q_OBJECT
  public:
    MistakesWindow(MistakeLog& log, QWidget* exercise);

    // Shows it beside the exercise; `activate` gives it the keyboard.
    void showBeside(bool activate);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void updateScore();

    MistakeLog& log_;
    QWidget* exercise_;
    QLabel* score_ = nullptr;
    QTableView* view_ = nullptr;
};

} // namespace kerbu
