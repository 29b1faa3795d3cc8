#include "run.h"

namespace kerbu {

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

bool sameText(const QString& typed, const QString& stored) {
    return typed.normalized(QString::NormalizationForm_C) ==
           stored.normalized(QString::NormalizationForm_C);
}

} // namespace kerbu
