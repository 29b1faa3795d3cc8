#include "gapwindow.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <algorithm>
#include <stdexcept>

namespace kerbu {

namespace {

Look textLook(Qt::Alignment align, bool punctuation = false) {
    return {.face = punctuation ? Face::SansSerif : Face::Serif,
            .points = 12,
            .text = Qt::black,
            .align = align | Qt::AlignVCenter};
}

} // namespace

GapWindow::GapWindow(ExerciseSetup setup, GapDesign design, const GapContent& content,
                     ProgramState& state)
    : ExerciseWindow(std::move(setup), std::make_unique<GapText>(content), state),
      design_(std::move(design)), pieces_(content.pieces),
      text_(static_cast<GapText*>(&runModel())) {
    // The design places each gap and each piece of the text, in the text's order.
    if (design_.gaps.size() != content.gaps.size() || design_.prompts.size() != pieces_.size())
        throw std::invalid_argument("the design does not place every gap and piece of its text");
}

TextBox* GapWindow::gap(int number) const {
    if (!boxes_ || number < 0 || number >= int(boxes_->gaps.size()))
        return nullptr;
    return boxes_->gaps[std::size_t(number)];
}

QLineEdit* GapWindow::frontBox() const {
    if (!boxes_)
        return nullptr;
    for (std::size_t n = 0; n < design_.wordBoxes.size(); ++n) {
        if (design_.wordBoxes[n].gap == text_->current())
            return boxes_->words[n];
    }
    return nullptr;
}

const GapColours& GapWindow::colours(int number) const {
    return design_.families[std::size_t(design_.gaps[std::size_t(number)].family)];
}

void GapWindow::buildControls(QWidget* body) {
    Boxes boxes;
    ControlDesign title = exerciseTitle(design_.title);
    title.left = 240;
    title.width = 2895;
    title.look.align = Qt::AlignLeft;
    makeLabel(body, title);
    for (std::size_t n = 0; n < design_.prompts.size(); ++n) {
        const Prompt& prompt = design_.prompts[n];
        const QString text = QString::fromUtf16(pieces_[n].text);
        const bool punctuation = text == QLatin1String(".") || text == QLatin1String("?");
        // The fixed pieces read as plain text between the gaps; they never take the focus.
        Caption* label = makeLabel(body, {.name = prompt.name,
                                          .text = text,
                                          .left = prompt.left,
                                          .top = prompt.top,
                                          .width = prompt.width,
                                          .height = 420,
                                          .look = textLook(prompt.align, punctuation)});
        label->setWordWrap(false);
    }
    for (std::size_t n = 0; n < design_.separators.size(); ++n) {
        Caption* separator = makeLabel(
            body,
            {.name = "Label1",
             .text = "/",
             .left = design_.separators[n].left,
             .top = design_.separators[n].top,
             .width = 255,
             .height = 375,
             .look = {.points = 13.5, .bold = false, .text = Qt::black, .align = Qt::AlignCenter}});
        separator->setWordWrap(false);
        separator->setProperty("index", int(n));
    }

    // The answer boxes take the focus first, in the design's order.
    auto placeInOrder = [this](int entry) {
        const auto at = std::find(design_.focusOrder.begin(), design_.focusOrder.end(), entry);
        return int(at - design_.focusOrder.begin());
    };
    for (int number = 0; number < gapCount(); ++number) {
        const GapPlace& place = design_.gaps[std::size_t(number)];
        TextBox* box = makeTextBox(body, {.name = "Text14",
                                          .left = place.left,
                                          .top = place.top,
                                          .width = place.width,
                                          .height = 420,
                                          .look = textLook(Qt::AlignLeft),
                                          .tabIndex = placeInOrder(number)});
        box->setProperty("index", number);
        box->setAccessibleName(text_->label(number));
        box->setAccessibleDescription(QStringLiteral(
            "Type the ending of the word in front of the gap, then press Enter to check it."));
        box->setTranslator(hunkey);
        paint(box, colours(number).open);
        connect(box, &TextBox::gotFocus, this, [this, number] { gapFocused(number); });
        boxes.gaps.push_back(box);
    }
    for (std::size_t n = 0; n < design_.wordBoxes.size(); ++n) {
        const WordBox& w = design_.wordBoxes[n];
        TextBox* box = makeTextBox(body, {.name = w.name,
                                          .text = QString::fromUtf16(text_->gap(w.gap).word),
                                          .left = w.left,
                                          .top = w.top,
                                          .width = w.width,
                                          .height = 420,
                                          .look = textLook(Qt::AlignRight),
                                          .tabIndex = placeInOrder(-1 - int(n))});
        box->setAccessibleName(QStringLiteral("Word before the gap"));
        box->setAccessibleDescription(
            QStringLiteral("Change the end of the word here where the ending asks for it."));
        const KeyTable keys = w.keys;
        box->setTranslator([keys](QChar c) { return translateKey(keys, c); });
        box->setCaretToEndOnFocus(true);
        boxes.words.push_back(box);
    }
    boxes_ = std::move(boxes);

    int tab = int(design_.focusOrder.size());
    ControlDesign next = commandButton(design_.next);
    next.name = QStringLiteral("Command2");
    next.text = QStringLiteral("&Next");
    next.enabled = false;
    ControlDesign charButton = commandButton(design_.charButton);
    charButton.name = QStringLiteral("Command13");
    charButton.text = QStringLiteral("&Char");
    RunDesign run{.start = startButton({.width = 1095, .tabIndex = tab}),
                  .solution = solutionButton({.name = "Command14", .left = 1080}),
                  .chart = "Label3",
                  .hintLine = design_.hintLine};
    next.tabIndex = tab + 1;
    run.next = next;
    run.solution.tabIndex = tab + 2;
    charButton.tabIndex = tab + 3;
    run.charButton = charButton;
    run.charOnClick = !design_.charActsOnFocus;
    buildRunControls(body, run);
    if (design_.charActsOnFocus)
        controls().charButton->installEventFilter(this);
}

bool GapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls().charButton && event->type() == QEvent::FocusIn && !locking_)
        charClicked();
    return ExerciseWindow::eventFilter(watched, event);
}

