#pragma once

#include <QObject>

namespace kerbu {

// Whether a screen reader is running on the desktop, as the accessibility bus says
// (org.a11y.Status.ScreenReaderEnabled on the session bus). Asked without waiting: the
// answer is kept and asked again for the next time.
class ScreenReaderStatus : public QObject {
    Q_OBJECT
  public:
    bool on();

  private:
    void ask();
    bool on_ = false;
    bool asking_ = false;
};

} // namespace kerbu
