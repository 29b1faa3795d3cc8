#pragma once

#include "platform/formwindow.h"

namespace kerbu {

class Program;

// The main menu: one animated button for each exercise, "&End", and a Help menu.
class Alap : public FormWindow {
    Q_OBJECT
  public:
    explicit Alap(Program& program);
    static QString howToText();

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;
    // Closing the main menu ends the program, as "&End" does.
    void closeBoxPressed() override;

  private:
    Program& program_;
};

} // namespace kerbu
