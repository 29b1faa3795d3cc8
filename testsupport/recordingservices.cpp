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

void RecordingRecorder::finish() {
    if (!recording_)
        return;
    recording_ = false;
    std::vector<short> tone(rate);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = short(8000 * ((i / 10) % 2 ? 1 : -1));
    emit finished(tone, rate);
}

Speaker& RecordingServices::speaker() {
    return *speaker_;
}

RecordingSpeaker& RecordingServices::recordedSpeaker() {
    return *speaker_;
}

void RecordingServices::clear() {
    speaker_ = std::make_unique<RecordingSpeaker>();
    recorder_ = std::make_unique<RecordingRecorder>();
    messages.clear();
    onTopCalls.clear();
    helpTopics.clear();
    announced.clear();
    beeps = 0;
    ends = 0;
    screenReader = false;
}

} // namespace kerbu
