#pragma once

// What every test of the windows uses: the exercise windows, the lesson, the program,
// and Qt's test tools.
#include "engine/drillwindow.h"
#include "engine/gapwindow.h"
#include "engine/mistakeswindow.h"
#include "engine/sentencewindow.h"
#include "lessondata.h"
#include "recordingservices.h"
#include "shell/lesson.h"
#include "shell/program.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QString>
#include <QTest>

namespace test {

// Every test runs with recorded message boxes, beeps and help requests, a fixed seed,
// and a program as it starts: a fresh one, no window yet.
kerbu::RecordingServices& recorder();
kerbu::Program& program();
void freshStart(quint64 seed = 7);
// Ends the program of the last test, before the application goes.
void shutDown();

// What every test class is made on: each test starts from a fresh program, and the
// last one's program ends before the application goes.
class Suite : public QObject {
    Q_OBJECT

  private slots:
    void init() { freshStart(); }
    void cleanupTestCase() { shutDown(); }
};

// The lesson's exercises in the book's order, by their window names.
inline const QStringList exercises = {"k04d1a", "k04d1b", "k04d2a", "k04d2b",
                                      "k04d2c", "k04d3",  "k04d4",  "k04d5"};

// The window of that name while it is loaded; nullptr before it is made or once unloaded.
kerbu::FormWindow* loaded(const QString& name);

// Opens a window by name as the main menu does, and waits until it is the active window.
kerbu::FormWindow* openWindow(const QString& name);

// What a control does in its window; the only place that knows each window's names. The
// ending is the box the item is answered in, the word the word box in front of it.
enum class Role { Start, Solution, Plus, Word, Ending };
QPushButton* button(kerbu::FormWindow* window, Role role);
QLineEdit* box(kerbu::FormWindow* window, Role role);
// The record of right answers of a word drill as the learner reads it.
QString record(kerbu::FormWindow* window);

// Types text key by key; characters outside ASCII go as key events with their text.
void type(QWidget* widget, const QString& text);
void enter(QWidget* widget);

// Answers the item of the moment right and presses Enter: a drill's whole answer goes into
// the ending box, a gap takes the whole word where a word box stands in front of it.
void answerRight(kerbu::FormWindow* window);
// Types a wrong answer into the answer box (a drill's word box emptied) and presses Enter.
void answerWrong(kerbu::FormWindow* window, const QString& typed);

// What of a caption's text does not fit its label, wrapped as the label shows it; empty
// when it all fits.
QString overflow(const kerbu::Caption* caption);

// Whether a window stands right next to another, on one side, level with it, and not over it.
bool standsBeside(const QRect& beside, const QRect& window);

} // namespace test
