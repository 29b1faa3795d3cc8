#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace kerbu::vowels {

// A Hungarian vowel as it is written: its plain letter, whether it carries the long mark
// and whether it carries the dots. ő is the long ö, so it has both.
struct Shape {
    QChar plain{};
    bool longMark = false;
    bool dots = false;
};

std::optional<Shape> shape(QChar letter);
bool isVowel(QChar letter);
// a á o ó u ú
bool isBack(QChar letter);
// ö ő ü ű
bool isRounded(QChar letter);
// i í é: they do not decide the ending of a word that has back vowels too.
bool isNeutral(QChar letter);
// The text without its accents: á as a, ő as o.
QString withoutAccents(const QString& text);

// What vowel harmony reads in a word.
struct Harmony {
    std::vector<QChar> found{}; // its vowels, in lower case, in order
    QChar last{};               // the last of them; none where the word has no vowel
    QChar deciding{};           // the last that is not i, í or é; none where all are
    // The word takes back endings: its last vowel is back, or neutral after a back one.
    bool back = false;
};
Harmony harmonyOf(const QString& word);

} // namespace kerbu::vowels
