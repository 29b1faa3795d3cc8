#include "sounduser.h"

namespace kerbu {

void SoundUser::setProblem(const QString& why) {
    if (why.isEmpty() && !problem_.isEmpty()) {
        problem_.clear();
        emit problemGone();
    } else if (!why.isEmpty() && problem_.isEmpty()) {
        problem_ = why;
        emit problemFound(why);
    }
}

void SoundUser::postProblem(const QString& why) {
    QMetaObject::invokeMethod(
        this, [this, why] { setProblem(why); }, Qt::QueuedConnection);
}

} // namespace kerbu
