#pragma once

#include "platform/formwindow.h"

#include <QPixmap>

class QLabel;
class QPushButton;
class QTimer;

namespace kerbu {

// The window shown at start-up as a splash, and later as the About window.
class Sobre : public FormWindow {
    Q_OBJECT
  public:
    Sobre();

    // False until the splash has closed; then true for good, for the whole program.
    // Loading the window in splash mode or in About mode depends on it.
    static inline bool splashDone = false;

    // What the About menu items do after showing the window: it stays until OK.
    void enterAboutMode();
    // The About message box, opened by the information picture.
    void aboutMessage();
    static QString aboutText();
    // Shows the next frame of the animated picture.
    void animate();
    // Which of the three frames the animated picture shows (0 to 2), or -1.
    int frame() const;

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;
    void onUnload() override;

  private:
    void drawFrame(int i);
    void drawFrames();

    QLabel* image1_ = nullptr;
    QLabel* frames_[3] = {};
    QPushButton* ok_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace kerbu
