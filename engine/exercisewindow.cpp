#include "exercisewindow.h"

#include "center.h"
#include "texts.h"

namespace kerbu {

void ExerciseWindow::beginLoad() {
    center(this);
    loadParts();
}

void ExerciseWindow::finishLoad(const QString& titleSuffix) {
    texts();
    shared().msgTitle += titleSuffix;
    setWindowTitle(shared().msgTitle);
}

void ExerciseWindow::message(const QString& text, Icon icon, const QString& title) {
    services().messageBox(this, text, title.isEmpty() ? shared().msgTitle : title, icon);
}

void ExerciseWindow::wrongAnswer() {
    services().beep();
    message(shared().msgWrong, Icon::Exclamation);
}

void ExerciseWindow::toggle(QWidget* chart) {
    chart->setVisible(chart->isHidden());
}

} // namespace kerbu
