#include "runrules.h"

#include <stdexcept>

namespace kerbu {

namespace {

// 1/a names itself in the titles of its run and ends with its own message.
RunRules firstDrill() {
    const QString runTitle = QStringLiteral("Dezavi!  ---  4. lecke: 1a");
    return {.runTitle = runTitle,
            .runWrong = QStringLiteral("It's wrong. Try again."),
            .done = {.text = QStringLiteral("The exercise has been accomplished. If you want to "
                                            "restart it, click the \"Restart\" button."),
                     .icon = Icon::Stop,
                     .title = runTitle},
            .solutionStaysAfterDone = true};
}

// The accusative drills leave the focus where it is when Char is pressed.
RunRules accusativeDrill() {
    return {.charFocus = CharFocus::Stays};
}

// The pictures in order, then the Restart run with variable persons: Restart stays on to
// skip a sentence, Solution stays greyed.
std::vector<RunRules> sentences() {
    const RunRules ordered{
        .endKeepsAnswer = true,
        .focusAfterRight = false,
        .focusAfterWrong = true,
        .done = {.text = QStringLiteral("You have reached the end of the exercice. If you want "
                                        "to restart it (with variable persons) click the "
                                        "\"Restart\" button."),
                 .icon = Icon::Exclamation},
        .startFocusedBeforeDone = true,
        .charFocus = CharFocus::ToAnswerWhenShown};
    RunRules restart = ordered;
    restart.startGreyed = false;
    restart.startEnablesSolution = false;
    restart.startEmptiesBox = true;
    restart.focusAfterRight = true;
    restart.done.icon = Icon::Stop;
    restart.startFocusedBeforeDone = false;
    restart.solutionStaysAfterDone = true;
    return {ordered, restart};
}

// A text with gaps: Start stays on and takes the focus back to the first gap, a wrong
// answer goes back into its gap, a solved gap keeps its ending.
RunRules gaps() {
    return {.startGreyed = false, .rightEmptiesBoxes = false, .focusAfterWrong = true};
}

} // namespace

std::vector<RunRules> runRulesOf(const QString& exercise) {
    if (exercise == QLatin1String("k04d1a"))
        return {firstDrill()};
    if (exercise == QLatin1String("k04d1b"))
        return {RunRules{}};
    if (exercise == QLatin1String("k04d2a") || exercise == QLatin1String("k04d2b") ||
        exercise == QLatin1String("k04d2c"))
        return {accusativeDrill()};
    if (exercise == QLatin1String("k04d3"))
        return sentences();
    if (exercise == QLatin1String("k04d4"))
        return {gaps()};
    if (exercise == QLatin1String("k04d5")) {
        // Solution still answers after the text is done.
        RunRules r = gaps();
        r.solutionStaysAfterDone = true;
        return {r};
    }
    throw std::invalid_argument("no exercise " + exercise.toStdString());
}

} // namespace kerbu
