#include "oral.h"

#include <algorithm>
#include <cmath>

namespace kerbu::oral {

namespace {

// Louder than a room's hum, softer than a whispered vowel.
constexpr float speechLevel = 0.03f;

} // namespace

std::vector<float> loudness(const short* samples, std::size_t count, int rate) {
    const std::size_t step = std::max<std::size_t>(std::size_t(rate) * loudnessStepMs / 1000, 1);
    std::vector<float> levels;
    for (std::size_t at = 0; at < count; at += step) {
        const std::size_t end = std::min(count, at + step);
        double sum = 0;
        for (std::size_t i = at; i < end; ++i)
            sum += double(samples[i]) * samples[i];
        levels.push_back(float(std::min(1.0, std::sqrt(sum / double(end - at)) / 32768.0 * 4)));
    }
    return levels;
}

double seconds(std::size_t count, int rate) {
    return rate > 0 ? double(count) / rate : 0;
}

QString lengthsSaid(double learner, double voice) {
    return QStringLiteral("You: %1 seconds; the voice: %2 seconds")
        .arg(learner, 0, 'f', 1)
        .arg(voice, 0, 'f', 1);
}

bool RecordingEnd::add(float level, int ms) {
    recordedMs_ += ms;
    if (level >= speechLevel) {
        spoken_ = true;
        quietMs_ = 0;
    } else if (spoken_) {
        quietMs_ += ms;
    }
    return recordedMs_ >= longestMs || quietMs_ >= quietMsAfterSpeech;
}

} // namespace kerbu::oral
