#pragma once

#include <QString>
#include <vector>

namespace kerbu::oral {

// The learner's recording and the voice's model are compared by their loudness over time,
// a value from 0 to 1 for each 20 ms, so that a vowel held too short or too long shows.
constexpr int loudnessStepMs = 20;
std::vector<float> loudness(const short* samples, std::size_t count, int rate);
double seconds(std::size_t count, int rate);

// The two lengths as a screen reader says them: "You: 0.9 seconds; the voice: 0.7 seconds".
QString lengthsSaid(double learner, double voice);

// When a recording ends by itself: after about 1.5 s of quiet once the learner has spoken,
// or at 10 s. Fed one piece after the other, in the order recorded.
class RecordingEnd {
  public:
    static constexpr int quietMsAfterSpeech = 1500;
    static constexpr int longestMs = 10000;
    // A piece of `ms` milliseconds at this loudness (0 to 1); true once the recording ends.
    bool add(float level, int ms);

  private:
    int recordedMs_ = 0;
    int quietMs_ = 0;
    bool spoken_ = false;
};

} // namespace kerbu::oral
