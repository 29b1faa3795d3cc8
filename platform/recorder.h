#pragma once

#include "sounduser.h"

#include <QLibrary>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace kerbu {

// Records the learner from the desktop's default input, only when asked; what it records
// stays in memory and is handed on, never written anywhere.
class Recorder : public SoundUser {
    Q_OBJECT
  public:
    // Finds out in the background whether there is an input to record from; problemFound
    // comes where there is none.
    virtual void check() = 0;
    // Starts recording; finished comes when it ends: by finish(), after a quiet once the
    // learner has spoken, or at the longest.
    virtual void record() = 0;
    virtual void finish() = 0;
    // From record() until finished comes.
    bool recording() const { return recording_; }

  signals:
    // While recording, about every 20 ms: how loud the last piece was, from 0 to 1.
    void level(float loudness);
    void finished(const std::vector<short>& samples, int rate);

  protected:
    // From the recording's own thread, handed on to the windows' thread: how loud the last
    // piece was; the recording as it ended.
    void postLevel(float loudness);
    void handOver(std::vector<short> samples, int rate);

    std::atomic<bool> recording_{false};
};

// The sound server's default input, through libpulse, loaded at the first use: its
// introspection to tell a microphone from the monitors of outputs, its simple interface
// to record.
class PulseRecorder : public Recorder {
    Q_OBJECT
  public:
    static constexpr int rate = 22050;
    PulseRecorder();
    ~PulseRecorder() override;
    void check() override;
    void record() override;
    void finish() override { finish_ = true; }

  private:
    // Runs one job on the recorder's thread, once the last one has ended.
    void run(std::function<void()> job);
    // Empty where the default input is a microphone, else why it cannot be recorded from.
    QString askServer();
    void recordUntilDone();

    QLibrary pulse_;
    QLibrary simple_;
    std::thread thread_;
    std::atomic<bool> finish_{false};
};

} // namespace kerbu
