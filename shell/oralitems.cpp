#include "oralitems.h"

#include "engine/exercisewindow.h"
#include "platform/accessibletext.h"

#include <QMenu>

namespace kerbu {

void addOralItems(QMenu* options, ExerciseWindow& window) {
    QAction* yourself = options->addAction(QStringLiteral("Say it &yourself"));
    yourself->setObjectName(QStringLiteral("mnuSayYourself"));
    yourself->setShortcut(sayYourselfKey);
    window.addAction(yourself);
    QAction* slowly = options->addAction(QStringLiteral("Say &slowly"));
    slowly->setObjectName(QStringLiteral("mnuSaySlowly"));
    slowly->setShortcut(saySlowlyKey);
    window.addAction(slowly);
    keepInMessageBoxes(slowly);
    QObject::connect(yourself, &QAction::triggered, &window, &ExerciseWindow::sayYourself);
    QObject::connect(slowly, &QAction::triggered, &window, &ExerciseWindow::saySlowly);

    Speaker& speaker = services().speaker();
    Recorder& recorder = services().recorder();
    // The first reason that speaks against it: no microphone, no voice, or no right form met
    // yet (saying it first would give the answer away).
    const auto update = [yourself, slowly, &window, &speaker, &recorder] {
        const QString voice = speaker.problem();
        const QString why = !recorder.problem().isEmpty() ? recorder.problem()
                            : !voice.isEmpty()            ? voice
                            : window.spokenModel().isEmpty()
                                ? QStringLiteral("Answer first, then say it.")
                                : QString();
        const bool recording = recorder.recording();
        if (why.isEmpty() || recording)
            ungrey(yourself);
        else
            greyWithReason(yourself, why);
        if (voice.isEmpty())
            ungrey(slowly);
        else
            greyWithReason(slowly, voice);
    };
    update();
    QObject::connect(&window, &ExerciseWindow::spokenModelChanged, yourself, update);
    // A recording that fails ends after its problem is found: the item is greyed as it ends.
    QObject::connect(&recorder, &Recorder::finished, yourself, update);
    for (SoundUser* user : std::initializer_list<SoundUser*>{&speaker, &recorder}) {
        QObject::connect(user, &SoundUser::problemFound, yourself, update);
        QObject::connect(user, &SoundUser::problemGone, yourself, update);
    }
    // Whether there is a microphone is asked as the learner looks at the menu; the
    // microphone itself is used only when the item is chosen.
    QObject::connect(options, &QMenu::aboutToShow, yourself, [&recorder] { recorder.check(); });
}

} // namespace kerbu
