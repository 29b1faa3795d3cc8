#include "exerciseframe.h"

#include "engine/texts.h"
#include "platform/services.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kerbu {

namespace howto {
const QString startEnter = QStringLiteral(
    "Click the \"Start\" button and put your solution. Then press the \"Enter\" key. Go on.");
const QString startNextOrEnter =
    QStringLiteral("Click the \"Start\" button and put your solution. Then click on the "
                   "\"Next\" button or press the \"Enter\" key. Go on.");
const QString gapsEnter = QStringLiteral("Click the \"Start\" button and put your solution in "
                                         "any of the gaps. Then press the \"Enter\" key. Go on.");
const QString gapsNextOrEnter = QStringLiteral(
    "Click the \"Start\" button and put your solution in any of the gaps. Then click on the "
    "\"Next\" button or press the \"Enter\" key. Go on.");
const QString picture = QStringLiteral(
    "If you want to see the main words to be used in the sentence, click the picture.");
const QString chart = QStringLiteral(
    "If you want to see how to type the special Hungarian characters (á, é etc.) on an English "
    "keyboard, click the \"Char\" button. If you want that information to desappear, click "
    "again.");
} // namespace howto

namespace {

struct GoTo {
    WindowId target;
    const char* caption;
};

// The go-to buttons in the order they stand: top row, then bottom row.
constexpr GoTo goTos[] = {
    {WindowId::k04d1a, "&1a"}, {WindowId::k04d1b, "1&b"}, {WindowId::k04d2a, "2&a"},
    {WindowId::k04d2b, "&2b"}, {WindowId::k04d2c, "2&c"}, {WindowId::k04d3, "&3"},
    {WindowId::k04d4, "&4"},   {WindowId::k04d5, "&5"},
};

// The number of each go-to button's name ("Command" followed by it), per window, in
// the order of goTos.
int buttonNumber(WindowId window, int position) {
    static constexpr int oneA[] = {12, 9, 5, 10, 11, 6, 7, 8};
    static constexpr int oneB[] = {9, 10, 5, 11, 12, 6, 7, 8};
    static constexpr int others[] = {10, 9, 5, 11, 12, 6, 7, 8};
    switch (window) {
    case WindowId::k04d1a:
        return oneA[position];
    case WindowId::k04d1b:
        return oneB[position];
    default:
        return others[position];
    }
}

// The go-to buttons take the focus in the order of their names: 9, 5, 6, 7, 8, 10, 11, 12.
int focusPlace(int number) {
    return number == 9 ? 0 : number < 9 ? number - 4 : number - 5;
}

} // namespace

FrameDesign standardFrame(WindowId own, const QColor& headingBackground, int closeTab) {
    FrameDesign f;
    f.own = own;
    f.close = commandButton("Command3", "Clos&e", 2280, 0, 1095, closeTab);
    f.heading = {"Label4",
                 "Go to exercise:",
                 4800,
                 120,
                 2055,
                 375,
                 Look{Face::Arial, 12, true, false, Qt::black, headingBackground}};
    f.firstGoToTab = closeTab + 2;
    f.howToFocus = QStringLiteral("Text2");
    return f;
}

ExerciseFrame::ExerciseFrame(FrameDesign design) : design_(std::move(design)) {}

void ExerciseFrame::build(FormWindow& window, QWidget* body) {
    auto* menuBar = new QMenuBar(&window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    onTop_ = options->addAction(QStringLiteral("On&Top"));
    onTop_->setObjectName(QStringLiteral("mnuOntop"));
    onTop_->setCheckable(true);
    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* how = help->addAction(QStringLiteral("&How to..."));
    how->setObjectName(QStringLiteral("mnuHow"));
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    window.setMenuBar(menuBar);

    QObject::connect(onTop_, &QAction::triggered, &window,
                     [&window](bool checked) { services().setOnTop(&window, checked); });
    QObject::connect(how, &QAction::triggered, &window, [this, &window] { howTo(window); });
    QObject::connect(about, &QAction::triggered, &window, [] { windows().showAbout(); });

    makeLabel(body, design_.heading);
    QPushButton* close = makeButton(body, design_.close);
    QObject::connect(close, &QPushButton::clicked, &window,
                     [&window] { windows().open(WindowId::alap, &window); });

    for (int position = 0; position < 8; ++position) {
        const GoTo& goTo = goTos[position];
        const int number = buttonNumber(design_.own, position);
        const bool own = goTo.target == design_.own;
        ControlDesign button;
        button.name = QStringLiteral("Command%1").arg(number);
        button.text = QString::fromLatin1(goTo.caption);
        button.left = 6840 + 600 * (position % 4);
        button.top = position < 4 ? 0 : 480;
        button.width = 615;
        button.height = 495;
        button.look.points = 13.5;
        button.look.background = position == 7 && design_.lastGoToBackground.isValid()
                                     ? design_.lastGoToBackground
                                     : design_.goToBackground;
        button.tabIndex = design_.firstGoToTab + focusPlace(number);
        button.enabled = !own;
        QPushButton* made = makeButton(body, button);
        if (!own) {
            const WindowId target = goTo.target;
            QObject::connect(made, &QPushButton::clicked, &window,
                             [&window, target] { windows().open(target, &window); });
        }
    }
}

void ExerciseFrame::load(FormWindow&) {
    onTop_->trigger();
}

bool ExerciseFrame::closeBox(FormWindow& window) {
    windows().open(WindowId::alap, &window);
    return true;
}

QString ExerciseFrame::howToText() const {
    const QString paragraphBreak = shared().crlf + shared().crlf;
    QString text = design_.howTo.join(paragraphBreak);
    if (design_.howToEndsWithEmptyLine)
        text += paragraphBreak;
    return text;
}

void ExerciseFrame::howTo(FormWindow& window) {
    services().messageBox(&window, howToText(), shared().msgTitle, Icon::Information);
    if (!window.isLoaded())
        return;
    const int index = design_.howToFocusIndex ? design_.howToFocusIndex() : -1;
    if (QWidget* target = window.control(design_.howToFocus, index)) {
        if (target->isEnabled() && target->isVisible())
            target->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace kerbu
