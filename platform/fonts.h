#pragma once

#include <QFont>

namespace kerbu {

// The faces the windows were designed with. Each is drawn with an installed face of
// the same metrics that carries the Hungarian letters ő, ű, Ő and Ű.
enum class Face { SansSerif, Serif, Arial, TimesNewRoman };

QFont designFont(Face face, qreal pointSize, bool bold = false, bool italic = false);

// Registers the substitutions once, so that a design face named anywhere (style
// sheets, rich text) also lands on an installed face.
void installFontSubstitutions();

} // namespace kerbu
