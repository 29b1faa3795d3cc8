#include "texts.h"

namespace kerbu {

void texts(ProgramState& state) {
    SharedTexts& t = state.texts;
    t.msgWrong = QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too.");
    t.msgTitle = QStringLiteral("  Kerbu!  ---  ") + state.lessonTitle;
    t.msgDone = QStringLiteral("This exercise has been accomplished. If you want to restart it, "
                               "click on the \"Restart\" button.");
    t.msgCapital = QStringLiteral("Attention to capital letters!");
    t.msgSolution = QStringLiteral("The correct solution is: ");
}

} // namespace kerbu
