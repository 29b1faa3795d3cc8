#pragma once

#include "engine/drillwindow.h"
#include "engine/gapwindow.h"
#include "recordingservices.h"
#include "shell/windows.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace test {

// Every test runs with recorded message boxes, beeps and help requests, a fixed seed,
// and the program as it starts: no window yet, the shared texts and the splash flag as
// they are before the first window.
kerbu::RecordingServices& recorder();
void freshStart(quint64 seed = 7);

// Opens a window as the main menu does, and waits until it is the active window.
kerbu::FormWindow* openWindow(kerbu::WindowId id);
kerbu::DrillWindow* openDrill(kerbu::WindowId id);

// Types text key by key; characters outside ASCII go as key events with their text.
void type(QWidget* widget, const QString& text);
// Types text as a learner at an English keyboard does in a box that translates with the
// given table: each Hungarian letter by the key that gives it there.
void typeKeys(QWidget* widget, const QString& text, kerbu::KeyTable keys);

QPushButton* button(kerbu::FormWindow* window, const char* name);
QLineEdit* box(kerbu::FormWindow* window, const char* name);

// Answers the current item of a drill right, by typing the whole answer into the
// ending box and pressing Enter there.
void answerRight(kerbu::DrillWindow* window);
// Answers the current gap right; where a word box stands in front of it, the whole word
// goes into the gap.
void solveGap(kerbu::GapWindow* window);
// Answers right until the word box shows the given base word.
bool advanceTo(kerbu::DrillWindow* window, const QString& word);

} // namespace test
