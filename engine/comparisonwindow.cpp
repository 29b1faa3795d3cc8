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
constexpr int nameWidth = 70;

} // namespace

ComparisonWindow::ComparisonWindow(QWidget* exercise)
    : QWidget(exercise, Qt::Tool), exercise_(exercise) {
    setObjectName(QStringLiteral("comparison"));
    setWindowTitle(QStringLiteral("You and the voice"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(240, 110);
    setFocusPolicy(Qt::NoFocus);
}

void ComparisonWindow::listen(const QString& key) {
    listening_ = true;
    level_ = 0;
    learner_.clear();
    voice_.clear();
    learnerSeconds_ = voiceSeconds_ = -1;
    setGeometry(besideRect(exercise_->frameGeometry(), QSize(320, 130),
                           exercise_->screen()->availableGeometry()));
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
    const int rowHeight = (inside.height() - margin) / 2;
    const auto trace = [&](const std::vector<float>& levels, double seconds, int row,
                           const QString& name, const QColor& colour) {
        const QRect place(inside.left(), inside.top() + row * (rowHeight + margin), inside.width(),
                          rowHeight);
        painter.drawText(
            place.adjusted(0, 0, -(place.width() - nameWidth), 0), Qt::AlignVCenter | Qt::AlignLeft,
            seconds < 0 ? name : QStringLiteral("%1 %2 s").arg(name).arg(seconds, 0, 'f', 1));
        const QRect graph = place.adjusted(nameWidth, 0, 0, 0);
        const double step = double(graph.width()) / double(longest);
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const int height = std::max(1, int(levels[i] * graph.height()));
            painter.fillRect(QRectF(graph.left() + i * step, graph.center().y() - height / 2.0,
                                    std::max(step, 1.0), height),
                             colour);
        }
    };
    trace(learner_, learnerSeconds_, 0, QStringLiteral("You"), colours::learnerTrace);
    trace(voice_, voiceSeconds_, 1, QStringLiteral("Voice"), colours::voiceTrace);
}

} // namespace kerbu