void GapWindow::onUnload() {
    // The Char button lives on for a moment after the window's controls are gone.
    controls().charButton->removeEventFilter(this);
    boxes_.reset();
    ExerciseWindow::onUnload();
}

void GapWindow::paint(QWidget* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    // A solved gap is disabled; its text stays as readable as the open ones'.
    palette.setColor(QPalette::Disabled, QPalette::Base, colour);
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    box->setPalette(palette);
}

void GapWindow::showGaps() {
    for (int number = 0; number < gapCount(); ++number) {
        TextBox* box = gap(number);
        box->setEnabled(true);
        box->setText(text_->shown(number).typed);
        paint(box, colours(number).open);
    }
    for (std::size_t n = 0; n < design_.wordBoxes.size(); ++n) {
        boxes_->words[n]->setText(text_->shown(design_.wordBoxes[n].gap).front);
    }
    // In a round the gaps right at the first try stand filled in and locked.
    for (int number = 0; number < gapCount(); ++number) {
        if (text_->isSolved(number))
            lock(number);
    }
}

void GapWindow::gapFocused(int number) {
    if (locking_)
        return;
    entered(number);
    if (announcedBox() != gap(number))
        announceItem(gap(number), text_->label(number));
}

void GapWindow::runBegun() {
    if (text_->openedAfresh())
        showGaps();
}

void GapWindow::showItem(bool afterRight) {
    announceItem(gap(text_->current()), text_->label(text_->current()), afterRight);
}

void GapWindow::answeredRight(int item) {
    lock(item);
}

void GapWindow::lock(int number) {
    TextBox* box = gap(number);
    {
        QScopedValueRollback<bool> locking(locking_, true);
        box->setEnabled(false);
    }
    paint(box, colours(number).solved);
}

} // namespace kerbu
