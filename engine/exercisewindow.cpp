#include "exercisewindow.h"

#include "center.h"
#include "keys.h"
#include "platform/controls.h"
#include "texts.h"

namespace kerbu {

ExerciseWindow::ExerciseWindow(const QString& name, const QColor& background) : FormWindow(name) {
    setClientSize(9210, 5880);
    setBackground(background);
}

void ExerciseWindow::beginLoad() {
    center(this);
    loadParts();
}

void ExerciseWindow::finishLoad(const QString& titleSuffix) {
    texts();
    shared().msgTitle += titleSuffix;
    setWindowTitle(shared().msgTitle);
}

void ExerciseWindow::message(const QString& text, Icon icon, const QString& title, QWidget* then) {
    tell(text, title.isEmpty() ? shared().msgTitle : title, icon, then);
}

void ExerciseWindow::wrongAnswer(QWidget* then) {
    services().beep();
    message(shared().msgWrong, Icon::Exclamation, QString(), then);
}

QLabel* ExerciseWindow::makeChart(QWidget* body, const char* name) {
    return makeLabel(body, {.name = name,
                            .text = characterChart,
                            .left = 120,
                            .top = 5400,
                            .width = 8895,
                            .height = 375,
                            .look = {.face = Face::Serif,
                                     .points = 13.5,
                                     .text = QColor(128, 128, 128),
                                     .background = Qt::white},
                            .visible = false,
                            .accessibleName = QStringLiteral("Character chart")});
}

void ExerciseWindow::toggle(QWidget* chart) {
    chart->setVisible(chart->isHidden());
}

} // namespace kerbu
