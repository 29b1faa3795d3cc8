#pragma once

// A microphone for the benchmarks where the sound server has none: it hands over quiet
// 20 ms pieces at the pace a microphone would, on a thread of its own, and ends as the real
// recorder does (asked, after the quiet once something was said, or at the longest). Like a
// blocking read from the sound server, finish() is seen only when the piece on its way has
// come.

#include "model/oral.h"
#include "platform/recorder.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace bench {

class PacedRecorder : public kerbu::Recorder {
  public:
    static constexpr int rate = 22050;
    ~PacedRecorder() override { stopThread(); }
    void check() override {}
    void record() override {
        if (recording_)
            return;
        stopThread();
        recording_ = true;
        finish_ = false;
        thread_ = std::thread([this] { recordUntilDone(); });
    }
    void finish() override { finish_ = true; }

  private:
    void stopThread() {
        finish_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    void recordUntilDone() {
        constexpr int pieceMs = kerbu::oral::loudnessStepMs;
        std::vector<short> samples;
        samples.reserve(std::size_t(rate) * kerbu::oral::RecordingEnd::longestMs / 1000);
        const std::vector<short> piece(std::size_t(rate * pieceMs / 1000), 3);
        kerbu::oral::RecordingEnd end;
        auto due = std::chrono::steady_clock::now();
        while (!finish_) {
            due += std::chrono::milliseconds(pieceMs);
            std::this_thread::sleep_until(due);
            samples.insert(samples.end(), piece.begin(), piece.end());
            postLevel(0);
            if (end.add(0, pieceMs))
                break;
        }
        handOver(std::move(samples), rate);
    }

    std::thread thread_;
    std::atomic<bool> finish_{false};
};

} // namespace bench
