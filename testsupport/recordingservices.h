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
    void fail(const QString& why) { setProblem(why); }
    void recover() { setProblem({}); }

    std::vector<QStringList> said;
    int prepared = 0;
    int stops = 0;
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
};

} // namespace kerbu
