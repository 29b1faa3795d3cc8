#include "texts.h"

namespace kerbu {

SharedTexts& shared() {
    static SharedTexts values;
    return values;
}

void texts() {
    SharedTexts& t = shared();
    t.msgWrong = QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too.");
    t.msgTitle = QStringLiteral("  Kerbu!  ---  4. lecke");
    t.msgDone = QStringLiteral("This exercise has been accomplished. If you want to restart it, "
                               "click on the \"Restart\" button.");
    t.msgCapital = QStringLiteral("Attention to capital letters!");
    t.msgSolution = QStringLiteral("The correct solution is: ");
}

} // namespace kerbu
