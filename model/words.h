#pragma once

#include <QString>
#include <QStringList>

namespace kerbu {

// The words of a text as its blanks part them, punctuation kept.
QStringList blankSeparated(const QString& text);
// The words of a sentence, without its full stop.
QStringList wordsOf(const QString& sentence);
// The person shown beside a picture as the voice, the hints and a screen reader name it:
// the person of a pronoun stands in brackets in the label ("(én)"), and is én.
QString personNamed(const QString& person);

} // namespace kerbu
