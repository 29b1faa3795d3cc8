#include "comparisonwindow.h"

#include "mistakeswindow.h"

#include "model/oral.h"
#include "platform/colours.h"
#include "platform/services.h"

#include <QPainter>
#include <QScreen>

namespace kerbu {

namespace {

constexpr int margin = 8;
// A trace's loudness is at least this wide, so that a tenth of a second held too long shows
// even beside a recording of ten seconds, the longest.
constexpr int graphWidth = 240;

QString label(const QString& name, double seconds) {
    return seconds < 0 ? name : QStringLiteral("%1 %2 s").arg(name).arg(seconds, 0, 'f', 1);
}

const QString you = QStringLiteral("You");
const QString voice = QStringLiteral("Voice");

} // namespace

ComparisonWindow::ComparisonWindow(QWidget* exercise)
    : QWidget(exercise, Qt::Tool), exercise_(exercise) {
    setObjectName(QStringLiteral("comparison"));
    setWindowTitle(QStringLiteral("You and the voice"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void ComparisonWindow::listen(const QString& key) {
    listening_ = true;
    level_ = 0;
    learner_.clear();
    voice_.clear();
    learnerSeconds_ = voiceSeconds_ = -1;
    // Beside the exercise where the screen has room; else it keeps its size, so that the
    // traces stay readable, on the roomiest side, partly over the exercise.
    const QRect screen = exercise_->screen()->availableGeometry();
    QRect place = besideRect(exercise_->frameGeometry(), sizeHint(), screen);
    place.setSize(sizeHint().boundedTo(screen.size()));
    place.moveTopLeft(
        {std::clamp(place.left(), screen.left(), screen.right() - place.width() + 1),
         std::clamp(place.top(), screen.top(), screen.bottom() - place.height() + 1)});
    setGeometry(place);
    show();
    tell(QStringLiteral("Recording. Press %1 to stop.").arg(key));
}

void ComparisonWindow::setLevel(float loudness) {
    level_ = loudness;
    update();
}

void ComparisonWindow::showLearner(std::vector<float> loudness, double seconds) {
    listening_ = false;
    learner_ = std::move(loudness);
    learnerSeconds_ = seconds;
    update();
}

void ComparisonWindow::showVoice(std::vector<float> loudness, double seconds) {
    voice_ = std::move(loudness);
    voiceSeconds_ = seconds;
    if (learnerSeconds_ >= 0)
        tell(oral::lengthsSaid(learnerSeconds_, voiceSeconds_));
    update();
}

void ComparisonWindow::tell(const QString& text) {
    said_ = text;
    setAccessibleName(text);
    setToolTip(text);
    services().announce(this);
    update();
}

void ComparisonWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().windowText().color());
    const QRect inside = rect().adjusted(margin, margin, -margin, -margin);
    if (listening_) {
        painter.drawText(inside.adjusted(0, 0, 0, -inside.height() / 2), Qt::AlignLeft, said_);
        const QRect bar(inside.left(), inside.center().y(), inside.width(), inside.height() / 3);
        painter.drawRect(bar);
        painter.fillRect(bar.adjusted(1, 1, int(-(1 - level_) * bar.width()), 0),
                         colours::recordingLevel);
        return;
    }
    // One time scale for both: the longer of the two fills the width.
    const std::size_t longest = std::max<std::size_t>({learner_.size(), voice_.size(), 1});
    const std::array<const std::vector<float>*, 2> levels{&learner_, &voice_};
    const std::array<QColor, 2> colours{colours::learnerTrace, colours::voiceTrace};
    const std::array<Trace, 2> shown = traces();
    for (std::size_t row = 0; row < shown.size(); ++row) {
        const Trace& trace = shown[row];
        painter.drawText(trace.labelRect, Qt::AlignVCenter | Qt::AlignLeft, trace.label);
        const double step = double(trace.graph.width()) / double(longest);
        for (std::size_t i = 0; i < levels[row]->size(); ++i) {
            const int height = std::max(1, int((*levels[row])[i] * trace.graph.height()));
            painter.fillRect(QRectF(trace.graph.left() + i * step,
                                    trace.graph.center().y() - height / 2.0, std::max(step, 1.0),
                                    height),
                             colours[row]);
        }
    }
}

std::array<ComparisonWindow::Trace, 2> ComparisonWindow::traces() const {
    const QRect inside = rect().adjusted(margin, margin, -margin, -margin);
    const int rowHeight = (inside.height() - margin) / 2;
    const int names = labelWidth();
    std::array<Trace, 2> rows{Trace{label(you, learnerSeconds_), {}, {}},
                              Trace{label(voice, voiceSeconds_), {}, {}}};
    for (int row = 0; row < 2; ++row) {
        const QRect place(inside.left(), inside.top() + row * (rowHeight + margin), inside.width(),
                          rowHeight);
        rows[std::size_t(row)].labelRect = place.adjusted(0, 0, names - place.width(), 0);
        rows[std::size_t(row)].graph = place.adjusted(names + margin, 0, 0, 0);
    }
    return rows;
}

// As wide as the longer label of a recording of the longest.
int ComparisonWindow::labelWidth() const {
    const double longest = oral::RecordingEnd::longestMs / 1000.0;
    return std::max(fontMetrics().horizontalAdvance(label(you, longest)),
                    fontMetrics().horizontalAdvance(label(voice, longest)));
}

// The labels, two lines of text high a trace, and the loudness beside them.
QSize ComparisonWindow::sizeHint() const {
    const int rowHeight = 2 * fontMetrics().height();
    return {3 * margin + labelWidth() + graphWidth, 3 * margin + 2 * rowHeight};
}

} // namespace kerbu
