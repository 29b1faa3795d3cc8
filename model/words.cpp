#include "words.h"

namespace kerbu {

QStringList wordsOf(const QString& sentence) {
    QString bare = sentence;
    if (bare.endsWith(QLatin1Char('.')))
        bare.chop(1);
    return bare.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString personNamed(const QString& person) {
    return QString(person).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
}

} // namespace kerbu
