#include "harness.h"

#include "shell/application.h"
#include "shell/lesson.h"

#include <QApplication>
#include <QTest>
#include <QTextEdit>
#include <memory>

namespace test {

namespace {

std::unique_ptr<kerbu::Program>& current() {
    static std::unique_ptr<kerbu::Program> made;
    return made;
}

} // namespace

kerbu::RecordingServices& recorder() {
    static kerbu::RecordingServices services;
    return services;
}

kerbu::Program& program() {
    if (!current())
        freshStart();
    return *current();
}

void freshStart(quint64 seed) {
    static bool setUp = false;
    if (!setUp) {
        kerbu::quietOffscreenNotes();
        kerbu::setUpApplication();
        setUp = true;
    }
    current().reset();
    recorder().clear();
    recorder().onMessage = nullptr;
    current() = std::make_unique<kerbu::Program>(&recorder());
    recorder().random().seed(seed);
}

void shutDown() {
    current().reset();
}

kerbu::FormWindow* loaded(const QString& name) {
    kerbu::FormWindow* window = program().windows().existing(name);
    return window && window->isLoaded() ? window : nullptr;
}

kerbu::FormWindow* openWindow(const QString& name) {
    kerbu::FormWindow* window = program().windows().get(name);
    if (!window)
        return nullptr;
    // As the program does: the menu or exercise window on the screen makes way for it.
    kerbu::FormWindow* from = nullptr;
    for (const QString& shown : QStringList{"alap"} + exercises) {
        if (kerbu::FormWindow* other = loaded(shown); other && other != window)
            from = other;
    }
    program().windows().open(window, from);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("window %s did not become active", qPrintable(name));
    return window;
}

QPushButton* button(kerbu::FormWindow* window, Role role) {
    const bool drill = qobject_cast<kerbu::DrillWindow*>(window);
    const QString plus =
        window->objectName() == QLatin1String("k04d1a") ? "Command16" : "Command14";
    switch (role) {
    case Role::Start:
        return window->control<QPushButton>("Command1");
    case Role::Solution:
        return window->control<QPushButton>(drill ? "Command15" : "Command14");
    case Role::Plus:
        return drill ? window->control<QPushButton>(plus) : nullptr;
    default:
        return nullptr;
    }
}

QLineEdit* box(kerbu::FormWindow* window, Role role) {
    auto* exercise = qobject_cast<kerbu::ExerciseWindow*>(window);
    return !exercise ? nullptr : role == Role::Word ? exercise->frontBox() : exercise->answerBox();
}

QString record(kerbu::FormWindow* window) {
    if (auto* text = window->control<QTextEdit>("Text3"))
        return text->toPlainText();
    auto* label = window->control<QLabel>("Label3");
    return label ? label->text() : QString();
}

void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void enter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}

void answerRight(kerbu::FormWindow* window) {
    auto* exercise = qobject_cast<kerbu::ExerciseWindow*>(window);
    QLineEdit* answer = exercise ? exercise->answerBox() : nullptr;
    if (!answer)
        return;
    if (QLineEdit* front = exercise->frontBox())
        front->clear();
    answer->setText(exercise->model().item().right);
    enter(answer);
}

void answerWrong(kerbu::FormWindow* window, const QString& typed) {
    if (qobject_cast<kerbu::DrillWindow*>(window))
        box(window, Role::Word)->clear();
    QLineEdit* answer = box(window, Role::Ending);
    answer->setText(typed);
    enter(answer);
}

QString overflow(const kerbu::Caption* caption) {
    const QFontMetrics metrics(caption->font());
    const QStringList lines = caption->wordWrap() ? caption->lines() : QStringList{caption->text()};
    if (int(lines.size()) * metrics.lineSpacing() > caption->height() + 3)
        return QStringLiteral("%1 lines").arg(lines.size());
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line.trimmed()) > caption->width() + 1)
            return line;
    }
    return {};
}

bool standsBeside(const QRect& beside, const QRect& window) {
    const int dx = std::max(beside.left() - window.right(), window.left() - beside.right());
    const int dy = std::max(beside.top() - window.bottom(), window.top() - beside.bottom());
    return (dx > 0 && dx < 40 && qAbs(beside.top() - window.top()) < 40) ||
           (dy > 0 && dy < 60 && qAbs(beside.left() - window.left()) < 40);
}

} // namespace test
