#pragma once

#include <QObject>
#include <QVariantMap>

namespace kerbu {

// Whether a screen reader is running on the desktop, as the accessibility bus says
// (org.a11y.Status.ScreenReaderEnabled on the session bus). Asked once when followed and
// kept up to date by the bus's change signal, so that the answer is there before the first
// step and never waits.
class ScreenReaderStatus : public QObject {
    Q_OBJECT
  public:
    // Asks the bus without waiting and follows its changes; with no session bus, off.
    void follow();
    bool on() const { return on_; }

  private slots:
    // The bus's signal of changed properties, connected by its name.
    void changed(const QString& interface, const QVariantMap& values, const QStringList&);

  private:
    bool on_ = false;
};

} // namespace kerbu
