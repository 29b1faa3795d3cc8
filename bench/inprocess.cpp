// Drives the program's own windows in one process and reports, for bench/run.sh:
//
//   splash_menu_ms <median> <min> <max>   splash painted to main menu painted
//   vmhwm_kb <kB>                         peak memory once all eight exercises were shown
//                                         and Close led back to the main menu
//   switch_ms <median> <p95> <max>        go-to click to the next exercise painted
//   key_ms <median> <p95>                 key press to the hunkey letter painted in 1/a
//   pick_per_s <choices per second>       a run's draw with one open item of 80
//   speech_ms <median> <p95> <sound>      with Read aloud on, Enter on a right answer in 1/a
//                                         to the first samples written to the sound output
//                                         (sound 1: the sound server; 0: none answered, the
//                                         samples went to a null output that takes them at
//                                         the pace they are heard)
//   silence_ms <median> <p95> <sound>     Read aloud unticked in the middle of a word to the
//                                         end of the last samples written
//   record_ms <median> <p95> <microphone>  Say it yourself: the key that stops the recording
//                                         to the first samples of it played back
//                                         (microphone 1: the sound server's default input;
//                                         0: a stand-in that gives quiet at a microphone's
//                                         pace)
//
// With "--memory" it only reports vmhwm_kb, the peak memory of a short run: the main menu,
// 1/a, a right answer, and the voice saying it slowly; with "--memory --recording" the same
// run, but Say it yourself with a recording of ten seconds, the longest, played back before
// the voice (one second with "--quick").
//
// The go-to switches and the keys are measured with Read aloud on; the memory before it.
//
// "--quick" does a few of each, to see that it all still works.

#include "engine/exercisewindow.h"
#include "measure.h"
#include "model/pool.h"
#include "model/random.h"
#include "pacedrecorder.h"
#include "platform/espeakspeaker.h"
#include "platform/formwindow.h"
#include "shell/application.h"
#include "shell/lesson.h"
#include "shell/program.h"
#include "testsupport/recordingservices.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using namespace kerbu;

namespace {

// Says what went wrong; returns the "no time" value -1.
double fail(const char* what) {
    std::fprintf(stderr, "kerbu-bench-inprocess: %s\n", what);
    return -1;
}

// The same, for the benchmarks that say only whether they ran.
bool failed(const char* what) {
    fail(what);
    return false;
}

// The sound server where one answers, else nothing that takes the samples as fast as they
// would be heard; either way the time of the first samples written after each answer, and
// when the last ones were.
class TimedOutput : public SoundOutput {
  public:
    QString open(int sampleRate) override {
        rate_ = sampleRate;
        real = pulse_.open(sampleRate).isEmpty();
        return {};
    }
    bool write(const short* samples, int count) override {
        double none = -1;
        first.compare_exchange_strong(none, bench::nowMs());
        const bool written = real ? pulse_.write(samples, count) : pace(count);
        last = bench::nowMs();
        return written;
    }
    void flush() override {
        if (real)
            pulse_.flush();
    }
    static inline std::atomic<double> first{-1};
    static inline std::atomic<double> last{-1};
    static inline std::atomic<bool> real{false};

  private:
    bool pace(int count) const {
        std::this_thread::sleep_for(std::chrono::microseconds(count * 1000000LL / rate_));
        return true;
    }
    PulseOutput pulse_;
    int rate_ = 1;
};

// Waits, turning the event loop, until `done` or `ms` have passed; whether it is done.
template <typename Done> bool waitFor(Done done, int ms) {
    const double start = bench::nowMs();
    while (!done() && bench::nowMs() - start < ms)
        QTest::qWait(1);
    return done();
}

// The recording services, with the real voice, and the sound server's microphone where it
// has one.
class BenchServices : public RecordingServices {
  public:
    Speaker& speaker() override { return speaker_; }
    Recorder& recorder() override { return *recorder_; }

