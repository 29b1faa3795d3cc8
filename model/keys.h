#pragma once

#include <QChar>
#include <QString>

namespace kerbu {

// Keys of an English keyboard that give the Hungarian letters. hunkey replaces the
// character of a key press by its Hungarian letter; any other character is returned
// unchanged.
QChar hunkey(QChar typed);

// The smaller assignment used by a few answer boxes: lower-case letters only, with
// other keys for ó, ö, ő, ú, ü and ű. Where colonGivesE is set, ":" gives "É".
QChar shortKey(QChar typed, bool colonGivesE = false);

enum class KeyTable { None, Hunkey, Short, ShortWithCapitalE };
QChar translateKey(KeyTable table, QChar typed);

// The character chart shown by the Char button of every exercise window.
extern const QString characterChart;

} // namespace kerbu
