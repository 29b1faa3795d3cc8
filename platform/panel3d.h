#pragma once

#include <QWidget>

namespace kerbu {

// A raised 3-D panel with a centred caption, framing other controls.
class Panel3D : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
  public:
    explicit Panel3D(QWidget* parent = nullptr);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

} // namespace kerbu
