#include "exercisewindow.h"

#include "center.h"
#include "keys.h"
#include "platform/controls.h"
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

QLabel* ExerciseWindow::makeChart(QWidget* body, const char* name) {
    ControlDesign chart{name,
                        characterChart,
                        120,
                        5400,
                        8895,
                        375,
                        Look{Face::Serif, 13.5, true, false, QColor(128, 128, 128), Qt::white}};
    chart.visible = false;
    chart.accessibleName = QStringLiteral("Character chart");
    return makeLabel(body, chart);
}

void ExerciseWindow::toggle(QWidget* chart) {
    chart->setVisible(chart->isHidden());
}

} // namespace kerbu
