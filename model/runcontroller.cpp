#include "runcontroller.h"

#include <stdexcept>

namespace kerbu {

RunController::RunController(std::unique_ptr<RunModel> model, std::vector<RunRules> rules,
                             ProgramState& state, QString titleSuffix)
    : model_(std::move(model)), rules_(std::move(rules)), state_(state),
      titleSuffix_(std::move(titleSuffix)) {
    if (!model_ || int(rules_.size()) != model_->runKinds())
        throw std::invalid_argument("a run controller needs one rules row for each kind of run");
}

const RunRules& RunController::rules() const {
    return rules_.at(std::size_t(model_->runKind()));
}

RunState RunController::now() const {
    return {.buttons = buttons_};
}

RunState RunController::firstOf(std::vector<RunState> moments) {
    pending_.assign(moments.begin() + 1, moments.end());
    return moments.front();
}

RunState RunController::messageAnswered() {
    if (pending_.empty())
        return now();
    RunState next = pending_.front();
    pending_.pop_front();
    return next;
}

void RunController::say(RunState& s, QStringList texts) {
    texts.removeAll(QString());
    if (texts.isEmpty())
        return;
    lastSaid_ = texts.last();
    s.say = texts;
}

RunState RunController::open() {
    pending_.clear();
    mistakes_.clear();
    lastSaid_.clear();
    spokenModel_.clear();
    model_->open();
    texts(state_);
    state_.texts.msgTitle += titleSuffix_;
    caption_ = state_.texts.msgTitle;
    buttons_ = RunButtons{};
    return now();
}

RunState RunController::start(Random& random) {
    pending_.clear();
    RunState s = now();
    s.line = Line::Hidden;
    const Outcome outcome = model_->start(random);
    const RunRules& run = rules();
    if (!run.runTitle.isEmpty())
        state_.texts.msgTitle = run.runTitle;
    if (!run.runWrong.isEmpty())
        state_.texts.msgWrong = run.runWrong;
    mistakes_.begin(model_->runLength(), false, model_->solved());
    s.begun = Begun::Run;
    spokenModel_.clear();
    s.endsComparison = true;
    if (outcome == Outcome::Accomplished)
        return firstOf(accomplish(s, run));
    beginRun(s, run, run.startEnablesSolution, Focus::First);
    return s;
}

RunState RunController::practise(Random& random) {
    if (!mistakes_.canPractise())
        return now();
    pending_.clear();
    RunState s = now();
    s.line = Line::Hidden;
    const std::vector<int> missed = mistakes_.missed();
    model_->startRound(missed, random);
    mistakes_.begin(static_cast<int>(missed.size()), true);
    s.begun = Begun::Round;
    beginRun(s, rules(), true, Focus::Answer);
    // The list comes up beside the window, so the learner sees which round this is.
    s.showList = true;
    return s;
}

void RunController::beginRun(RunState& s, const RunRules& run, bool solutionOn, Focus focus) {
    spokenModel_.clear();
    s.endsComparison = true;
    buttons_.nextOn = true;
    if (solutionOn)
        buttons_.solutionOn = true;
    s.emptyBoxes = run.startEmptiesBox;
    s.shown = Shown::Item;
    say(s, {model_->item().say});
    s.focus = focus;
    if (run.startGreyed)
        buttons_.startOn = false;
    s.buttons = buttons_;
}

RunState RunController::answer(const Answer& given, Random& random) {
    pending_.clear();
    // The rules of the run this answer belongs to: the last answer of 3's ordered run
    // turns the model to its Restart run.
    const RunRules& run = rules();
    const Item asked = model_->item();
    const Verdict verdict = model_->answer(given, random);
    std::vector<RunState> moments;
    RunState s = now();
    s.endsComparison = true;
    s.answerText = verdict.rewrite;
    if (verdict.capitalWarning) {
        s.beep = true;
        s.message = Message{state_.texts.msgCapital, Icon::Exclamation, state_.texts.msgTitle};
        moments.push_back(s);
        s = now();
    }
    if (verdict.outcome == Outcome::Wrong) {
        const bool hinted = state_.hintsWanted && verdict.hint.kind != Hint::Kind::None;
        // The marks of the hint go with the try into the list, while Hints are on.
        mistakes_.wrong(asked.number, asked.label, verdict.typed,
                        state_.hintsWanted ? verdict.hint.marks : MarkedText());
        s.beep = true;
        // Said as the focus comes back to the box from the message.
        s.boxName = hinted ? BoxName::WithHint : BoxName::Plain;
        s.marks = verdict.hint.marks;
        s.lineText = verdict.hint.text;
        s.message = Message{state_.texts.msgWrong, Icon::Exclamation, state_.texts.msgTitle};
        s.afterMessage = run.focusAfterWrong ? Focus::Answer : Focus::Stays;
        moments.push_back(s);
        if (hinted) {
            RunState line = now();
            line.line = Line::Hint;
            line.marks = verdict.hint.marks;
            line.lineText = verdict.hint.text;
            line.announceLine = true;
            moments.push_back(line);
        }
        return firstOf(moments);
    }
    mistakes_.right(asked.number, asked.right);
    spokenModel_ = verdict.say;
    const bool last = verdict.outcome == Outcome::Accomplished;
    if (last)
        mistakes_.finish();
    s.line = Line::Hidden;
    s.rightItem = asked.number;
    s.rightOutcome = verdict.outcome;
    s.emptyBoxes = run.rightEmptiesBoxes && !(last && run.endKeepsAnswer);
    if (last) {
        say(s, {verdict.say});
        for (const RunState& end : accomplish(s, run))
            moments.push_back(end);
        return firstOf(moments);
    }
    s.shown = Shown::ItemAfterRight;
    say(s, {verdict.say, model_->item().say});
    if (run.focusAfterRight)
        s.focus = Focus::Answer;
    moments.push_back(s);
    return firstOf(moments);
}

std::vector<RunState> RunController::accomplish(RunState s, const RunRules& run) {
    if (run.startFocusedBeforeDone) {
        buttons_.nextOn = false;
        buttons_.startOn = true;
        s.focus = Focus::Start;
    }
    s.buttons = buttons_;
    s.message =
        Message{run.done.text.isEmpty() ? state_.texts.msgDone : run.done.text, run.done.icon,
                run.done.title.isEmpty() ? state_.texts.msgTitle : run.done.title};
    buttons_.nextOn = false;
    if (!run.solutionStaysAfterDone)
        buttons_.solutionOn = false;
    buttons_.startOn = true;
    buttons_.restart = true;
    RunState after = now();
    after.focus = Focus::Start;
    after.shown = Shown::NoItem;
    return {s, after};
}

RunState RunController::solution() {
    pending_.clear();
    RunState s = now();
    say(s, {model_->item().sayRight});
    spokenModel_ = model_->item().sayRight;
    // With the Hints on, the line says why the answer is so, from behind the message on.
    const QString why = state_.hintsWanted ? model_->why() : QString();
    if (!why.isEmpty()) {
        s.line = Line::Why;
        s.lineText = why;
    }
    s.message = Message{state_.texts.msgSolution + model_->solution(), Icon::Information,
                        state_.texts.msgTitle};
    s.afterMessage = Focus::Answer;
    if (why.isEmpty())
        return s;
    RunState told = now();
    told.announceLine = true;
    return firstOf({s, told});
}

RunState RunController::charPressed() {
    pending_.clear();
    buttons_.chartShown = !buttons_.chartShown;
    RunState s = now();
    const CharFocus focus = rules().charFocus;
    if (focus == CharFocus::ToAnswer ||
        (focus == CharFocus::ToAnswerWhenShown && buttons_.chartShown))
        s.focus = Focus::Answer;
    return s;
}

RunState RunController::plus() {
    pending_.clear();
    // Back to not started, for good in the extended variant; Next and Solution stay.
    mistakes_.clear();
    model_->choosePlus();
    spokenModel_.clear();
    buttons_.startOn = true;
    buttons_.restart = false;
    buttons_.plusShown = false;
    RunState s = now();
    s.endsComparison = true;
    s.line = Line::Hidden;
    s.emptyBoxes = true;
    s.focus = Focus::Start;
    return s;
}

RunState RunController::picture() {
    pending_.clear();
    RunState s = now();
    s.message = Message{model_->mainWords(), Icon::Information, state_.texts.msgTitle};
    s.afterMessage = Focus::Answer;
    return s;
}

void RunController::enter(int item) {
    model_->enter(item);
    if (const QString word = model_->item().say; !word.isEmpty())
        lastSaid_ = word;
}

} // namespace kerbu
