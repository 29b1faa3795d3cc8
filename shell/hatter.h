#pragma once

#include "platform/formwindow.h"

namespace kerbu {

class Program;

// The plain background behind the main menu and the exercise windows.
class Hatter : public FormWindow {
    Q_OBJECT
  public:
    explicit Hatter(Program& program);

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;
    // Closing the background ends the program, as "&End" does.
    void closeBoxPressed() override;
    QPaintEngine* paintEngine() const override;

  private:
    Program& program_;
    bool bySystem_ = false;
};

} // namespace kerbu
