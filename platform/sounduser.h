#pragma once

#include <QObject>
#include <QString>

namespace kerbu {

// Why libpulse, which the voice and the recorder load at their first use, cannot be used.
inline const QString soundLibraryMissing =
    QStringLiteral("The sound library is not installed (libpulse0).");
inline const QString soundLibraryTooOld =
    QStringLiteral("The sound library (libpulse0) is too old.");

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
    // The same from a thread of its own, handed on to the windows' thread.
    void postProblem(const QString& why);

  private:
    QString problem_;
};

} // namespace kerbu
