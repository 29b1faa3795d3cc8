#pragma once

#include "drill.h"
#include "gaptext.h"
#include "sentencedrill.h"

#include <QStringView>

// What lesson 4 teaches, apart from where anything stands on a window: its word lists,
// its sentences about pictures and its texts with gaps, each found by the name of its
// exercise's window. Each lookup throws std::invalid_argument for a name that is not one
// of its exercises.
namespace kerbu::lesson4 {

// A word drill: its list, the endings the window shows as a reminder and, where the
// drill asks one, the question the ending answers.
struct WordContent {
    WordList list{};
    const char16_t* endings{};
    const char16_t* question = nullptr;
};

const WordContent& words(QStringView window);
const SentenceContent& sentences();
const GapContent& gapText(QStringView window);

} // namespace kerbu::lesson4
