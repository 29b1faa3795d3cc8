#pragma once

#include "marks.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace kerbu {

// Text the learner typed, made safe to show in one short cell: control and formatting
// characters become U+FFFD, a long text ends in "…", right-to-left text is set apart so
// it cannot turn the cells around it.
QString shownSafely(const QString& text, int length = 40);
// A character that is not shown as itself: a control or formatting character, a line or
// paragraph separator.
bool isHiddenCharacter(QChar c);
// A character written from right to left (Hebrew, Arabic).
bool isRightToLeft(QChar c);

// The wrong tries of the current run, for the Mistakes list: the item, what was typed and
// the right form once the item has been answered right, and how far the run is. It lives
// in memory only, with its window object.
class MistakeLog : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { ItemColumn, TypedColumn, RightColumn, ColumnCount };
    // The Typed cell's marks, where a hint marked its letters.
    static constexpr int MarksRole = Qt::UserRole + 1;

    // A new run of `length` items, `alreadyRight` of them answered before it began; a
    // round of the missed items says so in its score line.
    void begin(int length, bool round, int alreadyRight = 0);
    // No run: the window opened, or Plus was chosen.
    void clear();
    void wrong(int item, const QString& label, const QString& typed, const MarkedText& marks = {});
    void right(int item, const QString& answer);
    // The run is accomplished.
    void finish();

    // The items with a wrong try, each once, in the order they were first missed.
    std::vector<int> missed() const;
    bool canPractise() const { return finished_ && !tries_.empty(); }
    bool isRound() const { return round_; }
    int wrongTries() const { return static_cast<int>(tries_.size()); }
    // "7 of 12 right, 3 wrong tries"
    QString score() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  signals:
    void changed();

  private:
    struct Try {
        int item{};
        QString label{};
        QString typed{};
        QString right{};
        MarkedText marks{};
    };
    void reset(int length, bool round, int alreadyRight, bool running);

    std::vector<Try> tries_;
    int length_ = 0;
    int right_ = 0;
    bool round_ = false;
    bool running_ = false;
    bool finished_ = false;
};

} // namespace kerbu
