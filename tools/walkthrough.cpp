// Goes through the program as a learner would, on the desktop's own services: the splash,
// the main menu, one right answer in exercise 1/a, Close, and "&End". Used to watch what
// the program does to the system (files, sockets) on its way.
//
//   kerbu-walkthrough                the way above
//   kerbu-walkthrough --read-aloud   the same with Read aloud on: the answer is said
//   kerbu-walkthrough --record DIR   exercise 3, the first sentence answered right and said
//                                    by the learner (Say it yourself): "recording" once it
//                                    records; after the recording ended by itself, "played"
//                                    with the runs of sound heard on "out" after it, in ms,
//                                    and "said" with what a screen reader hears; again, to
//                                    "capped" with the lengths; again, ended by the key once
//                                    DIR/spoken exists, "stopped" with the runs after the key;
//                                    Solution, then the sentence said again and said slowly,
//                                    "again" and "slowly" with the runs of each; once
//                                    DIR/monitor exists, the microphone asked for again,
//                                    "greyed" with the reason
//   kerbu-walkthrough --voice DIR    exercise 3 instead, Read aloud on, while the sound
//                                    server's sink "out" is listened to: the first sentence
//                                    answered right and Read aloud unticked half a second
//                                    into the saying of it, "silent <ms>" on standard output
//                                    from the untick to the last sound heard (-1: nothing was
//                                    heard before it); ticked again, the next sentence
//                                    answered right and Close half a second into it, "closed
//                                    <ms>" the same way; then exercise 3 opened and started
//                                    again and, once DIR/killed exists, Say again, "greyed"
//                                    when the voice finds the sound server gone, and "back"
//                                    when it answers again

#include "engine/comparisonwindow.h"
#include "engine/sentencewindow.h"
#include "platform/formwindow.h"
#include "platform/services.h"
#include "shell/application.h"
#include "shell/program.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <pulse/simple.h>
#include <thread>
#include <vector>

using namespace kerbu;

namespace {

// Listens to what the sound server's sink "out" plays, 10 ms at a time, and keeps when each
// piece louder than a whisper came.
class Listener {
  public:
    Listener() {
        const pa_sample_spec spec{.format = PA_SAMPLE_S16LE, .rate = 8000, .channels = 1};
        const pa_buffer_attr buffer{.maxlength = uint32_t(-1),
                                    .tlength = uint32_t(-1),
                                    .prebuf = uint32_t(-1),
                                    .minreq = uint32_t(-1),
                                    .fragsize = sizeof(short) * 80};
        stream_ = pa_simple_new(nullptr, "kerbu-walkthrough", PA_STREAM_RECORD, "out.monitor",
                                "listener", &spec, nullptr, &buffer, nullptr);
        if (stream_)
            thread_ = std::thread([this] { listen(); });
    }
    ~Listener() {
        quit_ = true;
        if (thread_.joinable())
            thread_.join();
        if (stream_)
            pa_simple_free(stream_);
    }
    // The runs of loud pieces after `since` (apart by more than 300 ms of quiet), in ms
    // after it: "start-end start-end ...".
    QString runsAfter(qint64 since) {
        const std::lock_guard lock(mutex_);
        QStringList runs;
        qint64 start = -1, last = -1;
        for (const qint64 at : loud_) {
            if (at < since)
                continue;
            if (start >= 0 && at - last > 300) {
                runs << QStringLiteral("%1-%2").arg(start - since).arg(last - since);
                start = -1;
            }
            if (start < 0)
                start = at;
            last = at;
        }
        if (start >= 0)
            runs << QStringLiteral("%1-%2").arg(start - since).arg(last - since);
        return runs.join(' ');
    }
    // The last loud piece after `since`, in ms after it; -1 where none was heard between
    // `from` and it.
    qint64 lastLoudAfter(qint64 from, qint64 since) {
        const std::lock_guard lock(mutex_);
        if (std::none_of(loud_.begin(), loud_.end(),
                         [&](qint64 at) { return at >= from && at <= since; }))
            return -1;
        return std::max<qint64>(loud_.back() - since, 0);
    }

