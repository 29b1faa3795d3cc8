#include "framedesign.h"

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

FrameDesign standardFrame(const QColor& headingBackground, int closeTab) {
    return {
        .close = commandButton({.name = "Command3",
                                .text = "Clos&e",
                                .left = 2280,
                                .top = 0,
                                .width = 1095,
                                .tabIndex = closeTab}),
        .heading = {.name = "Label4",
                    .text = "Go to exercise:",
                    .left = 4800,
                    .top = 120,
                    .width = 2055,
                    .height = 375,
                    .look = {.face = Face::Arial,
                             .points = 12,
                             .text = Qt::black,
                             .background = headingBackground}},
        .firstGoToTab = closeTab + 2,
    };
}

} // namespace kerbu
