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
    // The caption beside the picture, with "&" before its access key.
    Q_PROPERTY(QString caption READ text WRITE setText)
    Q_PROPERTY(QStringList frames READ frames WRITE setFrames)
    // The frame the picture shows, from 0.
    Q_PROPERTY(int currentFrame READ currentFrame NOTIFY frameChanged)
  public:
    explicit AniPushButton(QWidget* parent = nullptr);
    // Resources of the frames, played in order.
    QStringList frames() const { return frames_; }
    void setFrames(const QStringList& frames);
    int currentFrame() const { return frame_; }
    bool isAnimating() const { return timer_.isActive(); }
    QSize sizeHint() const override;

  signals:
    void frameChanged(int frame);

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
    void showFrame(int frame);

    QStringList frames_;
    int frame_ = 0;
    bool hovered_ = false;
    QTimer timer_;
};

} // namespace kerbu