    // Records a moment from the sound server's default input; where that gives sound, the
    // windows loaded from now on record from it, else from the stand-in. Both stay, for the
    // windows loaded before.
    void findMicrophone() {
        int levels = 0;
        bool done = false;
        const auto counted = QObject::connect(&pulse_, &Recorder::level, [&levels] { ++levels; });
        const auto ended = QObject::connect(&pulse_, &Recorder::finished, [&done] { done = true; });
        pulse_.record();
        waitFor([&] { return levels >= 5 || done; }, 4000);
        pulse_.finish();
        waitFor([&] { return done; }, 3000);
        QObject::disconnect(counted);
        QObject::disconnect(ended);
        microphone = levels >= 5 && pulse_.problem().isEmpty();
        if (microphone)
            recorder_ = &pulse_;
    }
    bool microphone = false;

  private:
    EspeakSpeaker speaker_{QStringLiteral("espeak-ng"),
                           [] { return std::make_unique<TimedOutput>(); }};
    PulseRecorder pulse_;
    bench::PacedRecorder paced_;
    Recorder* recorder_ = &paced_;
};

BenchServices recording;
std::unique_ptr<Program> program;

Windows& windows() {
    return program->windows();
}

// The lesson's exercise at a position, round the lesson.
const Exercise& exercise(int position) {
    const Lesson& lesson = program->lesson();
    return lesson.exercises[std::size_t(position % lesson.size())];
}

bool isWindow(QWidget* window, const char* name) {
    return window->objectName() == QLatin1String(name);
}

// The go-to button of an exercise window that opens the target, found by its caption.
QPushButton* goToButton(FormWindow* window, const Exercise& target) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == QLatin1String(target.goToCaption))
            return button;
    }
    return nullptr;
}

// Shows the splash as the program's start does; the milliseconds from the splash painted
// to the main menu painted.
double splashToMenu(bench::FirstPaint& painted) {
    FormWindow* splash = windows().get(WindowId::sobre);
    painted.arm(splash);
    splash->showForm();
    if (!painted.wait())
        return fail("the splash was not painted");
    const double splashPainted = painted.paintedMs;
    painted.arm([](QWidget* w) { return isWindow(w, "alap"); });
    if (!painted.wait(3000))
        return fail("the main menu was not painted");
    return painted.paintedMs - splashPainted;
}

// Clicks the go-to button from one exercise to another; the milliseconds from the click
// to the target painted, or -1.
double goTo(bench::FirstPaint& painted, const Exercise& from, const Exercise& to) {
    QPushButton* button = goToButton(windows().get(QString::fromLatin1(from.name)), to);
    if (!button)
        return fail("no go-to button");
    painted.arm([&to](QWidget* w) { return isWindow(w, to.name); });
    const double clicked = bench::nowMs();
    bench::click(button);
    // The program's own event loop deletes the unloaded controls as soon as the click
    // has returned; do the same here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!painted.wait())
        return fail("the exercise was not painted");
    return painted.paintedMs - clicked;
}

double pickRate(int picks) {
    ItemPool pool(80);
    Random random;
    const int open = 37;
    for (int i = 0; i < 80; ++i) {
        if (i != open)
            pool.useUp(i);
    }
    const double start = bench::nowMs();
    for (int i = 0; i < picks; ++i) {
        if (pool.draw(random, 79) != open)
            return fail("the draw chose a used-up item");
    }
    const double seconds = (bench::nowMs() - start) / 1e3;
    return picks / seconds;
}

// Exercise 1/a by its button on the main menu.
bool openFromMenu(bench::FirstPaint& painted) {
    painted.arm([](QWidget* w) { return isWindow(w, exercise(0).name); });
    bench::click(windows().get(WindowId::alap)->control(QStringLiteral("AniButton1")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!painted.wait()) {
        fail("exercise 1/a was not painted");
        return false;
    }
    return true;
}

// Waits for the first samples after `since`; their time after it, or -1.
double firstSamples(double since) {
    while (TimedOutput::first < 0 && bench::nowMs() - since < 5000)
        QTest::qWait(1);
    return TimedOutput::first < 0 ? -1 : TimedOutput::first - since;
}

// Right answers in 1/a with Read aloud on: Enter to the first samples of the right form.
bool speech(bench::FirstPaint& painted, int count) {
    recording.speaker().say({QStringLiteral("szia")}); // the voice made ready first
    if (firstSamples(bench::nowMs()) < 0) {
        fail("the voice said nothing");
        return false;
    }
    FormWindow* window = windows().exercise(0);
    if (!window->isLoaded() && goTo(painted, exercise(1), exercise(0)) < 0)
        return false;
    auto* exercise = static_cast<ExerciseWindow*>(window);
    auto* word = window->control<QLineEdit>(QStringLiteral("Text1"));
    auto* ending = window->control<QLineEdit>(QStringLiteral("Text2"));
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        if (exercise->model().phase() != Phase::Waiting)
            bench::click(window->control(QStringLiteral("Command1")));
        word->clear();
        ending->setText(exercise->model().item().right);
        QTest::qWait(200); // the last step heard out, more or less
        TimedOutput::first = -1;
        const double enter = bench::nowMs();
        QTest::keyClick(ending, Qt::Key_Return);
        times.push_back(firstSamples(enter));
        if (times.back() < 0) {
            fail("a right answer was not said");
            return false;
        }
    }
    bench::report("speech_ms", {bench::median(times), bench::quantile(times, 0.95),
                                TimedOutput::real ? 1.0 : 0.0});
    return true;
}

