#include "speaker.h"

namespace kerbu {

void Speaker::setProblem(const QString& why) {
    if (why.isEmpty() || !problem_.isEmpty())
        return;
    problem_ = why;
    emit problemFound(why);
}

} // namespace kerbu
