#pragma once

#include <QString>
#include <vector>

namespace kerbu {

// The icon of a message box.
enum class Icon { Stop = 16, Exclamation = 48, Information = 64 };

// A message box: its text, its icon and its title.
struct Message {
    QString text{};
    Icon icon = Icon::Exclamation;
    QString title{};
    bool operator==(const Message&) const = default;
};

// Where the focus goes when Char has shown or hidden the chart.
enum class CharFocus {
    ToAnswer,         // to the box the item is answered in
    Stays,            // nowhere else
    ToAnswerWhenShown // to that box when the chart comes up; nowhere when it goes
};

// How a run goes where the exercises differ. An exercise with two kinds of run (3: the
// pictures in order, then the Restart run) has a row for each, in the model's order.
struct RunRules {
    // The texts Start sets for the run (left alone where empty).
    QString runTitle{};
    QString runWrong{};
    // Start is greyed while the run is on; else it stays, for a Restart that skips to
    // another item (3) or a Start that takes the focus back to the first gap (4, 5).
    bool startGreyed = true;
    // Start turns Solution on; else Solution stays as it is (greyed in 3's Restart run).
    bool startEnablesSolution = true;
    // Start empties the answer box; else what was typed before Start stays.
    bool startEmptiesBox = false;
    // A right answer empties the answer box and the word box in front of it; a solved gap
    // keeps its ending instead.
    bool rightEmptiesBoxes = true;
    // The last right answer of a run stays in its box until the end message has been read.
    bool endKeepsAnswer = false;
    // After a right answer the focus goes to the box of the next item; else it stays.
    bool focusAfterRight = true;
    // After a wrong answer the focus goes back to the answer box; else it stays.
    bool focusAfterWrong = false;
    // The end message: its text (empty: the shared msgDone), icon and title (empty: the
    // shared title of the moment).
    Message done{};
    // The end message comes up with Start already on and in the focus.
    bool startFocusedBeforeDone = false;
    // Solution stays as it is after the run: on, showing the last item's solution.
    bool solutionStaysAfterDone = false;
    CharFocus charFocus = CharFocus::ToAnswer;
};

// The rows of the lesson's exercises by window name ("k04d1a" ... "k04d5"), one for each
// kind of run of the exercise's model. A name the lesson does not have is an error
// (std::invalid_argument).
std::vector<RunRules> runRulesOf(const QString& exercise);

} // namespace kerbu
