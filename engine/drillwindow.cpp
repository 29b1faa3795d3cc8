#include "drillwindow.h"

#include "platform/accessibletext.h"
#include "texts.h"

#include <QScrollBar>
#include <QTextEdit>

namespace kerbu {

DrillWindow::DrillWindow(const QString& name, DrillDesign design, DrillRules rules,
                         FrameDesign frame, ProgramState& state)
    : ExerciseWindow(name, design.background, state), design_(std::move(design)),
      rules_(std::move(rules)), frame_(std::move(frame)), drill_(rules_.list) {}

void DrillWindow::buildControls(QWidget* body) {
    makeLabel(body, design_.hint);
    makeLabel(body, design_.title);
    if (design_.question)
        makeLabel(body, *design_.question);
    start_ = makeButton(body, design_.start);
    if (rules_.recordIsTextBox) {
        recordBox_ = new QTextEdit(body);
        recordBox_->setReadOnly(true);
        recordBox_->setAcceptRichText(false);
        recordBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        recordBox_->setFocusPolicy(Qt::StrongFocus);
        applyDesign(recordBox_, design_.record);
    } else {
        recordLabel_ = makeLabel(body, design_.record);
        readAsText(recordLabel_);
        recordLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    word_ = makeTextBox(body, design_.word);
    ending_ = makeTextBox(body, design_.ending);
    next_ = makeButton(body, design_.next);
    makeButton(body, design_.charButton);
    chart_ = makeChart(body, "Label6");
    solution_ = makeButton(body, design_.solution);
    plus_ = makeButton(body, design_.plus);
    plusNote_ = makeLabel(body, design_.plusNote);
    makeHintLine(body, design_.hintLine);
    setDefaultButton(next_);

    word_->setAccessibleName(QStringLiteral("Base word"));
    word_->setAccessibleDescription(QStringLiteral(
        "The word to complete. Change its last letter where the ending asks for it."));
    ending_->setAccessibleName(QStringLiteral("Ending"));
    ending_->setAccessibleDescription(
        QStringLiteral("Type the ending here, then press Enter to check the answer."));
    QWidget* record = recordLabel_ ? static_cast<QWidget*>(recordLabel_) : recordBox_;
    record->setAccessibleName(QStringLiteral("Right answers"));

    const KeyTable wordKeys = rules_.wordKeys;
    const KeyTable endingKeys = rules_.endingKeys;
    if (wordKeys != KeyTable::None)
        word_->setTranslator([wordKeys](QChar c) { return translateKey(wordKeys, c); });
    if (endingKeys != KeyTable::None)
        ending_->setTranslator([endingKeys](QChar c) { return translateKey(endingKeys, c); });

    connect(start_, &QPushButton::clicked, this, &DrillWindow::startClicked);
    connect(next_, &QPushButton::clicked, this, &DrillWindow::nextClicked);
    connect(solution_, &QPushButton::clicked, this, &DrillWindow::solutionClicked);
    connect(control<QPushButton>(design_.charButton.name), &QPushButton::clicked, this,
            &DrillWindow::charClicked);
    connect(plus_, &QPushButton::clicked, this, &DrillWindow::plusClicked);
    word_->setCaretToEndOnFocus(true);
}

void DrillWindow::onLoad() {
    beginLoad();
    drill_.open();
    finishLoad(rules_.titleSuffix);
}

void DrillWindow::startClicked() {
    clearHint();
    next_->setEnabled(true);
    clearRecord();
    if (!rules_.runTitle.isEmpty())
        shared().msgTitle = rules_.runTitle;
    if (!rules_.runWrong.isEmpty())
        shared().msgWrong = rules_.runWrong;
    drill_.start(services().random());
    mistakes().begin(drill_.runLength(), false);
    beginRun();
}

void DrillWindow::practiseMistakes() {
    if (!isLoaded() || !mistakes().canPractise())
        return;
    clearHint();
    clearRecord();
    drill_.startRound(mistakes().missed(), services().random());
    mistakes().begin(drill_.runLength(), true);
    beginRun();
    showRound();
}

void DrillWindow::showWord(bool afterRight) {
    word_->setText(drill_.word());
    announceItem(ending_, QStringLiteral("Ending for ") + drill_.word(), afterRight);
}

void DrillWindow::beginRun() {
    showWord();
    ending_->setFocus(Qt::OtherFocusReason);
    start_->setEnabled(false);
    solution_->setEnabled(true);
    next_->setEnabled(true);
}

void DrillWindow::nextClicked() {
    const int item = drill_.current();
    const QString answered = drill_.solution();
    const Outcome outcome = drill_.answer(word_->text(), ending_->text(), services().random());
    if (outcome == Outcome::Wrong) {
        hiba();
        return;
    }
    mistakes().right(item, answered);
    if (outcome == Outcome::Accomplished)
        mistakes().finish();
    oke(answered, outcome);
}

void DrillWindow::hiba() {
    const QString typed = trimBlanks(word_->text()) + trimBlanks(ending_->text());
    mistakes().wrong(drill_.current(), drill_.word(), typed);
    wrongAnswer(nullptr, Hint::forWord(typed, drill_.solution(), drill_.word()));
}

void DrillWindow::oke(const QString& answered, Outcome outcome) {
    clearHint();
    appendRecord(answered + QStringLiteral("; "));
    word_->clear();
    ending_->clear();
    if (outcome == Outcome::Right) {
        showWord(true);
        ending_->setFocus(Qt::OtherFocusReason);
        return;
    }
    message(rules_.done.text.isEmpty() ? shared().msgDone : rules_.done.text, rules_.done.icon,
            rules_.done.title);
    if (!isLoaded())
        return;
    next_->setEnabled(false);
    if (!rules_.solutionStaysAfterDone)
        solution_->setEnabled(false);
    start_->setEnabled(true);
    start_->setText(QStringLiteral("&Restart"));
    start_->setFocus(Qt::OtherFocusReason);
}

void DrillWindow::change() {
    start_->setEnabled(true);
    start_->setText(QStringLiteral("&Start"));
    word_->clear();
    ending_->clear();
    drill_.choosePlus();
    if (rules_.changeShowsPlusNote)
        plusNote_->show();
}

void DrillWindow::plusClicked() {
    clearHint();
    mistakes().clear();
    change();
    plusNote_->hide();
    plus_->hide();
    start_->setFocus(Qt::OtherFocusReason);
}

void DrillWindow::solutionClicked() {
    message(shared().msgSolution + drill_.solution(), Icon::Information, QString(), ending_);
}

void DrillWindow::charClicked() {
    toggle(chart_);
    if (!rules_.charKeepsFocus && ending_->isVisible())
        ending_->setFocus(Qt::OtherFocusReason);
}

void DrillWindow::appendRecord(const QString& text) {
    if (recordLabel_) {
        recordLabel_->setText(recordLabel_->text() + text);
        return;
    }
    // The record box keeps its end, with the newest answer, in view.
    recordBox_->setPlainText(recordBox_->toPlainText() + text);
    recordBox_->moveCursor(QTextCursor::End);
    recordBox_->verticalScrollBar()->setValue(recordBox_->verticalScrollBar()->maximum());
}

void DrillWindow::clearRecord() {
    if (recordLabel_)
        recordLabel_->clear();
    else
        recordBox_->clear();
}

} // namespace kerbu
