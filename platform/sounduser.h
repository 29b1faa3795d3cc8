#pragma once

#include <QObject>
#include <QString>

namespace kerbu {

// The voice and the recorder: each says, in one line, why it cannot be used, and tells when
// that changes.
class SoundUser : public QObject {
    Q_OBJECT
  public:
    // Why it cannot be used; empty while nothing speaks against it.
    QString problem() const { return problem_; }

  signals:
    void problemFound(const QString& why);
    // It can be used again.
    void problemGone();

  protected:
    // On the windows' thread: it cannot be used, or (empty) can be again.
    void setProblem(const QString& why);

  private:
    QString problem_;
};

} // namespace kerbu
