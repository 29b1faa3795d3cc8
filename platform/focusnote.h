#pragma once

#include <QLabel>
#include <QPointer>

namespace kerbu {

// A short note for a screen reader. Qt 6.4 cannot make a reader say a text at once, and
// Orca skips a focus that is gone before it looks. So the note, a 1-pixel spot named with
// its text, takes the focus for a moment and then hands it back to the box the learner
// works in, which the reader then says again. Keys typed meanwhile go on to that box.
// Without a screen reader listening it does nothing.
class FocusNote : public QLabel {
    Q_OBJECT
  public:
    explicit FocusNote(QWidget* parent);

    void say(const QString& text, QWidget* back);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void handBack();

    QPointer<QWidget> back_;
};

} // namespace kerbu
