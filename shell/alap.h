#pragma once

#include "platform/formwindow.h"

namespace kerbu {

// The main menu: one animated button for each exercise, "&End", and a Help menu.
class Alap : public FormWindow {
    Q_OBJECT
  public:
    Alap();
    static QString howToText();

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;
    // Closing the main menu ends the program, as "&End" does.
    void closeBoxPressed() override;
};

} // namespace kerbu
