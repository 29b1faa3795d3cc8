#pragma once

#include "espeakvoice.h"
#include "soundoutput.h"
#include "speaker.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace kerbu {

// The Hungarian voice heard through the sound server. Everything slow (loading the voice
// and the sound library, opening the output, making and playing the sound) is done on one
// thread of its own, started at the first use; the windows only hand it texts. Where the
// sound server does not answer, or stops, it is asked again in the background, at most
// once a second, until it answers.
class EspeakSpeaker : public Speaker {
    Q_OBJECT
  public:
    using MakeOutput = std::function<std::unique_ptr<SoundOutput>()>;
    explicit EspeakSpeaker(QString library = QStringLiteral("espeak-ng"),
                           MakeOutput makeOutput = {});
    ~EspeakSpeaker() override;

    void prepare() override;
    void say(const QStringList& texts) override;
    void stop() override;
    void tone() override;
    void saySlowly(const QString& text) override;
    void playThenSay(std::vector<short> recording, int rate, const QString& model) override;

  private:
    // One text to say; slowly, or after the learner's recording.
    struct Utterance {
        QString text;
        bool slowly = false;
        bool tone = false;
        std::vector<short> recording{};
        int recordingRate = 0;
    };
    // Hands a new step to the thread, cutting the last one short.
    void queue(std::deque<Utterance> step);
    void run();
    // Says what comes until the program ends (true) or the output fails (false).
    bool speakWhatComes();
    // Says one text unless a newer step comes; false where the output failed.
    bool speak(const Utterance& text, unsigned step);
    // Writes samples a slice at a time while the step is current; false where it is not or
    // the output failed.
    bool write(const short* samples, std::size_t count, unsigned step);
    // Whether `step` is still the newest.
    bool isCurrent(unsigned step);

    QString library_;
    MakeOutput makeOutput_;
    std::unique_ptr<EspeakVoice> voice_;
    std::unique_ptr<SoundOutput> output_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Utterance> queue_;
    unsigned step_ = 0;    // counts the steps, so the thread sees when its step is cut short
    bool silence_ = false; // what is still heard goes
    bool quit_ = false;
    std::thread thread_;
};

} // namespace kerbu