// Read aloud unticked 150 ms into the saying of Solution in 1/a: the milliseconds from the
// untick to the end of the last samples written.
bool silence(int count) {
    FormWindow* window = windows().exercise(0);
    QAction* readAloud = window->findChild<QAction*>(QStringLiteral("mnuReadAloud"));
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        if (!readAloud->isChecked())
            readAloud->trigger();
        TimedOutput::first = -1;
        // Timed from before the click: the first samples may come before it returns.
        const double clicked = bench::nowMs();
        bench::click(window->control(QStringLiteral("Command15")));
        if (firstSamples(clicked) < 0) {
            fail("Solution was not said");
            return false;
        }
        QTest::qWait(150);
        const double untick = bench::nowMs();
        readAloud->trigger();
        QTest::qWait(300);
        times.push_back(std::max(TimedOutput::last - untick, 0.0));
    }
    bench::report("silence_ms", {bench::median(times), bench::quantile(times, 0.95),
                                 TimedOutput::real ? 1.0 : 0.0});
    return true;
}

// Say it yourself in 1/a after Solution: the milliseconds from the item that stops the
// recording (as its key does) to the first samples of the recording played back.
bool sayYourself(int count) {
    QAction* yourself =
        windows().exercise(0)->findChild<QAction*>(QStringLiteral("mnuSayYourself"));
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        if (!yourself->isEnabled())
            return failed(
                qPrintable(QStringLiteral("Say it yourself is greyed: ") + yourself->toolTip()));
        // The learner speaks a while: half a second recorded.
        int levels = 0;
        const auto counted =
            QObject::connect(&recording.recorder(), &Recorder::level, [&levels] { ++levels; });
        yourself->trigger();
        const bool spoken = waitFor([&levels] { return levels >= 25; }, 5000);
        QObject::disconnect(counted);
        if (!spoken)
            return failed("the recording did not start");
        TimedOutput::first = -1;
        const double pressed = bench::nowMs();
        yourself->trigger();
        times.push_back(firstSamples(pressed));
        if (times.back() < 0)
            return failed("the recording was not played back");
    }
    recording.speaker().stop();
    bench::report("record_ms", {bench::median(times), bench::quantile(times, 0.95),
                                recording.microphone ? 1.0 : 0.0});
    return true;
}

// The peak memory of a short run (see the top), with or without a recording held.
bool memory(bool withRecording, bool quick) {
    bench::FirstPaint painted;
    if (splashToMenu(painted) < 0 || !openFromMenu(painted))
        return false;
    FormWindow* window = windows().exercise(0);
    auto* exercise = static_cast<ExerciseWindow*>(window);
    if (exercise->model().phase() != Phase::Waiting)
        bench::click(window->control(QStringLiteral("Command1")));
    window->control<QLineEdit>(QStringLiteral("Text1"))->clear();
    window->control<QLineEdit>(QStringLiteral("Text2"))->setText(exercise->model().item().right);
    QTest::keyClick(window->control<QLineEdit>(QStringLiteral("Text2")), Qt::Key_Return);
    const auto item = [window](const char* name) {
        return window->findChild<QAction*>(QLatin1String(name));
    };
    if (withRecording) {
        item("mnuSayYourself")->trigger();
        if (!waitFor([] { return recording.recorder().recording(); }, 3000))
            return failed("the recording did not start");
        if (quick) {
            QTest::qWait(1000);
            item("mnuSayYourself")->trigger();
        }
        if (!waitFor([] { return !recording.recorder().recording(); }, 12000))
            return failed("the recording did not end at the longest");
    } else {
        item("mnuSaySlowly")->trigger();
    }
    TimedOutput::first = -1;
    if (firstSamples(bench::nowMs()) < 0)
        return failed("nothing was heard");
    QTest::qWait(500);
    recording.speaker().stop();
    bench::report("vmhwm_kb", {static_cast<double>(bench::vmHwmKb())});
    return true;
}

