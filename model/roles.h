#pragma once

#include "endings.h"
#include "hint.h"

#include <QString>

// What each word of a sentence about a picture is, one row per role: what a hint calls
// it, the case of a place, what a hint asks the learner to look at where the word is
// wrong, and what the why says of it.
namespace kerbu::roles {

// A word of the stored sentence as the rows read it.
struct Context {
    int number{};   // its place in the sentence, from 1
    QString word{}; // as the stored sentence has it
    QString person{};
    QString next{}; // the word after it, if any
};

endings::Case caseOf(WordRole role);
// "the person", "the place" ...
QString nameOf(WordRole role);
// "Look at word 3, the place: its ending answers hova? (into where?)."
QString lookAt(WordRole role, const Context& context);
// What the why says of the word ("megy goes with Kati", "a comes before a consonant"),
// and where in the why it stands; empty where it says nothing of it.
QString because(WordRole role, const Context& context);
int placeInWhy(WordRole role);
// Whether the word is what its role asks for the person and the next word: the person's
// name or pronoun, the article the next word takes. A place is checked by its ending's
// rules, not here.
bool holds(WordRole role, const Context& context);

} // namespace kerbu::roles
