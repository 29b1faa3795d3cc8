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
    int top;
    const char* button;
    const char* caption;
    WindowId opens;
    const char* taskName;
    const char* task;
    const char* topicName;
    const char* topic;
};

// The eight exercises, top to bottom. Exercise 3's button is taller and its task line
// takes two lines.
const Choice choices[] = {
    {1080, "AniButton1", "&1a", WindowId::k04d1a, "Label1", "Put in the correct suffixes.",
     "Label10", "(Adverbs of place: Hova? -ba, -be)"},
    {1680, "AniButton3", "1&b", WindowId::k04d1b, "Label2", "Put in the correct suffixes.",
     "Label9", "(Adverbs of place: Hova? -ra, -re)"},
    {2280, "AniPushButton1", "2&a", WindowId::k04d2a, "Label5", "Put in the correct suffixes.",
     "Label11", "(The accusative  of nouns)"},
    {2880, "AniPushButton2", "&2b", WindowId::k04d2b, "Label6", "Put in the correct suffixes.",
     "Label12", "(The accusative  of numerals)"},
    {3480, "AniPushButton3", "2&c", WindowId::k04d2c, "Label7", "Put in the correct suffixes.",
     "Label13", "(The accusative  of adjectives)"},
    {4080, "AniButton2", "&3", WindowId::k04d3, "Label3",
     "Make sentences according to the pictures in written or/and oral form.", "Label14",
     "(Adverbs of place: Hol? Hova?)"},
    {4920, "AniPushButton4", "&4", WindowId::k04d4, "Label4", "Fill in the gaps.     ", "Label16",
     "(Accusative: adjectives and numerals)"},
    {5520, "AniButton4", "&5", WindowId::k04d5, "Label8", "Fill in the gaps.     ", "Label15",
     "(Acc.: nouns, adjectives and numerals)"},
};

ControlDesign line(const char* name, const char* text, int top, int height, bool italic) {
    ControlDesign design{
        QString::fromLatin1(name), QString::fromUtf8(text), 1680, top, 4185, height, Look{}};
    design.look =
        Look{Face::TimesNewRoman,         12, !italic, italic, QColor(Qt::black), QColor(),
             Qt::AlignLeft | Qt::AlignTop};
    return design;
}

} // namespace

Alap::Alap() : FormWindow(QStringLiteral("alap")) {
    setClientSize(5985, 6915);
}

QString Alap::howToText() {
    return QStringLiteral("Select the exercise you want to work with by clicking on its number. "
                          "(All of them correspond to those in the part D of  \"Kerbu!\".)");
}

void Alap::buildControls(QWidget* body) {
    QPalette palette = body->palette();
    palette.setColor(QPalette::Window, grey);
    body->setPalette(palette);

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
        button->setText(QString::fromLatin1(choice.caption));
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

    ControlDesign end{
        QStringLiteral("Command1"), QStringLiteral("&End"), 2400, 6240, 1215, 495, Look{}};
    end.tabIndex = tab;
    QPushButton* endButton = makeButton(body, end);
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
