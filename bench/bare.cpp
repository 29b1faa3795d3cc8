// The yardstick: a bare Qt Widgets program, built with the same flags as the program,
// doing the plainest form of what the program's benchmarks measure.
//
//   kerbu-bench-bare                 one window the size of the splash: reports its first
//                                    paint since process start and its peak memory, ends
//   kerbu-bench-bare --label         the same window showing one line of text
//   kerbu-bench-bare --text          the same window showing one line of text in the
//                                    splash's face and one SVG picture: the least a window
//                                    that draws what the splash draws can do
//   kerbu-bench-bare --inprocess     a window opening another after 800 ms, switches
//                                    between two windows by a button, keys typed into a
//                                    line edit ("--quick" for a few of each)

#include "measure.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <memory>

namespace {

enum class Shows { Nothing, Label, TextAndPicture };

int start(QApplication& app, Shows shows) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(363, 227); // the splash's client area
    if (shows != Shows::Nothing) {
        auto* label = new QLabel(QStringLiteral("K E R B U !"), &window);
        if (shows == Shows::TextAndPicture) {
            label->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
            label->setGeometry(80, 32, 177, 33);
            QPixmap pixmap(33, 33);
            pixmap.fill(Qt::transparent);
            QSvgRenderer svg(QStringLiteral(KERBU_BENCH_PICTURE));
            QPainter painter(&pixmap);
            svg.render(&painter);
            painter.end();
            auto* picture = new QLabel(&window);
            picture->setGeometry(304, 8, 33, 33);
            picture->setPixmap(pixmap);
        }
    }
    bench::FirstPaint painted;
    painted.onPainted = [] {
        bench::report("first_paint_ms", {bench::msSinceProcessStart()});
        bench::report("vmhwm_kb", {static_cast<double>(bench::vmHwmKb())});
        QCoreApplication::quit();
    };
    painted.arm(&window);
    window.show();
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}

// A window of the size of an exercise window with a row of buttons, the first of which
// shows the other window and hides this one.
std::unique_ptr<QWidget> makeWindow(const QString& title) {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(title);
    window->resize(614, 392);
    new QLabel(title, window.get());
    for (int i = 0; i < 8; ++i) {
        auto* button = new QPushButton(QStringLiteral("&%1").arg(i + 1), window.get());
        button->setGeometry(456 + 40 * (i % 4), 32 * (i / 4), 41, 33);
    }
    return window;
}

QPushButton* goButton(QWidget* window) {
    return window->findChild<QPushButton*>();
}

// As the splash does: the timer starts as the window is built, and its end shows the
// next window. From the first window painted to the second painted.
double timedWindow(bench::FirstPaint& painted) {
    auto first = makeWindow(QStringLiteral("First"));
    auto second = makeWindow(QStringLiteral("Second"));
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(800);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        second->show();
        first->hide();
    });
    timer.start();
    painted.arm(first.get());
    first->show();
    painted.wait();
    const double shown = painted.paintedMs;
    painted.arm(second.get());
    painted.wait();
    return painted.paintedMs - shown;
}

int inProcess(bool quick) {
    bench::FirstPaint painted;

    std::vector<double> timed;
    for (int run = 0; run < (quick ? 1 : 5); ++run)
        timed.push_back(timedWindow(painted));
    bench::report("timer_ms",
                  {bench::median(timed), bench::quantile(timed, 0), bench::quantile(timed, 1)});

    std::unique_ptr<QWidget> windows[] = {makeWindow(QStringLiteral("A")),
                                          makeWindow(QStringLiteral("B"))};
    for (int i = 0; i < 2; ++i) {
        QWidget* other = windows[1 - i].get();
        QWidget* self = windows[i].get();
        QObject::connect(goButton(self), &QPushButton::clicked, [self, other] {
            other->show();
            self->hide();
        });
    }
    painted.arm(windows[0].get());
    windows[0]->show();
    painted.wait();
    std::vector<double> switches;
    for (int i = 0; i < (quick ? 20 : 200); ++i) {
        QWidget* target = windows[(i + 1) % 2].get();
        painted.arm(target);
        const double clicked = bench::nowMs();
        bench::click(goButton(windows[i % 2].get()));
        if (!painted.wait())
            return 1;
        switches.push_back(painted.paintedMs - clicked);
    }
    bench::report("switch_ms", {bench::median(switches), bench::quantile(switches, 0.95),
                                bench::quantile(switches, 1)});
    windows[0]->hide();
    windows[1]->hide();

    QWidget window;
    window.resize(300, 80);
    auto* box = new QLineEdit(&window);
    box->setGeometry(20, 20, 193, 41);
    painted.arm(&window);
    window.show();
    painted.wait();
    box->setFocus();
    std::vector<double> keys;
    for (int i = 0; i < (quick ? 20 : 1000); ++i) {
        if (i % 20 == 0)
            box->clear();
        keys.push_back(bench::typeAndPaint(box, Qt::Key_Apostrophe, QStringLiteral("'")));
        if (!box->text().endsWith(QLatin1Char('\'')))
            return 1;
    }
    bench::report("key_ms", {bench::median(keys), bench::quantile(keys, 0.95)});
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (bench::hasFlag(argc, argv, "--inprocess"))
        return inProcess(bench::hasFlag(argc, argv, "--quick"));
    const Shows shows = bench::hasFlag(argc, argv, "--text")    ? Shows::TextAndPicture
                        : bench::hasFlag(argc, argv, "--label") ? Shows::Label
                                                                : Shows::Nothing;
    return start(app, shows);
}
