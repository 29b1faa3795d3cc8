#pragma once

#include "engine/framedesign.h"
#include "platform/formwindow.h"
#include "windowtable.h"

class QAction;

namespace kerbu {

// The frame every exercise window carries: the Options and Help menus, Close, and the
// block of buttons that go straight to another exercise.
class ExerciseFrame : public FormPart {
  public:
    ExerciseFrame(WindowId own, FrameDesign design);

    void build(FormWindow& window, QWidget* body) override;
    // Opens the window above the others, with "On&Top" checked.
    void load(FormWindow& window) override;
    // The close box does what Close does: back to the main menu.
    bool closeBox(FormWindow& window) override;

    QString howToText() const;

  private:
    void howTo(FormWindow& window);

    WindowId own_;
    FrameDesign design_;
    QAction* onTop_ = nullptr;
};

} // namespace kerbu
