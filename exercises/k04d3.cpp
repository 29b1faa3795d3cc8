#include "k04d3.h"

#include "engine/drill.h"
#include "engine/keys.h"
#include "engine/texts.h"
#include "platform/controls.h"
#include "platform/twips.h"

#include <QFrame>

namespace kerbu {

namespace {

struct Sentence {
    const char16_t* plain;       // without the pronoun
    const char16_t* withPronoun; // with "én" or "te" written out
    int picture;
    const char16_t* person;
};

constexpr Sentence sentences[K04d3::sentenceCount] = {
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

// The ordered run shows entries 0 to 5.
constexpr int lastOrdered = 5;

const QString endMessage =
    QStringLiteral("You have reached the end of the exercice. If you want to restart it (with "
                   "variable persons) click the \"Restart\" button.");

} // namespace

K04d3::K04d3() : ExerciseWindow(QStringLiteral("k04d3"), QColor(224, 224, 224)) {
    mondlista();
}

FrameDesign K04d3::frameDesign() const {
    FrameDesign f = standardFrame(QColor(255, 224, 192), 3);
    f.howTo = {howto::startNextOrEnter, howto::picture, howto::chart};
    f.howToFocus = QStringLiteral("Text1");
    return f;
}

QString K04d3::sentenceWithPronoun(int entry) {
    return QString::fromUtf16(sentences[entry].withPronoun);
}

int K04d3::pictureOf(int entry) {
    return sentences[entry].picture;
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

    scenes_.clear();
    for (int k = 0; k < 6; ++k) {
        auto* scene = new QLabel(body);
        scene->setObjectName(QStringLiteral("Image2"));
        scene->setProperty("index", k);
        scene->setGeometry(twipsRect(0, 5160, 3975, 2775));
        scene->hide();
        scenes_.push_back(scene);
    }

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
    picture_->setAccessibleDescription(QStringLiteral("Click it to see the main words."));
    person_->setAccessibleName(QStringLiteral("Person"));

    connect(start_, &QPushButton::clicked, this, &K04d3::startClicked);
    connect(next_, &QPushButton::clicked, this, &K04d3::checkSentence);
    connect(solution_, &QPushButton::clicked, this, &K04d3::solutionClicked);
    connect(charButton, &QPushButton::clicked, this, &K04d3::charClicked);
}

void K04d3::onLoad() {
    beginLoad();
    idx_ = 1;
    mondlista();
    finishLoad(QStringLiteral(": 3."));
    run_ = Run::Ordered;
    phase_ = Phase::NotStarted;
}

void K04d3::mondlista() {
    mond_.clear();
    for (const Sentence& s : sentences)
        mond_.push_back(QString::fromUtf16(s.plain));
}

void K04d3::showItem() {
    if (idx_ < 0 || idx_ >= sentenceCount)
        return;
    const Sentence& s = sentences[idx_];
    // Each scene is drawn the first time it is shown, not before.
    QLabel* scene = scenes_.at(std::size_t(s.picture));
    if (scene->pixmap().isNull())
        scene->setPixmap(
            picture(QStringLiteral(":/assets/scene%1.svg").arg(s.picture), picture_->size()));
    picture_->setPixmap(scene->pixmap());
    person_->setText(QString::fromUtf16(s.person));
}

void K04d3::clearItem() {
    picture_->clear();
    answer_->clear();
    person_->clear();
}

void K04d3::startClicked() {
    clearHint();
    phase_ = Phase::Waiting;
    if (run_ == Run::Restart) {
        // Restart: the run with variable persons.
        next_->setEnabled(true);
        rand();
        return;
    }
    idx_ = 0;
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
    const QString answer = trimBlanks(answer_->text());
    // An entry already answered in this run is empty; an empty answer never matches it.
    const bool right = !answer.isEmpty() && (sameText(answer, mond_.at(std::size_t(idx_))) ||
                                             sameText(answer, sentenceWithPronoun(idx_)));
    if (right)
        oke();
    else
        hiba();
}

void K04d3::hiba() {
    wrongAnswer(answer_, Hint::forSentence(trimBlanks(answer_->text()), mond_.at(std::size_t(idx_)),
                                           sentenceWithPronoun(idx_)));
}

void K04d3::oke() {
    clearHint();
    if (run_ == Run::Ordered) {
        if (idx_ < lastOrdered) {
            ++idx_;
            showItem();
            answer_->clear();
            return;
        }
        next_->setEnabled(false);
        start_->setEnabled(true);
        start_->setFocus(Qt::OtherFocusReason);
        phase_ = Phase::Accomplished;
        run_ = Run::Restart;
        message(endMessage, Icon::Exclamation);
        if (!isLoaded())
            return;
        start_->setText(QStringLiteral("&Restart"));
        clearItem();
        solution_->setEnabled(false);
        next_->setEnabled(false);
        return;
    }
    mond_.at(std::size_t(idx_)).clear();
    rand();
}

void K04d3::rand() {
    if (drawn_ < sentenceCount) {
        const int chosen =
            services().random().pickAvailable(0, sentenceCount - 1, [this](int entry) {
                return !mond_.at(std::size_t(entry)).isEmpty();
            });
        if (chosen >= 0)
            idx_ = chosen;
        ++drawn_;
        showItem();
        answer_->clear();
        answer_->setFocus(Qt::OtherFocusReason);
        return;
    }
    phase_ = Phase::Accomplished;
    message(endMessage, Icon::Stop);
    if (!isLoaded())
        return;
    next_->setEnabled(false);
    start_->setEnabled(true);
    start_->setFocus(Qt::OtherFocusReason);
    drawn_ = 0;
    mondlista();
    start_->setText(QStringLiteral("&Restart"));
    clearItem();
}

void K04d3::solutionClicked() {
    message(shared().msgSolution + mond_.at(std::size_t(idx_)), Icon::Information, QString(),
            answer_);
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
    const int k = pictureOf(idx_);
    const QString indent(24, QLatin1Char(' '));
    return QStringLiteral("The main words to use in the sentence are:\r\n\r\n") + indent +
           QString::fromUtf16(ig[k]) + QStringLiteral("\r\n") + indent + QString::fromUtf16(hat[k]);
}

void K04d3::pictureClicked() {
    message(mainWords(), Icon::Information, QString(), answer_);
}

} // namespace kerbu
