#include "exercisewindow.h"

#include "center.h"
#include "model/keys.h"
#include "hintline.h"
#include "mistakeswindow.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/focusnote.h"

namespace kerbu {

ExerciseWindow::ExerciseWindow(ExerciseSetup setup, std::unique_ptr<RunModel> model,
                               ProgramState& state)
    : FormWindow(setup.name), setup_(std::move(setup)), state_(state), model_(std::move(model)) {
    setClientSize(9210, 5880);
    setBackground(setup_.background);
}

ExerciseWindow::~ExerciseWindow() = default;

const RunRules& ExerciseWindow::runRules() const {
    const auto kind = std::size_t(model_->runKind());
    return setup_.rules.at(kind < setup_.rules.size() ? kind : 0);
}

void ExerciseWindow::buildRunControls(QWidget* body, const RunDesign& design) {
    RunControls c;
    c.start = makeButton(body, design.start);
    c.next = makeButton(body, design.next);
    c.solution = makeButton(body, design.solution);
    c.charButton = makeButton(body, design.charButton);
    c.chart = makeLabel(body, {.name = design.chart,
                               .text = characterChart,
                               .left = 120,
                               .top = 5400,
                               .width = 8895,
                               .height = 375,
                               .look = {.face = Face::Serif,
                                        .points = 13.5,
                                        .text = colours::grey,
                                        .background = Qt::white},
                               .visible = false,
                               .accessibleName = QStringLiteral("Character chart")});
    // The Hints line takes the window's own colours.
    ControlDesign hint = design.hintLine;
    hint.name = QStringLiteral("hintLine");
    hint.look = {.points = 9.75, .bold = false, .align = Qt::AlignLeft | Qt::AlignTop};
    hint.visible = false;
    hint.accessibleName = QStringLiteral("Hint");
    c.hint = new HintLine(body, hint);
    controls_ = c;
    setDefaultButton(c.next);
    connect(c.start, &QPushButton::clicked, this, &ExerciseWindow::startClicked);
    connect(c.next, &QPushButton::clicked, this, &ExerciseWindow::nextClicked);
    connect(c.solution, &QPushButton::clicked, this, &ExerciseWindow::solutionClicked);
    if (design.charOnClick)
        connect(c.charButton, &QPushButton::clicked, this, &ExerciseWindow::charClicked);
}

void ExerciseWindow::onLoad() {
    mistakes_.clear();
    answerBox_ = nullptr;
    item_.clear();
    lastSaid_.clear();
    center(this);
    loadParts();
    model_->open();
    texts(state_);
    shared().msgTitle += setup_.titleSuffix;
    setWindowTitle(shared().msgTitle);
}

void ExerciseWindow::onUnload() {
    controls_.reset();
    // The list belongs to the run, which ends with the window.
    delete list_;
    list_ = nullptr;
}

void ExerciseWindow::startClicked() {
    clearHint();
    const Outcome outcome = model_->start(services().random());
    const RunRules& run = runRules();
    if (!run.runTitle.isEmpty())
        shared().msgTitle = run.runTitle;
    if (!run.runWrong.isEmpty())
        shared().msgWrong = run.runWrong;
    mistakes_.begin(model_->runLength(), false, model_->solved());
    runBegun(false);
    if (outcome == Outcome::Accomplished)
        accomplish(run);
    else
        beginRun(run.startEnablesSolution, startFocus());
}

void ExerciseWindow::practiseMistakes() {
    if (!mistakes_.canPractise())
        return;
    clearHint();
    const std::vector<int> missed = mistakes_.missed();
    model_->startRound(missed, services().random());
    mistakes_.begin(static_cast<int>(missed.size()), true);
    runBegun(true);
    beginRun(true, answerBox());
    // The list comes up beside the window, without taking the keyboard, so the learner
    // sees which round this is.
    listWindow()->showBeside(false);
}

void ExerciseWindow::beginRun(bool solutionOn, QWidget* focus) {
    const RunRules& run = runRules();
    controls_->next->setEnabled(true);
    if (solutionOn)
        controls_->solution->setEnabled(true);
    if (run.startEmptiesBox)
        answerBox()->clear();
    showItem(false);
    say({model_->item().say});
    giveFocus(focus);
    if (run.startGreyed)
        controls_->start->setEnabled(false);
}

void ExerciseWindow::nextClicked() {
    // The rules of the run this answer belongs to: the last answer of 3's ordered run
    // turns the model to its Restart run.
    const RunRules& run = runRules();
    const Item asked = model_->item();
    QLineEdit* front = frontBox();
    const Verdict verdict = model_->answer({front ? front->text() : QString(), answerBox()->text()},
                                           services().random());
    if (verdict.rewrite)
        answerBox()->setText(*verdict.rewrite);
    if (verdict.capitalWarning) {
        services().beep();
        message(shared().msgCapital, Icon::Exclamation);
        // A message box runs an event loop of its own, in which the window may have gone.
        if (!isLoaded())
            return;
    }
    if (verdict.outcome == Outcome::Wrong) {
        // The marks of the hint go with the try into the list, while Hints are on.
        mistakes_.wrong(asked.number, asked.label, verdict.typed,
                        state_.hintsWanted ? verdict.hint.marks : MarkedText());
        wrongAnswer(run.focusAfterWrong ? answerBox() : nullptr, verdict.hint);
        return;
    }
    mistakes_.right(asked.number, asked.right);
    if (verdict.outcome == Outcome::Accomplished)
        mistakes_.finish();
    clearHint();
    answeredRight(asked.number, verdict.outcome);
    if (verdict.outcome == Outcome::Accomplished) {
        say({verdict.say});
        accomplish(run);
        return;
    }
    showItem(true);
    say({verdict.say, model_->item().say});
    if (run.focusAfterRight)
        giveFocus(answerBox());
}

void ExerciseWindow::wrongAnswer(QWidget* then, const Hint::Result& hint) {
    services().beep();
    const bool hinted = state_.hintsWanted && hint.kind != Hint::Kind::None;
    // Qt has no way to make a screen reader say a text at once; the hint goes into the
    // name of the answer box, which is said as the focus comes back to it from the message.
    if (answerBox_)
        answerBox_->setAccessibleName(hinted ? item_ + QStringLiteral(". Hint: ") +
                                                   HintLine::spokenHint(hint.marks, hint.text)
                                             : item_);
    message(shared().msgWrong, Icon::Exclamation, QString(), then);
    // The message box ran an event loop of its own, in which the window may have gone.
    if (!isLoaded() || !hinted)
        return;
    HintLine* line = controls_->hint;
    line->showHint(hint.marks, hint.text);
    line->show();
    // A screen reader says the new hint, also to a learner who does not see it.
    services().announce(line);
}

void ExerciseWindow::accomplish(const RunRules& run) {
    const RunControls& c = *controls_;
    if (run.startFocusedBeforeDone) {
        c.next->setEnabled(false);
        c.start->setEnabled(true);
        c.start->setFocus(Qt::OtherFocusReason);
    }
    message(run.done.text.isEmpty() ? shared().msgDone : run.done.text, run.done.icon,
            run.done.title);
    // The message box ran an event loop of its own, in which the window may have gone.
    if (!isLoaded())
        return;
    c.next->setEnabled(false);
    if (!run.solutionStaysAfterDone)
        c.solution->setEnabled(false);
    c.start->setEnabled(true);
    setCaption(c.start, QStringLiteral("&Restart"));
    c.start->setFocus(Qt::OtherFocusReason);
    showNoItem();
}

void ExerciseWindow::solutionClicked() {
    say({model_->item().sayRight});
    // With the Hints on, the line says why the answer is so, from behind the message on.
    const QString why = state_.hintsWanted ? model_->why() : QString();
    if (!why.isEmpty()) {
        controls_->hint->showWhy(why);
        controls_->hint->show();
    }
    message(shared().msgSolution + model_->solution(), Icon::Information, QString(), answerBox());
    if (!why.isEmpty() && isLoaded())
        services().announce(controls_->hint);
}

void ExerciseWindow::charClicked() {
    QLabel* chart = controls_->chart;
    const bool shown = chart->isHidden();
    chart->setVisible(shown);
    const CharFocus focus = runRules().charFocus;
    if (focus == CharFocus::ToAnswer || (focus == CharFocus::ToAnswerWhenShown && shown))
        giveFocus(answerBox());
}

MistakesWindow* ExerciseWindow::mistakesWindow() const {
    return list_;
}

void ExerciseWindow::showMistakes() {
    listWindow()->showBeside(true);
}

MistakesWindow* ExerciseWindow::listWindow() {
    if (!list_)
        list_ = new MistakesWindow(mistakes_, this);
    return list_;
}

void ExerciseWindow::clearHint() {
    if (controls_)
        controls_->hint->hide();
}

void ExerciseWindow::say(QStringList step) {
    step.removeAll(QString());
    if (step.isEmpty())
        return;
    lastSaid_ = step.last();
    if (state_.readAloud && !services().screenReaderOn())
        services().speaker().say(step);
}

void ExerciseWindow::setSayAgain(const QString& text) {
    if (!text.isEmpty())
        lastSaid_ = text;
}

void ExerciseWindow::sayAgain() {
    if (!lastSaid_.isEmpty())
        services().speaker().say({lastSaid_});
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
    if (!controls_->rightNote)
        controls_->rightNote = new FocusNote(body());
    controls_->rightNote->say(QStringLiteral("Right."), box);
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

} // namespace kerbu
