#pragma once

#include "hint.h"

#include <QString>
#include <span>

namespace kerbu {

// A word that no rule of the hints makes into its answer: it is learned with its ending.
struct LearnedWord {
    const char16_t* word{};
    const char16_t* answer{};
    const char* why{};
};

// Why a stored answer is what it is, as the Hints line says it after Solution: the ending
// and why this one, and what the base word goes through before it, by the same rules the
// hints name; or that the word is learned with its ending.
struct Why {
    // The rules make the base word into this answer, or the word is one to learn.
    bool explained = false;
    QString text{};

    // A word drill's answer against its base word; a gap's whole word against the word
    // in front of it.
    static Why forWord(const QString& word, const QString& answer);
    // A sentence about a picture: the verb and its person, the place and its question.
    static Why forSentence(const SentenceKey& key);
    // The words learned with their ending.
    static std::span<const LearnedWord> learned();
};

} // namespace kerbu
