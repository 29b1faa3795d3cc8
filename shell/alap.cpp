#include "alap.h"

#include "engine/center.h"
#include "lesson.h"
#include "model/texts.h"
#include "platform/anibutton.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/panel3d.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "program.h"

#include <QMenu>
#include <QMenuBar>

namespace kerbu {

namespace {

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

Alap::Alap(Program& program) : FormWindow(QStringLiteral("alap")), program_(program) {
    setClientSize(5985, 6915);
    setBackground(colours::silver);
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
    connect(about, &QAction::triggered, this, [this] { program_.windows().showAbout(); });
    connect(how, &QAction::triggered, this, [this] {
        services().messageBox(this, howToText(),
                              program_.texts.msgTitle + QStringLiteral("     How to ..."),
                              Icon::Information);
    });

    auto* panel = new Panel3D(body);
    panel->setObjectName(QStringLiteral("Panel3D1"));
    panel->setGeometry(twipsRect(360, 120, 5295, 750));
    panel->setFont(designFont(Face::TimesNewRoman, 14.25, true));
    panel->setCaption(QStringLiteral("Choose an exercise and click the icon"));

    int tab = 0;
    const Lesson& lesson = program_.lesson();
    for (int position = 0; position < lesson.size(); ++position) {
        const Exercise& exercise = lesson.exercises[std::size_t(position)];
        const MenuChoice& choice = exercise.menu;
        const bool tall = choice.tall;
        auto* button = new AniPushButton(body);
        button->setObjectName(QString::fromLatin1(choice.button));
        button->setText(QString::fromLatin1(exercise.goToCaption));
        button->setGeometry(twipsRect(360, choice.top, 1095, tall ? 750 : 510));
        button->setFont(designFont(Face::SansSerif, 13.5, true));
        button->setFrames({QStringLiteral(":/assets/hand1.svg"),
                           QStringLiteral(":/assets/hand2.svg"),
                           QStringLiteral(":/assets/hand3.svg")});
        button->setProperty("tabIndex", tab++);
        button->setAccessibleName(QStringLiteral("Exercise %1").arg(spokenCaption(button->text())));
        button->setAccessibleDescription(QString::fromUtf8(choice.task) + QLatin1Char(' ') +
                                         QString::fromUtf8(choice.topic));
        connect(button, &AniPushButton::clicked, this, [this, position] {
            program_.windows().open(program_.windows().exercise(position), this);
        });

        // Exercise 3's task takes two lines, in a label 555 high; at 480 below its top, as
        // designed, the topic line would stand on the second of them, so it goes to 540.
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
    connect(endButton, &QPushButton::clicked, this, [this] { program_.windows().end(); });
}

void Alap::onLoad() {
    center(this);
    program_.windows().get(WindowId::hatter)->showForm();
    services().setOnTop(this, true);
    program_.texts.crlf = QStringLiteral("\r\n");
    texts(program_);
    setWindowTitle(program_.texts.msgTitle);
}

void Alap::closeBoxPressed() {
    program_.windows().end();
}

} // namespace kerbu
