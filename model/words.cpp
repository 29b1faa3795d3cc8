#include "words.h"

namespace kerbu {

QStringList blankSeparated(const QString& text) {
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList wordsOf(const QString& sentence) {
    return blankSeparated(sentence.endsWith(QLatin1Char('.')) ? sentence.chopped(1) : sentence);
}

QString personNamed(const QString& person) {
    return QString(person).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
}

} // namespace kerbu
