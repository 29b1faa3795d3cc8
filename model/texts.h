#pragma once

#include <QString>

namespace kerbu {

// The program-wide texts of the message boxes and captions. Any window may change
// them for a while; texts() puts them back.
struct SharedTexts {
    QString msgWrong;    // the wrong-answer box
    QString msgTitle;    // the title of every message box and the windows' captions
    QString msgDone;     // the exercise is accomplished
    QString msgCapital;  // exercise 3: the sentence needs a capital letter
    QString msgSolution; // put in front of the answer by Solution
    // The line break of the how-to and About messages. The main menu sets it as it loads;
    // it holds CR LF from the start, so the About message reads right during the splash.
    QString crlf = QStringLiteral("\r\n");
};

// Everything the windows share while the program runs; nothing of it is stored. The
// program makes one and hands it to every window it builds.
struct ProgramState {
    QString lessonTitle{}; // the last part of every caption: the lesson's title
    SharedTexts texts{};
    // Whether the learner has switched the Hints line on. Off when the program starts,
    // shared by every window.
    bool hintsWanted = false;
    // Whether the learner has switched Read aloud on: the Hungarian is said as it comes.
    // Off when the program starts, shared by every window.
    bool readAloud = false;
    // False until the splash has closed; then true for good. The About window loads in
    // splash mode or in About mode according to it.
    bool splashDone = false;
};

// Puts the five message texts of the state back to their values (crlf stays as it is).
void texts(ProgramState& state);

} // namespace kerbu
