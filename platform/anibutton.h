#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <QTimer>

namespace kerbu {

// A push button with an animated picture on the left and a caption on the right. The
// picture plays while the pointer is over the button or the button has the focus, and
// rests on its first frame otherwise.
class AniPushButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit AniPushButton(QWidget* parent = nullptr);
    // Resources of the frames, played in order.
    void setFrames(const QStringList& frames);
    int currentFrame() const { return frame_; }
    bool isAnimating() const { return timer_.isActive(); }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void updateAnimation();

    QStringList frames_;
    int frame_ = 0;
    bool hovered_ = false;
    QTimer timer_;
};

} // namespace kerbu
