#pragma once

#include "sounduser.h"

#include <QStringList>
#include <vector>

namespace kerbu {

// Says Hungarian texts aloud, one after the other, without holding up the windows. The
// texts of one step are said in turn; a new step cuts short what is left of the last.
class Speaker : public SoundUser {
    Q_OBJECT
  public:
    // Makes the voice ready in the background; problemFound comes if it cannot be.
    virtual void prepare() = 0;
    // Says the texts in turn, once whatever is being said has been cut short. Nothing
    // happens where the voice cannot be used.
    virtual void say(const QStringList& texts) = 0;
    // Silences at once what is being said; what was still to come is dropped.
    virtual void stop() = 0;
    // A short tone, as a new step: the learner may speak now.
    virtual void tone() = 0;
    // Says a text slowly, with more room between the words, as a new step.
    virtual void saySlowly(const QString& text) = 0;
    // Plays the learner's recording (16-bit, one channel, at `rate`) and, after a short
    // pause, says the model, as a new step; modelHeard comes as the model is made.
    virtual void playThenSay(std::vector<short> recording, int rate, const QString& model) = 0;
  signals:
    // The model of playThenSay: its loudness over time and its length.
    void modelHeard(const std::vector<float>& loudness, double seconds);
};

} // namespace kerbu
