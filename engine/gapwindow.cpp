#include "gapwindow.h"

#include "drill.h"
#include "texts.h"

#include <QEvent>
#include <QScopedValueRollback>

namespace kerbu {

namespace {

Look textLook(Qt::Alignment align, bool punctuation = false) {
    return {.face = punctuation ? Face::SansSerif : Face::Serif,
            .points = 12,
            .text = Qt::black,
            .align = align | Qt::AlignVCenter};
}

} // namespace

GapWindow::GapWindow(const QString& name, GapDesign design, FrameDesign frame, ProgramState& state)
    : ExerciseWindow(name, QColor(224, 224, 224), state), design_(std::move(design)),
      frame_(std::move(frame)), text_(design_.gaps, design_.solutionPrefix) {}

FrameDesign GapWindow::frameDesign() const {
    FrameDesign f = frame_;
    f.howToFocus = QStringLiteral("Text14");
    f.howToFocusIndex = [this] { return text_.current(); };
    return f;
}

TextBox* GapWindow::gap(int number) const {
    return control<TextBox>(QStringLiteral("Text14"), number);
}

void GapWindow::buildControls(QWidget* body) {
    ControlDesign title = exerciseTitle(design_.title);
    title.left = 240;
    title.width = 2895;
    title.look.align = Qt::AlignLeft;
    makeLabel(body, title);
    for (const Prompt& prompt : design_.prompts) {
        const QString text = QString::fromUtf16(prompt.text);
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
    int tab = 0;
    auto placeInOrder = [&](int entry) {
        for (std::size_t i = 0; i < design_.focusOrder.size(); ++i) {
            if (design_.focusOrder[i] == entry)
                return int(i);
        }
        return tab;
    };
    for (int number = 0; number < gapCount(); ++number) {
        const Gap& g = design_.gaps[std::size_t(number)];
        TextBox* box = makeTextBox(body, {.name = "Text14",
                                          .left = g.left,
                                          .top = g.top,
                                          .width = g.width,
                                          .height = 420,
                                          .look = textLook(Qt::AlignLeft),
                                          .tabIndex = placeInOrder(number)});
        box->setProperty("index", number);
        box->setAccessibleName(gapLabel(number));
        box->setAccessibleDescription(QStringLiteral(
            "Type the ending of the word in front of the gap, then press Enter to check it."));
        box->setTranslator(hunkey);
        connect(box, &TextBox::gotFocus, this, [this, number] { gapFocused(number); });
    }
    for (std::size_t n = 0; n < design_.wordBoxes.size(); ++n) {
        const WordBox& w = design_.wordBoxes[n];
        TextBox* box = makeTextBox(body, {.name = w.name,
                                          .text = QString::fromUtf16(w.text),
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
    }
    tab = int(design_.focusOrder.size());

    start_ = makeButton(body, startButton({.width = 1095, .tabIndex = tab++}));
    ControlDesign next = commandButton(design_.next);
    next.name = QStringLiteral("Command2");
    next.text = QStringLiteral("&Next");
    next.tabIndex = tab++;
    next.enabled = false;
    next_ = makeButton(body, next);
    solution_ =
        makeButton(body, solutionButton({.name = "Command14", .left = 1080, .tabIndex = tab++}));
    ControlDesign charButton = commandButton(design_.charButton);
    charButton.name = QStringLiteral("Command13");
    charButton.text = QStringLiteral("&Char");
    charButton.tabIndex = tab++;
    char_ = makeButton(body, charButton);
    chart_ = makeChart(body, "Label3");
    makeHintLine(body, design_.hintLine);
    setDefaultButton(next_);

    openGaps();
    connect(start_, &QPushButton::clicked, this, &GapWindow::startClicked);
    connect(next_, &QPushButton::clicked, this, &GapWindow::nextClicked);
    connect(solution_, &QPushButton::clicked, this, &GapWindow::solutionClicked);
    if (design_.charActsOnFocus)
        char_->installEventFilter(this);
    else
        connect(char_, &QPushButton::clicked, this, &GapWindow::charPressed);
}

bool GapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == char_ && event->type() == QEvent::FocusIn && !locking_)
        charPressed();
    return ExerciseWindow::eventFilter(watched, event);
}

void GapWindow::onLoad() {
    beginLoad();
    finishLoad(design_.titleSuffix);
    // The focus starts in gap 0, which makes it the current gap.
    text_.open();
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

void GapWindow::openGaps() {
    for (int number = 0; number < gapCount(); ++number) {
        TextBox* box = gap(number);
        box->setEnabled(true);
        box->clear();
        paint(box, design_.families[std::size_t(design_.gaps[std::size_t(number)].family)].open);
    }
    for (const WordBox& w : design_.wordBoxes) {
        auto* box = control<QLineEdit>(QString::fromLatin1(w.name));
        box->setEnabled(true);
        box->setText(QString::fromUtf16(w.text));
    }
}

void GapWindow::gapFocused(int number) {
    if (locking_)
        return;
    text_.enter(number);
    if (announcedBox() != gap(number))
        announceItem(gap(number), gapLabel(number));
}

void GapWindow::focusGap(int number) {
    // A solved gap cannot take the focus; then the focus stays where it is. An open one
    // becomes current at once, also while the window is not the active one.
    if (TextBox* box = gap(number); box && !text_.isSolved(number)) {
        text_.enter(number);
        box->setFocus(Qt::OtherFocusReason);
    }
}

void GapWindow::startClicked() {
    clearHint();
    if (text_.start())
        openGaps();
    mistakes().begin(gapCount(), false, text_.solved());
    solution_->setEnabled(true);
    next_->setEnabled(true);
    focusGap(0);
}

void GapWindow::practiseMistakes() {
    if (!isLoaded() || !mistakes().canPractise())
        return;
    clearHint();
    const std::vector<int> missed = mistakes().missed();
    text_.startRound(missed);
    openGaps();
    // The gaps right at the first try stand filled in and locked; the missed ones are open.
    for (int number = 0; number < gapCount(); ++number) {
        if (!text_.isSolved(number))
            continue;
        const Gap& g = text_.gap(number);
        const QString ending = QString::fromUtf16(g.expected);
        if (g.wordBox)
            control<QLineEdit>(QString::fromLatin1(g.wordBox))
                ->setText(QString::fromUtf16(g.whole).chopped(ending.size()));
        TextBox* box = gap(number);
        box->setText(ending);
        lock(number);
    }
    mistakes().begin(static_cast<int>(missed.size()), true);
    solution_->setEnabled(true);
    next_->setEnabled(true);
    focusGap(text_.current());
    showRound();
}

QString GapWindow::gapLabel(int number) const {
    const Gap& g = text_.gap(number);
    return g.word
               ? QStringLiteral("Gap %1, after %2").arg(number + 1).arg(QString::fromUtf16(g.word))
               : QStringLiteral("Gap %1").arg(number + 1);
}

QString GapWindow::wordInFront() const {
    const Gap& g = text_.gap(text_.current());
    return g.wordBox ? control<QLineEdit>(QString::fromLatin1(g.wordBox))->text() : QString();
}

void GapWindow::nextClicked() {
    const int answered = text_.current();
    const Gap& g = text_.gap(answered);
    const QString typed = wordInFront() + gap(answered)->text();
    const Outcome outcome = text_.answer(gap(answered)->text(), wordInFront());
    if (outcome == Outcome::Wrong) {
        mistakes().wrong(answered, gapLabel(answered), typed);
        hiba();
        return;
    }
    mistakes().right(answered, QString::fromUtf16(g.whole ? g.whole : g.expected));
    if (outcome == Outcome::Accomplished)
        mistakes().finish();
    oke(answered, outcome);
}

void GapWindow::hiba() {
    wrongAnswer(nullptr, text_.hint(gap(text_.current())->text(), wordInFront()));
    if (isLoaded())
        focusGap(text_.current());
}

void GapWindow::oke(int answered, Outcome outcome) {
    clearHint();
    lock(answered);
    if (outcome == Outcome::Right) {
        dodo();
        return;
    }
    message(shared().msgDone, Icon::Exclamation);
    if (!isLoaded())
        return;
    start_->setText(QStringLiteral("&Restart"));
    start_->setFocus(Qt::OtherFocusReason);
    next_->setEnabled(false);
    if (!design_.solutionStaysAfterDone)
        solution_->setEnabled(false);
}

void GapWindow::lock(int number) {
    TextBox* box = gap(number);
    {
        QScopedValueRollback<bool> locking(locking_, true);
        box->setEnabled(false);
    }
    paint(box, design_.families[std::size_t(text_.gap(number).family)].solved);
}

void GapWindow::dodo() {
    if (TextBox* next = gap(text_.current()))
        announceItem(next, gapLabel(text_.current()), true);
    focusGap(text_.current());
}

void GapWindow::solutionClicked() {
    message(shared().msgSolution + text_.solution(), Icon::Information);
    if (isLoaded())
        focusGap(text_.current());
}

void GapWindow::charPressed() {
    toggle(chart_);
    focusGap(text_.current());
}

} // namespace kerbu
