#pragma once

#include "platform/services.h"

#include <functional>
#include <vector>

namespace kerbu {

// Keeps what it is asked to say instead of saying it; a problem can be put in its way.
class RecordingSpeaker : public Speaker {
    Q_OBJECT
  public:
    void prepare() override { ++prepared; }
    void say(const QStringList& texts) override {
        if (problem().isEmpty())
            said.push_back(texts);
    }
    void stop() override { ++stops; }
    void tone() override { ++tones; }
    void saySlowly(const QString& text) override { slowly.push_back(text); }
    // The model comes back as heard, half a second long.
    void playThenSay(std::vector<short> recording, int rate, const QString& model) override {
        played.push_back({int(recording.size()) * 1000 / std::max(rate, 1), model});
        emit modelHeard(std::vector<float>(25, 0.5f), 0.5);
    }
    void fail(const QString& why) { setProblem(why); }
    void recover() { setProblem({}); }

    std::vector<QStringList> said;
    QStringList slowly;
    // What was played: the recording's length in milliseconds, and the model said after it.
    std::vector<std::pair<int, QString>> played;
    int prepared = 0;
    int stops = 0;
    int tones = 0;
};

// Stands in for the microphone: recording ends when the test finishes it, with a second of
// a tone; a problem can be put in its way.
class RecordingRecorder : public Recorder {
    Q_OBJECT
  public:
    static constexpr int rate = 8000;
    void check() override { ++checks; }
    void record() override { ++records, recording_ = true; }
    void finish() override;
    // As the real one: a recording under way ends, with nothing recorded.
    void fail(const QString& why) {
        setProblem(why);
        if (recording_.exchange(false))
            emit finished({}, rate);
    }

    int checks = 0;
    int records = 0;
};

// Records every request instead of blocking or ending anything. Used by the tests,
// the gallery and the benchmarks, which drive the windows by program.
class RecordingServices : public Services {
  public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
    };

    void messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon) override;
    void beep() override { ++beeps; }
    void setOnTop(QWidget* window, bool onTop) override;
    void showHelp(int context) override { helpTopics.push_back(context); }
    void announce(QWidget* control) override;
    void endProgram() override { ++ends; }
    bool screenReaderListening() const override { return screenReader; }
    bool screenReaderOn() override { return screenReader; }
    Speaker& speaker() override;
    RecordingSpeaker& recordedSpeaker();
    Recorder& recorder() override { return *recorder_; }
    RecordingRecorder& recordingRecorder() { return *recorder_; }

    void clear();

    std::vector<Message> messages;
    std::vector<std::pair<QWidget*, bool>> onTopCalls;
    std::vector<int> helpTopics;
    std::vector<QWidget*> announced;
    int beeps = 0;
    int ends = 0;
    bool screenReader = false;
    // Called for each message box while it is "open", before the call returns.
    std::function<void(const Message&)> onMessage;

  private:
    std::unique_ptr<RecordingSpeaker> speaker_ = std::make_unique<RecordingSpeaker>();
    std::unique_ptr<RecordingRecorder> recorder_ = std::make_unique<RecordingRecorder>();
};

} // namespace kerbu
