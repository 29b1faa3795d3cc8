#pragma once

#include "platform/formwindow.h"
#include "platform/services.h"

class QLabel;

namespace kerbu {

// What every exercise window does the same way: its load steps around its own, and its
// message boxes titled with the shared title of the moment.
class ExerciseWindow : public FormWindow {
    Q_OBJECT
  public:
    using FormWindow::FormWindow;

  protected:
    // The first load steps: centre the window, then the frame's (it opens on top).
    void beginLoad();
    // The last: the shared texts afresh, the window's suffix appended, the caption.
    void finishLoad(const QString& titleSuffix);
    // A message box; an empty title is the shared window title of the moment.
    void message(const QString& text, Icon icon, const QString& title = QString());
    // A wrong answer: the beep and the shared message.
    void wrongAnswer();
    // The character chart every exercise window has, hidden until the learner asks for it.
    static QLabel* makeChart(QWidget* body, const char* name);
    // Shows or hides the character chart.
    static void toggle(QWidget* chart);
};

} // namespace kerbu
