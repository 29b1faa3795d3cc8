#include "sentencewindow.h"

#include "model/keys.h"

#include <QFrame>

namespace kerbu {

SentenceWindow::SentenceWindow(ExerciseSetup setup, SentenceDesign design,
                               const SentenceContent& content, ProgramState& state)
    : ExerciseWindow(std::move(setup), std::make_unique<SentenceDrill>(content), state),
      design_(std::move(design)), drill_(static_cast<SentenceDrill*>(&runModel())),
      scenes_(content.pictures.size()) {}

void SentenceWindow::buildControls(QWidget* body) {
    Boxes b;
    makeLabel(body, design_.title);
    auto* frame = new QFrame(body);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    applyDesign(frame, design_.frame);
    b.picture = new ImageBox(frame);
    applyDesign(b.picture, design_.picture);
    b.picture->setScaledContents(true);
    b.picture->setCursor(Qt::PointingHandCursor);
    b.picture->setToolTip(QStringLiteral("Click to see the main words"));
    // The picture takes the focus last, so that its main words are there from the keyboard.
    b.picture->setFocusPolicy(Qt::TabFocus);
    connect(b.picture, &ImageBox::clicked, this, &SentenceWindow::pictureClicked);
    b.person = makeLabel(body, design_.person);
    b.answer = makeTextBox(body, design_.answer);
    b.answer->setTranslator(hunkey);
    buildRunControls(body, design_.run);
    boxes_ = b;
}

void SentenceWindow::onUnload() {
    boxes_.reset();
    ExerciseWindow::onUnload();
}

void SentenceWindow::showItem(bool afterRight) {
    const int k = drill_->picture();
    if (k < 0)
        return;
    // The person without the brackets the label shows it in, as the voice says it.
    const QString person = drill_->item().say;
    const QString shown = QStringLiteral("Picture of %1, with %2").arg(drill_->shows(), person);
    boxes_->picture->setAccessibleName(shown);
    boxes_->person->setAccessibleName(QStringLiteral("Person: ") + person);
    announceItem(boxes_->answer, QStringLiteral("Your sentence. %1").arg(shown), afterRight);
    QPixmap& scene = scenes_.at(std::size_t(k));
    if (scene.isNull())
        scene = picture(design_.scene.arg(k), boxes_->picture->size());
    boxes_->picture->setPixmap(scene);
    boxes_->person->setText(drill_->person());
}

void SentenceWindow::showNoItem() {
    boxes_->picture->clear();
    boxes_->answer->clear();
    boxes_->person->clear();
}

void SentenceWindow::pictureClicked() {
    showMainWords();
}

} // namespace kerbu
