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
    // The line break of the how-to and About messages. The main menu sets it as it loads;
    // it holds CR LF from the start, so the About message reads right during the splash.
    QString crlf = QStringLiteral("\r\n");
};

SharedTexts& shared();
// Puts the five message texts back to their values (crlf stays as it is).
void texts();

} // namespace kerbu
