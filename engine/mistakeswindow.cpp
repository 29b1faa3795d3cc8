#include "mistakeswindow.h"

#include "hintline.h"

#include "model/mistakes.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace kerbu {

QRect besideRect(const QRect& frame, const QSize& wanted, const QRect& screen) {
    // Room for the list window's own border beside, and for its title bar below.
    constexpr int gap = 12;
    constexpr int titleGap = 36;
    const int rightRoom = screen.right() - frame.right() - gap;
    const int leftRoom = frame.left() - screen.left() - gap;
    const int belowRoom = screen.bottom() - frame.bottom() - titleGap;
    const int aboveRoom = frame.top() - screen.top() - gap;
    const int height = std::min(wanted.height(), screen.height());
    const int width = std::min(wanted.width(), screen.width());
    // Beside: level with the frame's top, kept on the screen.
    const int top = std::clamp(frame.top(), screen.top(), screen.bottom() - height + 1);
    const int left = std::clamp(frame.left(), screen.left(), screen.right() - width + 1);
    struct Side {
        int room;
        bool across; // the room is a width
        QRect place;
    };
    const std::array<Side, 4> sides{{
        {rightRoom, true,
         QRect(frame.right() + gap + 1, top, std::min(width, std::max(rightRoom, 0)), height)},
        {leftRoom, true,
         QRect(frame.left() - gap - std::min(width, std::max(leftRoom, 0)), top,
               std::min(width, std::max(leftRoom, 0)), height)},
        {belowRoom, false,
         QRect(left, frame.bottom() + titleGap + 1, width,
               std::min(height, std::max(belowRoom, 0)))},
        {aboveRoom, false,
         QRect(left, frame.top() - gap - std::min(height, std::max(aboveRoom, 0)), width,
               std::min(height, std::max(aboveRoom, 0)))},
    }};
    for (const Side& side : sides) {
        if (side.room >= (side.across ? wanted.width() : wanted.height()))
            return side.place;
    }
    const auto roomiest =
        std::max_element(sides.begin(), sides.end(), [](const Side& a, const Side& b) {
            return a.place.width() * a.place.height() < b.place.width() * b.place.height();
        });
    return roomiest->place;
}

namespace {

// The Typed cell with the letters a hint marked, as the Hints line marks them.
class MarkedDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant marks = index.data(MistakeLog::MarksRole);
        if (!marks.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        cell.text.clear();
        cell.widget->style()->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        QTextDocument text;
        text.setDefaultFont(cell.font);
        text.setDocumentMargin(2);
        text.setHtml(markedHtml(marks.value<MarkedText>()));
        // A sentence too long for the cell shows just its marked words.
        if (text.idealWidth() > cell.rect.width())
            text.setHtml(markedHtml(marks.value<MarkedText>(), true));
        painter->save();
        painter->setClipRect(cell.rect);
        painter->translate(cell.rect.left(),
                           cell.rect.top() + (cell.rect.height() - text.size().height()) / 2);
        text.drawContents(painter);
        painter->restore();
    }
};

} // namespace

MistakesWindow::MistakesWindow(MistakeLog& log, QWidget* exercise)
    : QWidget(exercise, Qt::Tool), log_(log), exercise_(exercise) {
    setObjectName(QStringLiteral("mistakes"));
    setWindowTitle(QStringLiteral("Mistakes"));
    setAccessibleName(QStringLiteral("Mistakes"));
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("score"));
    score_->setTextFormat(Qt::PlainText);
    score_->setWordWrap(true);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("mistakeList"));
    view_->setAccessibleName(QStringLiteral("Wrong tries"));
    view_->setModel(&log_);
    view_->setItemDelegateForColumn(MistakeLog::TypedColumn, new MarkedDelegate(view_));
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setWordWrap(false);
    view_->setTextElideMode(Qt::ElideRight);
    view_->verticalHeader()->hide();
    // The three columns share the width; a long text ends in "…" and shows whole as a tip.
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    score_->setBuddy(view_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(score_);
    layout->addWidget(view_);
    connect(&log_, &MistakeLog::changed, this, &MistakesWindow::updateScore);
    // The newest try stays in view.
    connect(&log_, &QAbstractItemModel::rowsInserted, view_, [this] { view_->scrollToBottom(); });
    updateScore();
}

void MistakesWindow::updateScore() {
    score_->setText(log_.score());
    score_->setAccessibleName(log_.score());
}

void MistakesWindow::showBeside(bool activate) {
    const QRect screen = exercise_->screen()->availableGeometry();
    const QSize wanted(320, 260);
    const QRect place = besideRect(exercise_->frameGeometry(), wanted, screen);
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    setGeometry(place);
    show();
    raise();
    if (activate) {
        activateWindow();
        view_->setFocus(Qt::OtherFocusReason);
    }
}

void MistakesWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        exercise_->activateWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kerbu
