#include "exercisewindow.h"

#include "center.h"
#include "keys.h"
#include "mistakeswindow.h"
#include "platform/controls.h"
#include "platform/focusnote.h"
#include "texts.h"

namespace kerbu {

ExerciseWindow::ExerciseWindow(const QString& name, const QColor& background, ProgramState& state)
    : FormWindow(name), state_(state) {
    setClientSize(9210, 5880);
    setBackground(background);
}

void ExerciseWindow::beginLoad() {
    mistakes_.clear();
    answerBox_ = nullptr;
    rightNote_ = nullptr;
    item_.clear();
    center(this);
    loadParts();
}

void ExerciseWindow::onUnload() {
    // The list belongs to the run, which ends with the window.
    delete list_;
    list_ = nullptr;
}

MistakesWindow* ExerciseWindow::mistakesWindow() const {
    return list_;
}

void ExerciseWindow::showMistakes() {
    if (!isLoaded())
        return;
    if (!list_)
        list_ = new MistakesWindow(mistakes_, this);
    list_->showBeside(true);
}

void ExerciseWindow::showRound() {
    if (!list_)
        list_ = new MistakesWindow(mistakes_, this);
    list_->showBeside(false);
}

void ExerciseWindow::finishLoad(const QString& titleSuffix) {
    texts(state_);
    shared().msgTitle += titleSuffix;
    setWindowTitle(shared().msgTitle);
}

void ExerciseWindow::message(const QString& text, Icon icon, const QString& title, QWidget* then) {
    tell(text, title.isEmpty() ? shared().msgTitle : title, icon, then);
}

void ExerciseWindow::announceItem(QWidget* box, const QString& item, bool afterRight) {
    if (answerBox_ && answerBox_ != box)
        answerBox_->setAccessibleName(item_);
    answerBox_ = box;
    item_ = item;
    box->setAccessibleName(item);
    if (afterRight)
        confirmRight(box);
}

void ExerciseWindow::confirmRight(QWidget* box) {
    if (!rightNote_)
        rightNote_ = new FocusNote(body());
    rightNote_->say(QStringLiteral("Right."), box);
}

void ExerciseWindow::wrongAnswer(QWidget* then, const Hint::Result& hint) {
    services().beep();
    const bool hinted = hint_ && state_.hintsWanted && hint.kind != Hint::Kind::None;
    // Qt has no way to make a screen reader say a text at once; the hint goes into the
    // name of the answer box, which is said as the focus comes back to it from the message.
    if (answerBox_)
        answerBox_->setAccessibleName(hinted ? item_ + QStringLiteral(". Hint: ") + hint.text
                                             : item_);
    message(shared().msgWrong, Icon::Exclamation, QString(), then);
    if (!isLoaded() || !hinted)
        return;
    hint_->setText(hint.text);
    hint_->setAccessibleName(QStringLiteral("Hint: ") + hint.text);
    hint_->show();
    // A screen reader says the new hint, also to a learner who does not see it.
    services().announce(hint_);
}

void ExerciseWindow::clearHint() {
    if (isLoaded() && hint_)
        hint_->hide();
}

void ExerciseWindow::makeHintLine(QWidget* body, ControlDesign place) {
    place.name = QStringLiteral("hintLine");
    place.look = {.points = 9.75, .bold = false, .align = Qt::AlignLeft | Qt::AlignTop};
    place.visible = false;
    place.accessibleName = QStringLiteral("Hint");
    hint_ = makeLabel(body, place);
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

ControlDesign exerciseTitle(ControlDesign design) {
    design.name = QStringLiteral("Label2");
    design.look.face = Face::Arial;
    design.look.points = 12;
    design.look.bold = true;
    design.look.text = Qt::black;
    return design;
}

ControlDesign startButton(ControlDesign design) {
    design.name = QStringLiteral("Command1");
    design.text = QStringLiteral("&Start");
    design.left = 0;
    design.top = 0;
    return commandButton(design);
}

ControlDesign solutionButton(ControlDesign design) {
    design.text = QStringLiteral("Sol&ution");
    design.top = 0;
    design.width = 1215;
    design.enabled = false;
    return commandButton(design);
}

void ExerciseWindow::toggle(QWidget* chart) {
    chart->setVisible(chart->isHidden());
}

} // namespace kerbu
