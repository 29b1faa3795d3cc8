#include "exercisewindow.h"

#include "center.h"
#include "comparisonwindow.h"
#include "hintline.h"
#include "mistakeswindow.h"
#include "model/keys.h"
#include "model/oral.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/focusnote.h"

#include <QTimer>

namespace kerbu {

ExerciseWindow::ExerciseWindow(ExerciseSetup setup, std::unique_ptr<RunModel> model,
                               ProgramState& state)
    : FormWindow(setup.name), setup_(std::move(setup)), state_(state),
      run_(std::move(model), runRulesOf(setup_.name), state, setup_.titleSuffix) {
    setClientSize(9210, 5880);
    setBackground(setup_.background);
}

ExerciseWindow::~ExerciseWindow() = default;

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
    answerBox_ = nullptr;
    item_.clear();
    center(this);
    loadParts();
    const RunState opened = run_.open();
    setWindowTitle(run_.caption());
    showState(opened);
}

void ExerciseWindow::onUnload() {
    // Closed, or left for another window: its voice falls silent with it, and the learner's
    // recording goes.
    services().speaker().stop();
    if (!recordedModel_.isEmpty() && services().recorder().recording())
        services().recorder().finish();
    recordedModel_.clear();
    delete comparison_;
    comparison_ = nullptr;
    controls_.reset();
    // The list belongs to the run, which ends with the window.
    delete list_;
    list_ = nullptr;
}

void ExerciseWindow::startClicked() {
    showState(run_.start(services().random()));
}

void ExerciseWindow::nextClicked() {
    QLineEdit* front = frontBox();
    showState(
        run_.answer({front ? front->text() : QString(), answerBox()->text()}, services().random()));
}

void ExerciseWindow::solutionClicked() {
    showState(run_.solution());
}

void ExerciseWindow::charClicked() {
    showState(run_.charPressed());
}

void ExerciseWindow::plusClicked() {
    showState(run_.plus());
}

void ExerciseWindow::practiseMistakes() {
    showState(run_.practise(services().random()));
}

void ExerciseWindow::showState(RunState state) {
    for (;;) {
        if (!controls_)
            return;
        render(state);
        if (run_.spokenModel() != recordedModel_)
            recordedModel_.clear();
        emit spokenModelChanged();
        if (!state.message)
            return;
        tell(state.message->text, state.message->title, state.message->icon,
             focusTarget(state.afterMessage));
        // A message box runs an event loop of its own, in which the window may have gone.
        if (!isLoaded())
            return;
        state = run_.messageAnswered();
    }
}

void ExerciseWindow::render(const RunState& s) {
    if (s.line == Line::Hidden)
        clearHint();
    if (s.begun != Begun::No)
        runBegun();
    if (s.rightItem >= 0)
        answeredRight(s.rightItem);
    if (s.answerText)
        answerBox()->setText(*s.answerText);
    if (s.emptyBoxes) {
        answerBox()->clear();
        if (QLineEdit* front = frontBox())
            front->clear();
    }
    // What turns on comes first and what turns off last, so that the focus never has to
    // leave a control that is greyed under it for one that happens to be next.
    renderButtons(s.buttons, true);
    switch (s.shown) {
    case Shown::Same:
        break;
    case Shown::Item:
    case Shown::ItemAfterRight:
        showItem(s.shown == Shown::ItemAfterRight);
        break;
    case Shown::NoItem:
        showNoItem();
        break;
    }
    say(s.say);
    if (s.focus != Focus::Stays)
        giveFocus(focusTarget(s.focus));
    renderButtons(s.buttons, false);
    if (s.showList)
        listWindow()->showBeside(false);
    if (s.endsComparison && comparison_)
        comparison_->hide();
    renderLine(s);
    if (s.beep)
        services().beep();
}

