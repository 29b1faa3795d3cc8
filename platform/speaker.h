#pragma once

#include <QObject>
#include <QStringList>

namespace kerbu {

// Says Hungarian texts aloud, one after the other, without holding up the windows. The
// texts of one step are said in turn; a new step cuts short what is left of the last.
class Speaker : public QObject {
    Q_OBJECT
  public:
    // Makes the voice ready in the background; problemFound comes if it cannot be.
    virtual void prepare() = 0;
    // Says the texts in turn, once whatever is being said has been cut short. Nothing
    // happens where the voice cannot be used.
    virtual void say(const QStringList& texts) = 0;
    // Silences at once what is being said; what was still to come is dropped.
    virtual void stop() = 0;
    // Why the voice cannot be used, in one line; empty while nothing speaks against it.
    QString problem() const { return problem_; }

  signals:
    void problemFound(const QString& why);
    // The voice can be used again.
    void problemGone();

  protected:
    // On the windows' thread: the voice cannot be used, or (empty) can be again.
    void setProblem(const QString& why);

  private:
    QString problem_;
};

} // namespace kerbu
