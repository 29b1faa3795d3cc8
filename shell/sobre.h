#pragma once

#include "platform/formwindow.h"

#include <QPixmap>
#include <QPointer>

class QLabel;
class QPushButton;
class QTimer;

namespace kerbu {

class Program;

// The window shown at start-up as a splash, and later as the About window.
class Sobre : public FormWindow {
    Q_OBJECT
  public:
    explicit Sobre(Program& program);

    // What the About menu items do after showing the window: it stays until OK.
    void enterAboutMode();
    // The About message box, opened by the information picture.
    void aboutMessage();
    QString aboutText() const;
    // Shows the next frame of the animated picture.
    void animate();

  protected:
    void buildControls(QWidget* body) override;
    void onLoad() override;
    void onUnload() override;

  private:
    void drawFrame(int i);
    void drawFrames();

    Program& program_;
    QPointer<QLabel> image1_;
    // The three frames of the animated picture, and the one it shows.
    QPixmap frames_[3];
    int frame_ = 0;
    QPointer<QPushButton> ok_;
    QPointer<QTimer> timer1_;
};

} // namespace kerbu
