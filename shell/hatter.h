#pragma once

#include "platform/formwindow.h"

namespace kerbu {

// The plain background behind the main menu and the exercise windows.
class Hatter : public FormWindow {
    Q_OBJECT
  public:
    Hatter();

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;
    // Closing the background ends the program, as "&End" does.
    void closeBoxPressed() override;
    QPaintEngine* paintEngine() const override;

  private:
    bool bySystem_ = false;
};

} // namespace kerbu
