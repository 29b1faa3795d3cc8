#include "mistakes.h"

#include <algorithm>

namespace kerbu {

namespace {

// A pasted essay is kept only as far as the list can ever show it.
constexpr qsizetype keptLength = 200;

} // namespace

bool isRightToLeft(QChar c) {
    const QChar::Direction d = c.direction();
    return d == QChar::DirR || d == QChar::DirAL;
}

bool isHiddenCharacter(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Other_Format ||
           category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
}

QString shownSafely(const QString& text, int length) {
    QString shown;
    bool rightToLeft = false;
    const QString start = text.left(length + 1);
    for (qsizetype i = 0; i < start.size(); ++i) {
        const QChar c = start.at(i);
        // A surrogate only as half of a pair; the pair cut at the end goes below.
        const bool paired =
            (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ||
            (c.isLowSurrogate() && i > 0 && start.at(i - 1).isHighSurrogate());
        const bool hidden = isHiddenCharacter(c) || (c.isSurrogate() && !paired);
        shown += hidden ? QChar(QChar::ReplacementCharacter) : c;
        rightToLeft = rightToLeft || isRightToLeft(c);
    }
    if (shown.size() > length) {
        shown.truncate(length - 1);
        if (!shown.isEmpty() && shown.back().isHighSurrogate())
            shown.chop(1);
        shown += QChar(u'…');
    }
    // First-strong isolate: the text keeps its own direction inside, the cell its own.
    if (rightToLeft)
        shown = QChar(0x2068) + shown + QChar(0x2069);
    return shown;
}

void MistakeLog::reset(int length, bool round, int alreadyRight, bool running) {
    beginResetModel();
    tries_.clear();
    length_ = length;
    right_ = alreadyRight;
    round_ = round;
    running_ = running;
    finished_ = false;
    endResetModel();
    emit changed();
}

void MistakeLog::begin(int length, bool round, int alreadyRight) {
    reset(length, round, alreadyRight, true);
}

void MistakeLog::clear() {
    reset(0, false, 0, false);
}

void MistakeLog::wrong(int item, const QString& label, const QString& typed,
                       const MarkedText& marks) {
    if (!running_)
        return;
    const int row = rowCount();
    beginInsertRows({}, row, row);
    tries_.push_back({item, label, typed.left(keptLength), QString(), marks});
    endInsertRows();
    emit changed();
}

void MistakeLog::right(int item, const QString& answer) {
    if (!running_)
        return;
    ++right_;
    for (std::size_t row = 0; row < tries_.size(); ++row) {
        if (tries_[row].item != item)
            continue;
        tries_[row].right = answer;
        const QModelIndex cell = index(int(row), RightColumn);
        emit dataChanged(cell, cell);
    }
    emit changed();
}

void MistakeLog::finish() {
    running_ = false;
    finished_ = true;
    emit changed();
}

std::vector<int> MistakeLog::missed() const {
    std::vector<int> items;
    for (const Try& t : tries_) {
        if (std::find(items.begin(), items.end(), t.item) == items.end())
            items.push_back(t.item);
    }
    return items;
}

QString MistakeLog::score() const {
    if (!running_ && !finished_)
        return QStringLiteral("No run yet: press Start.");
    const int wrong = wrongTries();
    const QString line = QStringLiteral("%1 of %2 right, %3 wrong %4")
                             .arg(right_)
                             .arg(length_)
                             .arg(wrong)
                             .arg(wrong == 1 ? QStringLiteral("try") : QStringLiteral("tries"));
    return round_ ? QStringLiteral("Round of mistakes: ") + line : line;
}

int MistakeLog::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(tries_.size());
}

int MistakeLog::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MistakeLog::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Try& t = tries_[std::size_t(index.row())];
    const QString& text = index.column() == ItemColumn    ? t.label
                          : index.column() == TypedColumn ? t.typed
                                                          : t.right;
    const bool marked = index.column() == TypedColumn && t.marks.hasMarks();
    switch (role) {
    case Qt::DisplayRole:
        return shownSafely(text);
    case Qt::AccessibleTextRole:
        return marked ? QStringLiteral("%1, marked: %2").arg(shownSafely(text), t.marks.spoken())
                      : shownSafely(text);
    case MarksRole:
        return marked ? QVariant::fromValue(t.marks) : QVariant();
    case Qt::ToolTipRole:
        return text.size() > 40 ? shownSafely(text, 120) : QVariant();
    default:
        return {};
    }
}

QVariant MistakeLog::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ItemColumn:
        return QStringLiteral("Item");
    case TypedColumn:
        return QStringLiteral("Typed");
    case RightColumn:
        return QStringLiteral("Right form");
    default:
        return {};
    }
}

} // namespace kerbu
