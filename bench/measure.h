#pragma once

// What the benchmarks of the program and of the bare Qt window share: clocks, the peak
// memory, catching a window's first painted frame, simple statistics and the report
// lines that bench/run.sh reads ("name value value ...", times in milliseconds).

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace bench {

inline double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

inline double clockMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// "1700000000.123456" (bash's EPOCHREALTIME, with a point or a comma) in milliseconds.
inline double parseEpochMs(const char* text) {
    const char* mark = std::strpbrk(text, ".,");
    double ms = std::strtoll(text, nullptr, 10) * 1e3;
    if (mark) {
        double scale = 100.0;
        for (const char* c = mark + 1; *c >= '0' && *c <= '9'; ++c, scale /= 10)
            ms += (*c - '0') * scale;
    }
    return ms;
}

// Milliseconds since the process was started. bench/run.sh puts the wall-clock time
// just before it starts the program into KERBU_BENCH_T0; without it the kernel's start
// time of the process is used, which is only as fine as a clock tick (usually 10 ms).
inline double msSinceProcessStart() {
    if (const char* t0 = std::getenv("KERBU_BENCH_T0"))
        return clockMs(CLOCK_REALTIME) - parseEpochMs(t0);
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command name, which is in parentheses: the state is field 3,
    // the start time in clock ticks since boot is field 22.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        fields >> field;
    const double ticks = std::strtod(field.c_str(), nullptr);
    return clockMs(CLOCK_BOOTTIME) - ticks * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The peak resident memory of the process so far, in kB.
inline long vmHwmKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

inline double quantile(std::vector<double> values, double q) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

inline double median(const std::vector<double>& values) {
    return quantile(values, 0.5);
}

inline void report(const char* name, std::initializer_list<double> values) {
    std::printf("%s", name);
    for (double value : values)
        std::printf(" %.4f", value);
    std::printf("\n");
    std::fflush(stdout);
}

// Catches the first frame a window paints after arm(): the first Paint event for the
// window or one of its controls, and then the end of the event that painted the frame
// (the controls are painted and the frame flushed within that one event).
class FirstPaint : public QObject {
  public:
    using Match = std::function<bool(QWidget* window)>;

    FirstPaint() { QCoreApplication::instance()->installEventFilter(this); }

    void arm(Match match) {
        match_ = std::move(match);
        done_ = false;
        paintedMs = 0;
    }
    void arm(QWidget* window) {
        arm([window](QWidget* w) { return w == window; });
    }

    // Runs the events until the frame is painted; false if it was not within the time.
    bool wait(int timeoutMs = 5000) {
        if (done_)
            return true;
        QEventLoop loop;
        loop_ = &loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        loop_ = nullptr;
        return done_;
    }

    bool done() const { return done_; }
    double paintedMs = 0; // nowMs() when the frame was finished
    std::function<void()> onPainted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (match_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            match_(static_cast<QWidget*>(watched)->window())) {
            match_ = nullptr;
            QMetaObject::invokeMethod(
                this, [this] { finished(); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void finished() {
        paintedMs = nowMs();
        done_ = true;
        if (onPainted)
            onPainted();
        if (loop_)
            loop_->quit();
    }

    Match match_;
    bool done_ = false;
    QEventLoop* loop_ = nullptr;
};

// A left click in the middle of a control, as the mouse gives it.
inline void click(QWidget* widget) {
    const QPointF inside = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// Presses and releases a key that types the given text into a control, then paints the
// control at once; returns the milliseconds from the press to the painted control.
inline double typeAndPaint(QWidget* widget, Qt::Key key, const QString& text) {
    const double start = nowMs();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
    widget->repaint();
    return nowMs() - start;
}

inline bool hasFlag(int argc, char* argv[], const char* flag) {
    return std::any_of(argv + 1, argv + argc,
                       [flag](const char* a) { return !std::strcmp(a, flag); });
}

} // namespace bench
