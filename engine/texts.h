#pragma once

#include <QString>

namespace kerbu {

// The program-wide texts of the message boxes and captions. Any window may change
// them for a while; texts() puts them back.
struct SharedTexts {
    QString msgWrong;
    QString msgTitle;
    QString msgDone;
    QString msgCapital;
    QString msgSolution;
    // The line break of the how-to and About messages, set by the main menu.
    QString crlf;
};

SharedTexts& shared();
void texts();

} // namespace kerbu
