#include "vowels.h"

#include <algorithm>

namespace kerbu::vowels {

namespace {

struct Row {
    char16_t letter;
    char16_t plain;
    bool longMark;
    bool dots;
};

constexpr Row rows[] = {
    {u'a', u'a', false, false}, {u'á', u'a', true, false},  {u'e', u'e', false, false},
    {u'é', u'e', true, false},  {u'i', u'i', false, false}, {u'í', u'i', true, false},
    {u'o', u'o', false, false}, {u'ó', u'o', true, false},  {u'ö', u'o', false, true},
    {u'ő', u'o', true, true},   {u'u', u'u', false, false}, {u'ú', u'u', true, false},
    {u'ü', u'u', false, true},  {u'ű', u'u', true, true},
};

} // namespace

std::optional<Shape> shape(QChar letter) {
    const QChar small = letter.toLower();
    for (const Row& row : rows) {
        if (small == QChar(row.letter))
            return Shape{letter.isUpper() ? QChar(row.plain).toUpper() : QChar(row.plain),
                         row.longMark, row.dots};
    }
    return std::nullopt;
}

bool isVowel(QChar letter) {
    return shape(letter).has_value();
}

bool isBack(QChar letter) {
    const auto s = shape(letter);
    return s && !s->dots && QStringLiteral("aou").contains(s->plain.toLower());
}

bool isRounded(QChar letter) {
    const auto s = shape(letter);
    return s && s->dots;
}

bool isNeutral(QChar letter) {
    return QStringLiteral("iíéIÍÉ").contains(letter);
}

Harmony harmonyOf(const QString& word) {
    Harmony h;
    for (const QChar c : word) {
        if (isVowel(c.toLower()))
            h.found.push_back(c.toLower());
    }
    if (h.found.empty())
        return h;
    h.last = h.found.back();
    const auto decides =
        std::find_if(h.found.rbegin(), h.found.rend(), [](QChar c) { return !isNeutral(c); });
    if (decides != h.found.rend())
        h.deciding = *decides;
    h.back = isBack(h.last) || (isNeutral(h.last) && isBack(h.deciding));
    return h;
}

QString withoutAccents(const QString& text) {
    QString bare;
    bare.reserve(text.size());
    for (const QChar c : text) {
        if (const auto s = shape(c))
            bare += s->plain;
        else
            // Any other accented letter as its plain one (à as a).
            bare += QString(c).normalized(QString::NormalizationForm_D).at(0);
    }
    return bare;
}

} // namespace kerbu::vowels
