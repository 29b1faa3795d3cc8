#include "sobre.h"

#include "engine/center.h"
#include "model/texts.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/panel3d.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "program.h"

#include <QTimer>

namespace kerbu {

namespace {

// The window's texts: Times New Roman, black on the grey of the panel.
Look times(qreal points, bool italic) {
    return {.face = Face::TimesNewRoman,
            .points = points,
            .bold = false,
            .italic = italic,
            .text = Qt::black,
            .background = colours::silver,
            .align = Qt::AlignLeft | Qt::AlignTop};
}

} // namespace

Sobre::Sobre(Program& program) : FormWindow(QStringLiteral("sobre")), program_(program) {
    setWindowTitle(QStringLiteral("  About Kerbu!"));
    setClientSize(5445, 3405);
    setBackground(colours::silver);
}

void Sobre::buildControls(QWidget* body) {
    auto* panel1 = new Panel3D(body);
    panel1->setObjectName(QStringLiteral("SSPanel1"));
    panel1->setGeometry(twipsRect(120, 120, 5175, 3135));
    QPalette palette = panel1->palette();
    palette.setColor(QPalette::Window, colours::silver);
    panel1->setPalette(palette);
    panel1->setAccessibleName(QStringLiteral("About Kerbu!"));

    auto* panel2 = new Panel3D(panel1);
    panel2->setObjectName(QStringLiteral("SSPanel2"));
    panel2->setGeometry(twipsRect(1200, 480, 2655, 495));
    panel2->setFont(designFont(Face::TimesNewRoman, 18, true));
    panel2->setCaption(QStringLiteral("K E R B U !"));
    panel2->setAccessibleName(QStringLiteral("Kerbu!"));

    Look centred = times(12, false);
    centred.align = Qt::AlignHCenter | Qt::AlignTop;
    // Drawn with Liberation Serif, the subtitle breaks into three lines in the designed
    // 1080, 3135 wide, and the label holds two; it is widened to 840, 3615 about the same
    // centre, where it takes two.
    makeLabel(panel1, {.name = "Label5",
                       .text = "(Magyar mint idegen nyelv     Hungarian as a foreign language)",
                       .left = 840,
                       .top = 960,
                       .width = 3615,
                       .height = 615,
                       .look = centred});
    makeLabel(panel1, {.name = "Label1",
                       .text = "On the basis of the book: Kerbu!  ",
                       .left = 360,
                       .top = 1680,
                       .width = 3975,
                       .height = 255,
                       .look = times(9, true)});
    makeLabel(panel1, {.name = "Label4",
                       .text = "Program by the Kerbu team.",
                       .left = 360,
                       .top = 2040,
                       .width = 1455,
                       .height = 615,
                       .look = times(9, false)});
    makeLabel(panel1, {.name = "Label6",
                       .text = "For more information click here:",
                       .left = 1920,
                       .top = 2760,
                       .width = 2775,
                       .height = 255,
                       .look = times(9.75, true)});

    auto* info = new ImageBox(panel1);
    info->setObjectName(QStringLiteral("Image2"));
    info->setGeometry(twipsRect(4680, 2640, 360, 360));
    info->setPixmap(picture(QStringLiteral(":/assets/info.svg"), info->size()));
    info->setCursor(Qt::PointingHandCursor);
    info->setToolTip(QStringLiteral("About Kerbu!"));
    info->setAccessibleName(QStringLiteral("More information"));
    info->setAccessibleDescription(QStringLiteral("Opens the message about the program."));
    connect(info, &ImageBox::clicked, this, &Sobre::aboutMessage);

    image1_ = new QLabel(panel1);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(twipsRect(4560, 120, 495, 495));
    image1_->setScaledContents(true);
    image1_->setAccessibleName(QStringLiteral("Kerbu logo"));

    // The first frame is shown at once; the others are drawn while it is on the screen.
    drawFrame(0);
    QTimer::singleShot(100, image1_, [this] { drawFrames(); });

    ok_ = makeButton(body, {.name = "Command1",
                            .text = "&OK",
                            .left = 360,
                            .top = 2760,
                            .width = 855,
                            .height = 375,
                            .tabIndex = 0,
                            .visible = false});
    ok_->raise();
    connect(ok_, &QPushButton::clicked, this, &FormWindow::unloadForm);

    timer1_ = new QTimer(body);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(800);
    // The splash is on screen for 800 ms, not up to 5 % more or less.
    timer1_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, this, [this] {
        timer1_->stop();
        program_.windows().open(WindowId::alap, this);
    });
    auto* timer2 = new QTimer(body);
    timer2->setObjectName(QStringLiteral("Timer2"));
    timer2->setInterval(700);
    connect(timer2, &QTimer::timeout, this, &Sobre::animate);
    timer1_->start();
    timer2->start();
}

void Sobre::onLoad() {
    center(this);
    services().setOnTop(this, true);
    frame_ = 0;
    image1_->setPixmap(frames_[0]);
    if (!program_.splashDone) {
        setCursor(Qt::WaitCursor);
    } else {
        enterAboutMode();
    }
}

void Sobre::onUnload() {
    program_.splashDone = true;
}

void Sobre::enterAboutMode() {
    timer1_->stop();
    unsetCursor();
    ok_->setEnabled(true);
    ok_->show();
    ok_->setFocus(Qt::OtherFocusReason);
}

void Sobre::drawFrame(int i) {
    if (frames_[i].isNull())
        frames_[i] = picture(QStringLiteral(":/assets/frame%1.svg").arg(i + 1), image1_->size());
}

void Sobre::drawFrames() {
    for (int i = 0; i < 3; ++i)
        drawFrame(i);
}

void Sobre::animate() {
    drawFrames();
    frame_ = (frame_ + 1) % int(std::size(frames_));
    image1_->setPixmap(frames_[frame_]);
}

QString Sobre::aboutText() const {
    const QString& crlf = program_.texts.crlf;
    const QString paragraph1 = QStringLiteral(
        "     This program is the first (trial) version of one component of a larger multimedia "
        "package that is being developed on the basis of \"Kerbu!\", a textbook of Hungarian "
        "for foreigners, with the kind permission of the textbook's authors and its "
        "publisher.");
    const QString paragraph2 = QStringLiteral(
        "     Kerbu is free software: you may copy it, give it on and change it under the GNU "
        "General Public License, version 3 or any later version. It comes with no warranty; "
        "the licence is in the file LICENSE that comes with it.");
    const QString paragraph3 =
        QStringLiteral("     If you have any remark or suggestion, or you just want to let us "
                       "know you are using the program, please contact me:  ");
    const QString paragraph4 = QString(49, QLatin1Char(' ')) + QStringLiteral("kerbu@example.org");
    return paragraph1 + crlf + crlf + paragraph2 + crlf + crlf + paragraph3 + crlf + paragraph4;
}

void Sobre::aboutMessage() {
    services().messageBox(this, aboutText(), QStringLiteral("About Kerbu!"), Icon::Information);
}

} // namespace kerbu
