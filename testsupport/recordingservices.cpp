#include "recordingservices.h"

namespace kerbu {

void RecordingServices::messageBox(QWidget*, const QString& text, const QString& title, Icon icon) {
    messages.push_back({text, title, icon});
    if (onMessage)
        onMessage(messages.back());
}

void RecordingServices::setOnTop(QWidget* window, bool onTop) {
    onTopCalls.emplace_back(window, onTop);
    Services::setOnTop(window, onTop);
}

void RecordingServices::announce(QWidget* control) {
    announced.push_back(control);
    Services::announce(control);
}

Speaker& RecordingServices::speaker() {
    return *speaker_;
}

RecordingSpeaker& RecordingServices::recordedSpeaker() {
    return *speaker_;
}

void RecordingServices::clear() {
    speaker_ = std::make_unique<RecordingSpeaker>();
    messages.clear();
    onTopCalls.clear();
    helpTopics.clear();
    announced.clear();
    beeps = 0;
    ends = 0;
}

} // namespace kerbu
