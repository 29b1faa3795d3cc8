#include "k04d3.h"

#include "engine/drill.h"
#include "engine/keys.h"
#include "engine/texts.h"
#include "platform/controls.h"
#include "platform/twips.h"

#include <QFrame>

namespace kerbu {

namespace {

// Entries 0 to 5, one per picture, make the ordered run.
constexpr Sentence entries[] = {
    {u"Kati a bankba megy.", u"Kati a bankba megy.", 0, u"(Kati)"},
    {u"Az autóban ülök.", u"Én az autóban ülök.", 1, u"(én)"},
    {u"A könyvtárban olvasok.", u"Én a könyvtárban olvasok.", 2, u"(én)"},
    {u"A postára sietsz.", u"Te a postára sietsz.", 3, u"(te)"},
    {u"Sándor a téren vár.", u"Sándor a téren vár.", 4, u"(Sándor)"},
    {u"A szobában pihensz.", u"Te a szobában pihensz.", 5, u"(te)"},
    {u"A bankba megyek.", u"Én a bankba megyek.", 0, u"(én)"},
    {u"Az autóban ülsz.", u"Te az autóban ülsz.", 1, u"(te)"},
    {u"János a könyvtárban olvas.", u"János a könyvtárban olvas.", 2, u"(János)"},
    {u"A postára sietek.", u"Én a postára sietek.", 3, u"(én)"},
    {u"A téren vársz.", u"Te a téren vársz.", 4, u"(te)"},
    {u"Anna a szobában pihen.", u"Anna a szobában pihen.", 5, u"(Anna)"},
    {u"A bankba mész.", u"Te a bankba mész.", 0, u"(te)"},
    {u"János a postára siet.", u"János a postára siet.", 3, u"(János)"},
    {u"A téren várok.", u"Én a téren várok.", 4, u"(én)"},
    {u"A szobában pihenek.", u"Én a szobában pihenek.", 5, u"(én)"},
    {u"Péter az autóban ül.", u"Péter az autóban ül.", 1, u"(Péter)"},
};

// The place and the verb of each picture.
constexpr const char16_t* hat[6] = {u"bank", u"autó", u"könyvtár", u"posta", u"tér", u"szoba"};
constexpr const char16_t* ig[6] = {u"megy", u"ül", u"olvas", u"siet", u"vár", u"pihen"};

// What each picture shows, for those who cannot see it.
constexpr const char* shows[6] = {"a bank",        "a car",    "a library",
                                  "a post office", "a square", "a room"};
constexpr int picturesInOrder = 6;
static_assert(std::size(hat) == picturesInOrder && std::size(ig) == picturesInOrder &&
              std::size(shows) == picturesInOrder);

const QString endMessage =
    QStringLiteral("You have reached the end of the exercice. If you want to restart it (with "
                   "variable persons) click the \"Restart\" button.");

} // namespace

K04d3::K04d3(ProgramState& state)
    : ExerciseWindow(QStringLiteral("k04d3"), QColor(224, 224, 224), state),
      drill_(entries, picturesInOrder) {}

std::span<const Sentence> K04d3::sentences() {
    return entries;
}

int K04d3::orderedCount() {
    return picturesInOrder;
}

FrameDesign K04d3::frameDesign() const {
    FrameDesign f = standardFrame(QColor(255, 224, 192), 3);
    f.howTo = {howto::startNextOrEnter, howto::picture, howto::chart};
    f.howToFocus = QStringLiteral("Text1");
    return f;
}

void K04d3::buildControls(QWidget* body) {
    makeLabel(body, exerciseTitle({.text = "3.   Make sentences according to the pictures:",
                                   .left = 240,
                                   .top = 720,
                                   .width = 6255,
                                   .height = 495,
                                   .look = {.align = Qt::AlignLeft | Qt::AlignTop}}));

    auto* frame = new QFrame(body);
    frame->setObjectName(QStringLiteral("Picture1"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(twipsRect(2160, 1080, 4815, 3015));
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    frame->setPalette(white);

    picture_ = new ImageBox(frame);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(twipsRect(30, 45, 4695, 2895));
    picture_->setScaledContents(true);
    picture_->setCursor(Qt::PointingHandCursor);
    picture_->setToolTip(QStringLiteral("Click to see the main words"));
    connect(picture_, &ImageBox::clicked, this, &K04d3::pictureClicked);

    person_ = makeLabel(body, {.name = "Label1",
                               .left = 840,
                               .top = 4200,
                               .width = 1095,
                               .height = 495,
                               .look = {.points = 12,
                                        .text = Qt::black,
                                        .background = QColor(0, 255, 0),
                                        .align = Qt::AlignCenter}});

    TextBox* answerBox = makeTextBox(body, {.name = "Text1",
                                            .left = 2040,
                                            .top = 4200,
                                            .width = 6015,
                                            .height = 480,
                                            .look = {.face = Face::Serif,
                                                     .points = 13.5,
                                                     .text = Qt::black,
                                                     .background = Qt::white,
                                                     .align = Qt::AlignCenter},
                                            .tabIndex = 1});
    answerBox->setTranslator(hunkey);
    answer_ = answerBox;

    start_ = makeButton(body, startButton({.width = 1095, .tabIndex = 0}));
    solution_ =
        makeButton(body, solutionButton({.name = "Command14", .left = 1080, .tabIndex = 13}));
    next_ = makeButton(body, commandButton({.name = "Command2",
                                            .text = "&Next",
                                            .left = 3840,
                                            .top = 4800,
                                            .width = 1215,
                                            .tabIndex = 2,
                                            .enabled = false}));
    QPushButton* charButton = makeButton(body, commandButton({.name = "Command13",
                                                              .text = "&Char",
                                                              .left = 120,
                                                              .top = 4920,
                                                              .width = 855,
                                                              .tabIndex = 12}));
    chart_ = makeChart(body, "Label6");
    makeHintLine(body, {.left = 5160, .top = 4770, .width = 3930, .height = 600});
    setDefaultButton(next_);

    answer_->setAccessibleName(QStringLiteral("Your sentence"));
    answer_->setAccessibleDescription(QStringLiteral(
        "Write the whole sentence about the picture and the person, then press Enter."));
    picture_->setAccessibleName(QStringLiteral("Picture"));
    picture_->setAccessibleDescription(
        QStringLiteral("Click it, or press Enter on it, to see the main words."));
    // The picture takes the focus last, so that its main words are there from the keyboard.
    picture_->setFocusPolicy(Qt::TabFocus);
    picture_->setProperty("tabIndex", 14);
    person_->setAccessibleName(QStringLiteral("Person"));

    connect(start_, &QPushButton::clicked, this, &K04d3::startClicked);
    connect(next_, &QPushButton::clicked, this, &K04d3::checkSentence);
    connect(solution_, &QPushButton::clicked, this, &K04d3::solutionClicked);
    connect(charButton, &QPushButton::clicked, this, &K04d3::charClicked);
}

void K04d3::onLoad() {
    beginLoad();
    drill_.open();
    finishLoad(QStringLiteral(": 3."));
}

void K04d3::showItem(bool afterRight) {
    const int k = drill_.picture();
    if (k < 0)
        return;
    // The person without the brackets the label shows it in.
    const QString person = drill_.person().remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    const QString shown =
        QStringLiteral("Picture of %1, with %2").arg(QLatin1String(shows[k]), person);
    picture_->setAccessibleName(shown);
    person_->setAccessibleName(QStringLiteral("Person: ") + person);
    announceItem(answer_, QStringLiteral("Your sentence. %1").arg(shown), afterRight);
    // Each scene is drawn the first time it is shown, not before.
    QPixmap& scene = scenes_.at(std::size_t(k));
    if (scene.isNull())
        scene = picture(QStringLiteral(":/assets/scene%1.svg").arg(k), picture_->size());
    picture_->setPixmap(scene);
    person_->setText(drill_.person());
}

void K04d3::clearItem() {
    picture_->clear();
    answer_->clear();
    person_->clear();
}

void K04d3::startClicked() {
    clearHint();
    if (drill_.inRound() || drill_.run() == SentenceDrill::Run::Restart) {
        // Restart: the run with variable persons.
        next_->setEnabled(true);
        const Outcome outcome = drill_.start(services().random());
        mistakes().begin(drill_.size(), false);
        showDrawn(outcome);
        return;
    }
    drill_.start(services().random());
    mistakes().begin(orderedCount(), false);
    showItem();
    answer_->setFocus(Qt::OtherFocusReason);
    start_->setEnabled(false);
    next_->setEnabled(true);
    solution_->setEnabled(true);
}

void K04d3::replaceByBlank(const QString& text) {
    QString answer = answer_->text();
    if (text.isEmpty())
        return;
    while (answer.contains(text))
        answer.replace(text, QStringLiteral(" "));
    if (answer != answer_->text())
        answer_->setText(answer);
}

void K04d3::upper() {
    const QString trimmed = trimBlanks(answer_->text());
    answer_->setText(trimmed);
    if (trimmed.isEmpty())
        return;
    const QChar first = trimmed.front();
    const QChar capital = first.toUpper();
    if (capital == first)
        return;
    answer_->setText(capital + trimmed.mid(1));
    services().beep();
    message(shared().msgCapital, Icon::Exclamation);
}

void K04d3::checkSentence() {
    replaceByBlank(QStringLiteral("  "));
    upper();
    if (!isLoaded())
        return;
    const bool ordered = drill_.run() == SentenceDrill::Run::Ordered && !drill_.inRound();
    const int item = drill_.current();
    const QString answered = drill_.solution();
    const Outcome outcome = drill_.answer(answer_->text(), services().random());
    if (outcome == Outcome::Wrong) {
        hiba();
        return;
    }
    mistakes().right(item, answered);
    if (outcome == Outcome::Accomplished)
        mistakes().finish();
    if (ordered)
        oke(outcome);
    else
        showDrawn(outcome, true);
}

QString K04d3::itemLabel() const {
    return QStringLiteral("Picture %1 %2").arg(drill_.picture() + 1).arg(drill_.person());
}

void K04d3::practiseMistakes() {
    if (!isLoaded() || !mistakes().canPractise())
        return;
    clearHint();
    const std::vector<int> missed = mistakes().missed();
    drill_.startRound(missed, services().random());
    mistakes().begin(static_cast<int>(missed.size()), true);
    next_->setEnabled(true);
    solution_->setEnabled(true);
    showDrawn(Outcome::Right);
    showRound();
}

void K04d3::hiba() {
    mistakes().wrong(drill_.current(), itemLabel(), trimBlanks(answer_->text()));
    wrongAnswer(answer_, Hint::forSentence(trimBlanks(answer_->text()), drill_.solution(),
                                           drill_.withPronoun()));
}

void K04d3::oke(Outcome outcome) {
    clearHint();
    if (outcome == Outcome::Right) {
        showItem(true);
        answer_->clear();
        return;
    }
    next_->setEnabled(false);
    start_->setEnabled(true);
    start_->setFocus(Qt::OtherFocusReason);
    message(endMessage, Icon::Exclamation);
    if (!isLoaded())
        return;
    start_->setText(QStringLiteral("&Restart"));
    clearItem();
    solution_->setEnabled(false);
    next_->setEnabled(false);
}

void K04d3::showDrawn(Outcome outcome, bool afterRight) {
    clearHint();
    if (outcome == Outcome::Right) {
        showItem(afterRight);
        answer_->clear();
        answer_->setFocus(Qt::OtherFocusReason);
        return;
    }
    message(endMessage, Icon::Stop);
    if (!isLoaded())
        return;
    next_->setEnabled(false);
    start_->setEnabled(true);
    start_->setFocus(Qt::OtherFocusReason);
    start_->setText(QStringLiteral("&Restart"));
    clearItem();
}

void K04d3::solutionClicked() {
    message(shared().msgSolution + drill_.solution(), Icon::Information, QString(), answer_);
}

void K04d3::charClicked() {
    if (chart_->isVisible()) {
        chart_->hide();
        return;
    }
    chart_->show();
    if (answer_->isVisible())
        answer_->setFocus(Qt::OtherFocusReason);
}

QString K04d3::mainWords() const {
    const int k = std::max(drill_.picture(), 0);
    const QString indent(24, QLatin1Char(' '));
    return QStringLiteral("The main words to use in the sentence are:\r\n\r\n") + indent +
           QString::fromUtf16(ig[k]) + QStringLiteral("\r\n") + indent + QString::fromUtf16(hat[k]);
}

void K04d3::pictureClicked() {
    message(mainWords(), Icon::Information, QString(), answer_);
}

} // namespace kerbu
