#pragma once

#include <QString>
#include <optional>

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

} // namespace kerbu::vowels