  private:
    void listen() {
        short piece[80];
        while (!quit_ && pa_simple_read(stream_, piece, sizeof piece, nullptr) >= 0) {
            if (std::any_of(std::begin(piece), std::end(piece),
                            [](short v) { return std::abs(v) > 500; })) {
                const std::lock_guard lock(mutex_);
                loud_.push_back(QDateTime::currentMSecsSinceEpoch());
            }
        }
    }
    pa_simple* stream_ = nullptr;
    std::atomic<bool> quit_{false};
    std::mutex mutex_;
    std::vector<qint64> loud_;
    std::thread thread_;
};

void tell(const char* line, bool withTime = false) {
    if (withTime)
        std::printf("%s %lld\n", line, static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    else
        std::printf("%s\n", line);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line as it comes, for the checks
    quietOffscreenNotes();
    setUpApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const bool readAloud = arguments.contains(QStringLiteral("--read-aloud"));
    const bool recordWay = arguments.contains(QStringLiteral("--record"));
    const bool voiceWay = arguments.contains(QStringLiteral("--voice")) || recordWay;
    const QString dir = arguments.value(
        arguments.indexOf(recordWay ? QStringLiteral("--record") : QStringLiteral("--voice")) + 1);
    const QString exerciseName = voiceWay ? QStringLiteral("k04d3") : QStringLiteral("k04d1a");
    Program program;
    Windows& windows = program.windows();
    windows.get(WindowId::sobre)->showForm();

    // The steps, one each 100 ms; a step that returns false is tried again next time.
    const auto exercise = [&windows, &exerciseName] {
        return static_cast<ExerciseWindow*>(windows.existing(exerciseName));
    };
    const auto control = [&exercise](const char* name) {
        return exercise()->control<QWidget>(QString::fromLatin1(name));
    };
    const auto click = [&control](const char* name) {
        static_cast<QPushButton*>(control(name))->click();
    };
    const auto item = [&exercise](const char* name) {
        return exercise()->findChild<QAction*>(QString::fromLatin1(name));
    };
    int ticks = 0;
    // Times the steps keep: they outlive the blocks that make the steps.
    qint64 answered = 0, stopped = 0, recorded = 0;
    const std::unique_ptr<Listener> listener = voiceWay ? std::make_unique<Listener>() : nullptr;
    const auto wait = [&ticks](int wanted) { return ++ticks > wanted ? (ticks = 0, true) : false; };
    // The right answer of the item shown, by Next.
    const auto answerRight = [&] {
        if (!voiceWay)
            static_cast<QLineEdit*>(control("Text1"))->clear();
        static_cast<QLineEdit*>(control(voiceWay ? "Text1" : "Text2"))
            ->setText(exercise()->model().item().right);
        click("Command2");
        return true;
    };
    // From the main menu by the exercise's button, once the menu shows.
    const auto openExercise = [&] {
        FormWindow* menu = windows.existing(QStringLiteral("alap"));
        if (!menu || !menu->isVisible())
            return false;
        QWidget* button = menu->control<QWidget>(voiceWay ? QStringLiteral("AniButton2")
                                                          : QStringLiteral("AniButton1"));
        return button->metaObject()->invokeMethod(button, "click");
    };
    // The voice's way: a right answer, and half a second into the saying of it `stop`; then
    // what was heard after it.
    const auto stopMidSentence = [&](const char* name, std::function<void()> stop) {
        return std::vector<std::function<bool()>>{
            [&] { return answered = QDateTime::currentMSecsSinceEpoch(), answerRight(); },
            [&] { return wait(4); },
            [&, stop] { return stop(), stopped = QDateTime::currentMSecsSinceEpoch(), true; },
            [&] { return wait(9); },
            [&, name] {
                std::printf("%s %lld\n", name,
                            static_cast<long long>(listener->lastLoudAfter(answered, stopped)));
                std::fflush(stdout);
                return true;
            },
        };
    };
    // Start, Read aloud on where it is wanted (it stays on when the window opens again).
    const auto start = [&] {
        if ((readAloud || voiceWay) && !item("mnuReadAloud")->isChecked())
            item("mnuReadAloud")->trigger();
        click("Command1");
        return true;
    };
    std::vector<std::function<bool()>> steps{
        openExercise,                   // the splash opens the menu by itself
        start, [&] { return wait(5); }, // the voice made ready
    };
    const auto add = [&steps](const std::vector<std::function<bool()>>& more) {
        steps.insert(steps.end(), more.begin(), more.end());
    };
    if (recordWay) {
        // Say it yourself after a right answer, three times: ended by the quiet after a
        // tone, by the longest a recording may be, and by the key; the sentence said again,
        // and slowly; then with no microphone.
        const auto sayYourself = [&] { return item("mnuSayYourself")->trigger(), true; };
        const auto whenRecording = [&] {
            return services().recorder().recording() && (tell("recording"), true);
        };
        const auto whenRecorded = [&] {
            if (services().recorder().recording())
                return false;
            recorded = QDateTime::currentMSecsSinceEpoch();
            return true;
        };
        add({answerRight,
             sayYourself,
             whenRecording,
             whenRecorded,
             [&] { return wait(60); },
             [&] {
                 std::printf("played %s\n", qPrintable(listener->runsAfter(recorded)));
                 std::printf("said %s\n", qPrintable(exercise()->comparisonWindow()->said()));
                 return true;
             },
             sayYourself,
             whenRecording,
             whenRecorded,
             [&] {
                 std::printf("capped %s\n", qPrintable(exercise()->comparisonWindow()->said()));
                 return true;
             },
             sayYourself,
             whenRecording,
             [&] { return QFile::exists(dir + "/spoken"); },
             [&, sayYourself] {
                 return recorded = QDateTime::currentMSecsSinceEpoch(), sayYourself();
             },
             [&] { return wait(40); },
             [&] {
                 std::printf("stopped %s\n", qPrintable(listener->runsAfter(recorded)));
                 // Solution, said as Read aloud is on; the learner reads its message box and
                 // closes it.
                 auto* closer = new QTimer(&app);
                 QObject::connect(closer, &QTimer::timeout, [closer] {
                     if (QWidget* box = QApplication::activeModalWidget()) {
                         box->close();
                         closer->deleteLater();
                     }
                 });
                 closer->start(500);
                 return click("Command14"), true;
             },
             [&] { return wait(40); },
             [&] {
                 recorded = QDateTime::currentMSecsSinceEpoch();
                 return item("mnuSayAgain")->trigger(), true;
             },
             [&] { return wait(40); },
             [&] {
                 std::printf("again %s\n", qPrintable(listener->runsAfter(recorded)));
                 recorded = QDateTime::currentMSecsSinceEpoch();
                 return item("mnuSaySlowly")->trigger(), true;
             },
             [&] { return wait(60); },
             [&] {
                 std::printf("slowly %s\n", qPrintable(listener->runsAfter(recorded)));
                 return true;
             },
             [&] {
                 const bool monitor = QFile::exists(dir + QStringLiteral("/monitor"));
                 if (monitor)
                     services().recorder().check();
                 return monitor;
             },
             [&] {
                 QAction* yourself = item("mnuSayYourself");
                 return !yourself->isEnabled() &&
                        (std::printf("greyed %s\n", qPrintable(yourself->toolTip())), true);
             }});
    } else if (voiceWay) {
        add(stopMidSentence("silent", [&] { item("mnuReadAloud")->trigger(); }));
        add({[&] { return item("mnuReadAloud")->trigger(), true; }});
        add(stopMidSentence("closed", [&] { click("Command3"); }));
        add({
            openExercise,
            start,
            [&] {
                const bool killed = QFile::exists(dir + QStringLiteral("/killed"));
                if (killed)
                    item("mnuSayAgain")->trigger();
                return killed;
            },
            [&] { return !item("mnuReadAloud")->isEnabled() && (tell("greyed"), true); },
            [&] { return item("mnuReadAloud")->isEnabled() && (tell("back"), true); },
        });
    } else {
        add({answerRight, [&] { return wait(readAloud ? 15 : 0); }}); // the answer heard out
    }
    add({
        [&] { return click("Command3"), true; },
        [&] {
            windows.existing(QStringLiteral("alap"))
                ->control<QPushButton>(QStringLiteral("Command1"))
                ->click();
            return true;
        },
    });
    std::size_t step = 0;
    QTimer driver;
    driver.setInterval(100);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (step < steps.size() && steps[step]())
            ++step;
    });
    driver.start();
    QTimer::singleShot(recordWay  ? 120000
                       : voiceWay ? 60000
                                  : 20000,
                       &app, [] {
                           std::fprintf(stderr, "walkthrough did not finish\n");
                           QCoreApplication::exit(1);
                       });
    const int status = QApplication::exec();
    windows.clear();
    const bool done = status == 0 && step == steps.size();
    std::printf("walkthrough: %s\n", done ? "done" : "failed");
    return done ? 0 : 1;
}
