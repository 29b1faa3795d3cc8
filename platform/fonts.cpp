#include "fonts.h"

#include <QStringList>

namespace kerbu {

static const QStringList& sansFaces() {
    static const QStringList faces{"Liberation Sans", "Arimo", "DejaVu Sans"};
    return faces;
}

static const QStringList& serifFaces() {
    static const QStringList faces{"Liberation Serif", "Tinos", "DejaVu Serif"};
    return faces;
}

QFont designFont(Face face, qreal pointSize, bool bold, bool italic) {
    QFont font;
    const bool serif = face == Face::Serif || face == Face::TimesNewRoman;
    font.setFamilies(serif ? serifFaces() : sansFaces());
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void installFontSubstitutions() {
    QFont::insertSubstitutions("MS Sans Serif", sansFaces());
    QFont::insertSubstitutions("Arial", sansFaces());
    QFont::insertSubstitutions("MS Serif", serifFaces());
    QFont::insertSubstitutions("Times New Roman", serifFaces());
}

} // namespace kerbu
