#include "exerciseframe.h"

#include "oralitems.h"

#include "engine/exercisewindow.h"
#include "lesson.h"
#include "model/texts.h"
#include "platform/accessibletext.h"
#include "platform/services.h"
#include "program.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kerbu {

namespace {

// The go-to buttons take the focus in the order of their names: 9, 5, 6, 7, 8, 10, 11, 12.
int focusPlace(int number) {
    return number == 9 ? 0 : number < 9 ? number - 4 : number - 5;
}

} // namespace

ExerciseFrame::ExerciseFrame(Program& program, QString own, FrameDesign design)
    : program_(program), own_(std::move(own)), design_(std::move(design)) {}

void ExerciseFrame::build(FormWindow& window, QWidget* body) {
    auto* menuBar = new QMenuBar(&window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    onTop_ = options->addAction(QStringLiteral("On&Top"));
    onTop_->setObjectName(QStringLiteral("mnuOntop"));
    onTop_->setCheckable(true);
    // Off when the program starts; the choice holds in every window until it ends.
    QAction* hints = options->addAction(QStringLiteral("&Hints"));
    hints->setObjectName(QStringLiteral("mnuHints"));
    hints->setCheckable(true);
    hints->setChecked(program_.hintsWanted);
    QAction* list = options->addAction(QStringLiteral("&Mistakes..."));
    list->setObjectName(QStringLiteral("mnuMistakes"));
    QAction* practise = options->addAction(QStringLiteral("&Practise the mistakes"));
    practise->setObjectName(QStringLiteral("mnuPractise"));
    practise->setEnabled(false);
    // Off when the program starts; the choice holds in every window until it ends.
    QAction* readAloud = options->addAction(QStringLiteral("&Read aloud"));
    readAloud->setObjectName(QStringLiteral("mnuReadAloud"));
    readAloud->setCheckable(true);
    readAloud->setChecked(program_.readAloud);
    // The key works in every exercise window and in its message boxes, Read aloud on or off.
    QAction* again = options->addAction(QStringLiteral("Say &again"));
    again->setObjectName(QStringLiteral("mnuSayAgain"));
    again->setShortcut(sayAgainKey);
    window.addAction(again);
    keepInMessageBoxes(again);
    if (auto* exercise = qobject_cast<ExerciseWindow*>(&window))
        addOralItems(options, *exercise);
    options->setToolTipsVisible(true);
    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* how = help->addAction(QStringLiteral("&How to..."));
    how->setObjectName(QStringLiteral("mnuHow"));
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    window.setMenuBar(menuBar);

    QObject::connect(onTop_, &QAction::triggered, &window,
                     [&window](bool checked) { services().setOnTop(&window, checked); });
    QObject::connect(hints, &QAction::triggered, &window, [this, &window](bool checked) {
        program_.hintsWanted = checked;
        if (auto* exercise = qobject_cast<ExerciseWindow*>(&window); exercise && !checked)
            exercise->clearHint();
    });
    Speaker& speaker = services().speaker();
    // Where the voice cannot be used, both items are greyed and say why.
    const auto cannotSpeak = [readAloud, again](const QString& why) {
        readAloud->setChecked(false);
        greyWithReason(readAloud, why);
        greyWithReason(again, why);
    };
    if (!speaker.problem().isEmpty())
        cannotSpeak(speaker.problem());
    QObject::connect(&speaker, &Speaker::problemFound, readAloud,
                     [this, cannotSpeak](const QString& why) {
                         program_.readAloud = false;
                         cannotSpeak(why);
                     });
    // When the sound server answers again, the items come back; the learner ticks Read
    // aloud again.
    QObject::connect(&speaker, &Speaker::problemGone, readAloud, [readAloud, again] {
        ungrey(readAloud);
        ungrey(again);
    });
    QObject::connect(readAloud, &QAction::triggered, &window, [this](bool checked) {
        program_.readAloud = checked;
        // The voice is made ready in the background, so the first word comes without delay;
        // unticked, it falls silent at once.
        if (checked)
            services().speaker().prepare();
        else
            services().speaker().stop();
    });
    if (auto* exercise = qobject_cast<ExerciseWindow*>(&window)) {
        QObject::connect(again, &QAction::triggered, exercise, &ExerciseWindow::sayAgain);
        QObject::connect(list, &QAction::triggered, exercise, &ExerciseWindow::showMistakes);
        QObject::connect(practise, &QAction::triggered, exercise,
                         &ExerciseWindow::practiseMistakes);
        // Enabled once a run has been accomplished with a wrong try in it.
        QObject::connect(
            &exercise->mistakes(), &MistakeLog::changed, practise,
            [practise, exercise] { practise->setEnabled(exercise->mistakes().canPractise()); });
    }
    QObject::connect(how, &QAction::triggered, &window, [this, &window] { howTo(window); });
    QObject::connect(about, &QAction::triggered, &window,
                     [this] { program_.windows().showAbout(); });

    makeLabel(body, design_.heading);
    QPushButton* close = makeButton(body, design_.close);
    QObject::connect(close, &QPushButton::clicked, &window,
                     [this, &window] { program_.windows().open(WindowId::alap, &window); });

    const Lesson& lesson = program_.lesson();
    const int ownPosition = lesson.indexOf(own_);
    if (ownPosition < 0)
        return;
    const Exercise& ownRow = lesson.exercises[std::size_t(ownPosition)];
    for (int position = 0; position < lesson.size(); ++position) {
        const Exercise& target = lesson.exercises[std::size_t(position)];
        const int number = ownRow.goToButtons[std::size_t(position)];
        const bool own = position == ownPosition;
        const bool last = position == lesson.size() - 1;
        QPushButton* made =
            makeButton(body, {.name = QStringLiteral("Command%1").arg(number),
                              .text = QString::fromLatin1(target.goToCaption),
                              .left = 6840 + 600 * (position % 4),
                              .top = position < 4 ? 0 : 480,
                              .width = 615,
                              .height = 495,
                              .look = {.points = 13.5,
                                       .background = last && design_.lastGoToBackground.isValid()
                                                         ? design_.lastGoToBackground
                                                         : design_.goToBackground},
                              .tabIndex = design_.firstGoToTab + focusPlace(number),
                              .enabled = !own});
        if (!own) {
            QObject::connect(made, &QPushButton::clicked, &window, [this, &window, position] {
                program_.windows().open(program_.windows().exercise(position), &window);
            });
        }
    }
}

void ExerciseFrame::load(FormWindow&) {
    onTop_->trigger();
}

bool ExerciseFrame::closeBox(FormWindow& window) {
    program_.windows().open(WindowId::alap, &window);
    return true;
}

QString ExerciseFrame::howToText() const {
    const QString paragraphBreak = program_.texts.crlf + program_.texts.crlf;
    QString text = design_.howTo.join(paragraphBreak);
    if (design_.howToEndsWithEmptyLine)
        text += paragraphBreak;
    return text;
}

void ExerciseFrame::howTo(FormWindow& window) {
    // Then the focus goes where the item is answered (in 4 and 5 the current gap; the box
    // is modal, so it cannot change meanwhile).
    auto* exercise = qobject_cast<ExerciseWindow*>(&window);
    window.tell(howToText(), program_.texts.msgTitle, Icon::Information,
                exercise ? exercise->answerBox() : nullptr);
}

} // namespace kerbu