bool run(bool quick) {
    const int splashRuns = quick ? 1 : 5;
    const int switchCount = quick ? 20 : 200;
    const int keyCount = quick ? 20 : 1000;
    const int pickCount = quick ? 100000 : 5000000;
    bench::FirstPaint painted;

    // The first start of the splash, as in a fresh program.
    std::vector<double> splash{splashToMenu(painted)};
    if (splash.back() < 0)
        return false;

    // Exercise 1/a from the menu, the other seven by their go-to buttons, and Close back
    // to the menu: then the peak memory.
    if (!openFromMenu(painted))
        return false;
    const int last = program->lesson().size() - 1;
    for (int i = 0; i < last; ++i) {
        if (goTo(painted, exercise(i), exercise(i + 1)) < 0)
            return false;
    }
    painted.arm([](QWidget* w) { return isWindow(w, "alap"); });
    bench::click(windows().exercise(last)->control(QStringLiteral("Command3")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!painted.wait()) {
        fail("Close did not bring back the main menu");
        return false;
    }
    bench::report("vmhwm_kb", {static_cast<double>(bench::vmHwmKb())});
    program->readAloud = true;
    recording.findMicrophone();

    if (!openFromMenu(painted))
        return false;
    std::vector<double> switches;
    for (int i = 0; i < switchCount; ++i) {
        const double ms = goTo(painted, exercise(i), exercise(i + 1));
        if (ms < 0)
            return false;
        switches.push_back(ms);
    }
    bench::report("switch_ms", {bench::median(switches), bench::quantile(switches, 0.95),
                                bench::quantile(switches, 1)});

    // Keys into the word box of 1/a: the apostrophe key gives "á".
    FormWindow* window = windows().exercise(0);
    if (!window->isLoaded() && goTo(painted, exercise(switchCount), exercise(0)) < 0)
        return false;
    auto* box = window->control<QLineEdit>(QStringLiteral("Text1"));
    box->setFocus();
    std::vector<double> keys;
    for (int i = 0; i < keyCount; ++i) {
        if (i % 20 == 0)
            box->clear();
        keys.push_back(bench::typeAndPaint(box, Qt::Key_Apostrophe, QStringLiteral("'")));
        if (!box->text().endsWith(QChar(u'á'))) {
            fail("the word box did not take the key as á");
            return false;
        }
    }
    bench::report("key_ms", {bench::median(keys), bench::quantile(keys, 0.95)});
    if (!speech(painted, quick ? 3 : 30) || !silence(quick ? 3 : 20) ||
        !sayYourself(quick ? 2 : 15))
        return false;

    const double rate = pickRate(pickCount);
    if (rate < 0)
        return false;
    bench::report("pick_per_s", {rate});

    // More starts of the splash on a fresh set of windows.
    for (int i = 1; i < splashRuns; ++i) {
        program.reset(); // as in a program that has just started
        program = std::make_unique<Program>(&recording);

        splash.push_back(splashToMenu(painted));
        if (splash.back() < 0)
            return false;
    }
    bench::report("splash_menu_ms",
                  {bench::median(splash), bench::quantile(splash, 0), bench::quantile(splash, 1)});
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quietOffscreenNotes();
    setUpApplication();
    const bool quick = bench::hasFlag(argc, argv, "--quick");
    const bool memoryOnly = bench::hasFlag(argc, argv, "--memory");
    if (memoryOnly)
        recording.findMicrophone();
    program = std::make_unique<Program>(&recording);
    const bool ok =
        memoryOnly ? memory(bench::hasFlag(argc, argv, "--recording"), quick) : run(quick);
    program.reset();
    return ok ? 0 : 1;
}
