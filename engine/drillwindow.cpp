#include "drillwindow.h"

#include "platform/accessibletext.h"

#include <QScrollBar>
#include <QTextEdit>

namespace kerbu {

DrillWindow::DrillWindow(const QString& name, DrillDesign design, const DrillRules& rules,
                         FrameDesign frame, ProgramState& state)
    : ExerciseWindow({.name = name,
                      .titleSuffix = rules.titleSuffix,
                      .background = design.background,
                      .frame = std::move(frame)},
                     std::make_unique<Drill>(rules.list), state),
      design_(std::move(design)), wordKeys_(rules.wordKeys), endingKeys_(rules.endingKeys),
      recordIsTextBox_(rules.recordIsTextBox), drill_(static_cast<Drill*>(&runModel())) {}

QLineEdit* DrillWindow::answerBox() const {
    return boxes_ ? boxes_->ending : nullptr;
}

QLineEdit* DrillWindow::frontBox() const {
    return boxes_ ? boxes_->word : nullptr;
}

void DrillWindow::buildControls(QWidget* body) {
    Boxes b;
    makeLabel(body, design_.hint);
    makeLabel(body, design_.title);
    if (design_.question)
        makeLabel(body, *design_.question);
    QWidget* record = nullptr;
    if (recordIsTextBox_) {
        b.recordBox = new QTextEdit(body);
        b.recordBox->setReadOnly(true);
        b.recordBox->setAcceptRichText(false);
        b.recordBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        b.recordBox->setFocusPolicy(Qt::StrongFocus);
        applyDesign(b.recordBox, design_.record);
        record = b.recordBox;
    } else {
        b.recordLabel = makeLabel(body, design_.record);
        readAsText(b.recordLabel);
        b.recordLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        record = b.recordLabel;
    }
    record->setAccessibleName(QStringLiteral("Right answers"));
    b.word = makeTextBox(body, design_.word);
    b.ending = makeTextBox(body, design_.ending);
    buildRunControls(body, design_.run);
    b.plus = makeButton(body, design_.plus);
    b.plusNote = makeLabel(body, design_.plusNote);

    b.word->setAccessibleName(QStringLiteral("Base word"));
    b.word->setAccessibleDescription(QStringLiteral(
        "The word to complete. Change its last letter where the ending asks for it."));
    b.ending->setAccessibleName(QStringLiteral("Ending"));
    b.ending->setAccessibleDescription(
        QStringLiteral("Type the ending here, then press Enter to check the answer."));
    for (auto [box, keys] : {std::pair{b.word, wordKeys_}, std::pair{b.ending, endingKeys_}}) {
        if (keys != KeyTable::None)
            box->setTranslator([keys](QChar c) { return translateKey(keys, c); });
    }
    b.word->setCaretToEndOnFocus(true);
    connect(b.plus, &QPushButton::clicked, this, &ExerciseWindow::plusClicked);
    boxes_ = b;
}

void DrillWindow::onUnload() {
    boxes_.reset();
    ExerciseWindow::onUnload();
}

void DrillWindow::showItem(bool afterRight) {
    boxes_->word->setText(drill_->word());
    announceItem(boxes_->ending, QStringLiteral("Ending for ") + drill_->word(), afterRight);
}

void DrillWindow::runBegun() {
    if (boxes_->recordLabel)
        boxes_->recordLabel->clear();
    else
        boxes_->recordBox->clear();
}

void DrillWindow::answeredRight(int item) {
    appendRecord(drill_->answerOf(item) + QStringLiteral("; "));
}

void DrillWindow::showPlus(bool shown) {
    boxes_->plusNote->setVisible(shown);
    boxes_->plus->setVisible(shown);
}

void DrillWindow::appendRecord(const QString& text) {
    if (QLabel* label = boxes_->recordLabel) {
        label->setText(label->text() + text);
        return;
    }
    // The record box keeps its end, with the newest answer, in view.
    QTextEdit* box = boxes_->recordBox;
    box->setPlainText(box->toPlainText() + text);
    box->moveCursor(QTextCursor::End);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
}

} // namespace kerbu