void ExerciseWindow::renderButtons(const RunButtons& b, bool turningOn) {
    const RunControls& c = *controls_;
    for (auto [button, on] : {std::pair{c.start, b.startOn}, std::pair{c.next, b.nextOn},
                              std::pair{c.solution, b.solutionOn}}) {
        if (on == turningOn)
            button->setEnabled(on);
    }
    if (!turningOn)
        return;
    setCaption(c.start, b.restart ? QStringLiteral("&Restart") : QStringLiteral("&Start"));
    c.chart->setVisible(b.chartShown);
    showPlus(b.plusShown);
}

void ExerciseWindow::renderLine(const RunState& s) {
    // Qt has no way to make a screen reader say a text at once; a hint goes into the name
    // of the answer box, which is said as the focus comes back to it from the message.
    if (s.boxName != BoxName::Same && answerBox_)
        answerBox_->setAccessibleName(s.boxName == BoxName::WithHint
                                          ? item_ + QStringLiteral(". Hint: ") +
                                                HintLine::spokenHint(s.marks, s.lineText)
                                          : item_);
    HintLine* line = controls_->hint;
    if (s.line == Line::Hint)
        line->showHint(s.marks, s.lineText);
    else if (s.line == Line::Why)
        line->showWhy(s.lineText);
    if (s.line == Line::Hint || s.line == Line::Why)
        line->show();
    // A screen reader says the new hint, also to a learner who does not see it.
    if (s.announceLine)
        services().announce(line);
}

QWidget* ExerciseWindow::focusTarget(Focus focus) const {
    switch (focus) {
    case Focus::Stays:
        break;
    case Focus::Start:
        return controls_->start;
    case Focus::Answer:
        return answerBox();
    case Focus::First:
        return firstBox();
    }
    return nullptr;
}

MistakesWindow* ExerciseWindow::mistakesWindow() const {
    return list_;
}

void ExerciseWindow::showMistakes() {
    listWindow()->showBeside(true);
}

MistakesWindow* ExerciseWindow::listWindow() {
    if (!list_)
        list_ = new MistakesWindow(run_.mistakes(), this);
    return list_;
}

void ExerciseWindow::clearHint() {
    if (controls_)
        controls_->hint->hide();
}

void ExerciseWindow::say(const QStringList& step) {
    if (!step.isEmpty() && state_.readAloud && !services().screenReaderOn())
        services().speaker().say(step);
}

void ExerciseWindow::sayAgain() {
    if (const QString text = run_.sayAgain(); !text.isEmpty())
        services().speaker().say({text});
}

void ExerciseWindow::saySlowly() {
    if (const QString text = run_.sayAgain(); !text.isEmpty())
        services().speaker().saySlowly(text);
}

void ExerciseWindow::sayYourself() {
    Recorder& recorder = services().recorder();
    if (recorder.recording()) {
        recorder.finish();
        return;
    }
    const QString model = run_.spokenModel();
    if (model.isEmpty() || !controls_)
        return;
    services().speaker().stop();
    recordedModel_ = model;
    if (!comparison_) {
        comparison_ = new ComparisonWindow(this);
        connect(&recorder, &Recorder::level, comparison_, &ComparisonWindow::setLevel);
        connect(&recorder, &Recorder::finished, comparison_,
                [this](const std::vector<short>& samples, int rate) {
                    if (recordedModel_.isEmpty())
                        return;
                    // Nothing could be recorded: the item says why, greyed; nothing is played.
                    if (samples.empty()) {
                        comparison_->hide();
                        return;
                    }
                    comparison_->showLearner(oral::loudness(samples.data(), samples.size(), rate),
                                             oral::seconds(samples.size(), rate));
                    services().speaker().playThenSay(samples, rate, recordedModel_);
                });
        connect(&services().speaker(), &Speaker::modelHeard, comparison_,
                &ComparisonWindow::showVoice);
    }
    comparison_->listen(sayYourselfKey.toString(QKeySequence::NativeText));
    // The tone, and then the recording, come after what a screen reader says of it.
    // Both wait in the comparison window, which goes with the window: a window closed
    // meanwhile never starts a recording.
    QTimer::singleShot(services().screenReaderOn() ? 1500 : 0, comparison_, [this] {
        services().speaker().tone();
        QTimer::singleShot(250, comparison_, [] { services().recorder().record(); });
    });
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
