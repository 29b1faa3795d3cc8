#pragma once

#include <QString>
#include <span>

// How the voice is to say the words of the lesson that espeak-ng's Hungarian voice says
// wrong: espeak-ng's own phonemes for them, with a long vowel held longer (one ":" more) or
// the break it puts between r and m taken out.
namespace kerbu::pronunciation {

struct Row {
    const char16_t* text{}; // the word as the lesson writes it, capitals aside
    const char* phonemes{}; // espeak-ng's phoneme mnemonics, stress marks included
    const char* mends{};    // what the row mends: "é of szekrény too short"
};

std::span<const Row> rows();
// `text` as the voice takes it with phonemes on: each word of the table as its phonemes in
// [[ ]]; brackets of the text itself are left out, so that nothing else is read as phonemes.
QString forTheVoice(QString text);

} // namespace kerbu::pronunciation
