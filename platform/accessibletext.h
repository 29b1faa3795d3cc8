#pragma once

class QLabel;

namespace kerbu {

// A label a screen reader reads as text, character by character and line by line, like
// a read-only box: the record of right answers. The label keeps its look.
void readAsText(QLabel* label);
// Lets the labels marked so be read as text; called once when the program starts.
void installAccessibleTexts();

} // namespace kerbu
