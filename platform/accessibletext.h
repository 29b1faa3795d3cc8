#pragma once

class QAction;
class QLabel;
class QString;

namespace kerbu {

// A label a screen reader reads as text, character by character and line by line, like
// a read-only box: the record of right answers. The label keeps its look.
void readAsText(QLabel* label);
// Greys a menu item and says why, in one line: as its tooltip and status tip, and as the
// description a screen reader reads with the item.
void greyWithReason(QAction* action, const QString& why);
// Enables an item greyed with a reason again, as it was before.
void ungrey(QAction* action);
// Lets the labels and items marked so be read so; called once when the program starts.
void installAccessibleTexts();

} // namespace kerbu
