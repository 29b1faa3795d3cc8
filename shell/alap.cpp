#include "alap.h"

#include "engine/center.h"
#include "engine/texts.h"
#include "platform/anibutton.h"
#include "platform/controls.h"
#include "platform/panel3d.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "windows.h"

#include <QMenu>
#include <QMenuBar>

namespace kerbu {

namespace {

const QColor grey(192, 192, 192);

struct Choice {
    int top{};
    const char* button{};
    WindowId opens{}; // its button carries the exercise's go-to caption
    const char* taskName{};
    const char* task{};
    const char* topicName{};
    const char* topic{};
};

// The eight exercises, top to bottom. Exercise 3's button is taller and its task line
// takes two lines.
const Choice choices[] = {
    {.top = 1080,
     .button = "AniButton1",
     .opens = WindowId::k04d1a,
     .taskName = "Label1",
     .task = "Put in the correct suffixes.",
     .topicName = "Label10",
     .topic = "(Adverbs of place: Hova? -ba, -be)"},
    {.top = 1680,
     .button = "AniButton3",
     .opens = WindowId::k04d1b,
     .taskName = "Label2",
     .task = "Put in the correct suffixes.",
     .topicName = "Label9",
     .topic = "(Adverbs of place: Hova? -ra, -re)"},
    {.top = 2280,
     .button = "AniPushButton1",
     .opens = WindowId::k04d2a,
     .taskName = "Label5",
     .task = "Put in the correct suffixes.",
     .topicName = "Label11",
     .topic = "(The accusative  of nouns)"},
    {.top = 2880,
     .button = "AniPushButton2",
     .opens = WindowId::k04d2b,
     .taskName = "Label6",
     .task = "Put in the correct suffixes.",
     .topicName = "Label12",
     .topic = "(The accusative  of numerals)"},
    {.top = 3480,
     .button = "AniPushButton3",
     .opens = WindowId::k04d2c,
     .taskName = "Label7",
     .task = "Put in the correct suffixes.",
     .topicName = "Label13",
     .topic = "(The accusative  of adjectives)"},
    {.top = 4080,
     .button = "AniButton2",
     .opens = WindowId::k04d3,
     .taskName = "Label3",
     .task = "Make sentences according to the pictures in written or/and oral form.",
     .topicName = "Label14",
     .topic = "(Adverbs of place: Hol? Hova?)"},
    {.top = 4920,
     .button = "AniPushButton4",
     .opens = WindowId::k04d4,
     .taskName = "Label4",
     .task = "Fill in the gaps.     ",
     .topicName = "Label16",
     .topic = "(Accusative: adjectives and numerals)"},
    {.top = 5520,
     .button = "AniButton4",
     .opens = WindowId::k04d5,
     .taskName = "Label8",
     .task = "Fill in the gaps.     ",
     .topicName = "Label15",
     .topic = "(Acc.: nouns, adjectives and numerals)"},
};

// A task line (bold) or a topic line (italic) to the right of the buttons.
ControlDesign line(const char* name, const char* text, int top, int height, bool italic) {
    return {.name = QString::fromLatin1(name),
            .text = QString::fromUtf8(text),
            .left = 1680,
            .top = top,
            .width = 4185,
            .height = height,
            .look = {.face = Face::TimesNewRoman,
                     .points = 12,
                     .bold = !italic,
                     .italic = italic,
                     .text = Qt::black,
                     .align = Qt::AlignLeft | Qt::AlignTop}};
}

} // namespace

Alap::Alap() : FormWindow(QStringLiteral("alap")) {
    setClientSize(5985, 6915);
    setBackground(grey);
}

QString Alap::howToText() {
    return QStringLiteral("Select the exercise you want to work with by clicking on its number. "
                          "(All of them correspond to those in the part D of  \"Kerbu!\".)");
}

void Alap::buildControls(QWidget* body) {
    auto* menuBar = new QMenuBar(this);
    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* about = help->addAction(QStringLiteral("&About..."));
    about->setObjectName(QStringLiteral("mnuabout"));
    QAction* how = help->addAction(QStringLiteral("&How to ..."));
    how->setObjectName(QStringLiteral("mnuHow"));
    setMenuBar(menuBar);
    connect(about, &QAction::triggered, this, [] { windows().showAbout(); });
    connect(how, &QAction::triggered, this, [this] {
        services().messageBox(this, howToText(),
                              shared().msgTitle + QStringLiteral("     How to ..."),
                              Icon::Information);
    });

    auto* panel = new Panel3D(body);
    panel->setObjectName(QStringLiteral("Panel3D1"));
    panel->setGeometry(twipsRect(360, 120, 5295, 750));
    panel->setFont(designFont(Face::TimesNewRoman, 14.25, true));
    panel->setCaption(QStringLiteral("Choose an exercise and click the icon"));

    int tab = 0;
    for (const Choice& choice : choices) {
        const bool tall = choice.opens == WindowId::k04d3;
        auto* button = new AniPushButton(body);
        button->setObjectName(QString::fromLatin1(choice.button));
        button->setText(QString::fromLatin1(entryOf(choice.opens).goToCaption));
        button->setGeometry(twipsRect(360, choice.top, 1095, tall ? 750 : 510));
        button->setFont(designFont(Face::SansSerif, 13.5, true));
        button->setFrames({QStringLiteral(":/assets/hand1.svg"),
                           QStringLiteral(":/assets/hand2.svg"),
                           QStringLiteral(":/assets/hand3.svg")});
        button->setProperty("tabIndex", tab++);
        button->setAccessibleName(QStringLiteral("Exercise %1").arg(spokenCaption(button->text())));
        button->setAccessibleDescription(QString::fromUtf8(choice.task) + QLatin1Char(' ') +
                                         QString::fromUtf8(choice.topic));
        const WindowId target = choice.opens;
        connect(button, &AniPushButton::clicked, this,
                [this, target] { windows().open(target, this); });

        // Exercise 3's task takes two lines; its topic line stands below both of them.
        makeLabel(body, line(choice.taskName, choice.task, choice.top, tall ? 555 : 255, false));
        makeLabel(body,
                  line(choice.topicName, choice.topic, choice.top + (tall ? 540 : 240), 255, true));
    }

    QPushButton* endButton = makeButton(body, commandButton({.name = "Command1",
                                                             .text = "&End",
                                                             .left = 2400,
                                                             .top = 6240,
                                                             .width = 1215,
                                                             .tabIndex = tab}));
    connect(endButton, &QPushButton::clicked, this, [] { windows().end(); });
}

void Alap::onLoad() {
    center(this);
    windows().get(WindowId::hatter)->showForm();
    services().setOnTop(this, true);
    shared().crlf = QStringLiteral("\r\n");
    texts();
    setWindowTitle(shared().msgTitle);
}

void Alap::closeBoxPressed() {
    windows().end();
}

} // namespace kerbu
