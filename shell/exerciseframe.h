#pragma once

#include "engine/framedesign.h"
#include "platform/formwindow.h"

#include <QKeySequence>
#include <QPointer>

class QAction;

namespace kerbu {

// Says the last Hungarian text again: a function key that no window takes, that types no
// letter, and that screen readers leave alone.
inline const QKeySequence sayAgainKey{Qt::Key_F5};

// The frame every exercise window carries: the Options and Help menus, Close, and the
// block of buttons that go straight to another exercise.
class Program;

class ExerciseFrame : public FormPart {
  public:
    // own: the name of the exercise window the frame is built into.
    ExerciseFrame(Program& program, QString own, FrameDesign design);

    void build(FormWindow& window, QWidget* body) override;
    // Opens the window above the others, with "On&Top" checked.
    void load(FormWindow& window) override;
    // The close box does what Close does: back to the main menu.
    bool closeBox(FormWindow& window) override;

    QString howToText() const;

  private:
    void howTo(FormWindow& window);

    Program& program_;
    QString own_;
    FrameDesign design_;
    QPointer<QAction> onTop_; // the menus are made anew with every load
};

} // namespace kerbu
