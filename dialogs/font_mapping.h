#pragma once
// Our font record and Qt's fonts. A TFont measures its height in pixels (a
// negative value is the character height, a positive one the cell height);
// Qt's font dialog thinks in points on a 96 dots-per-inch screen, as our
// records do.

#include <QColor>
#include <QFont>

#include "imaging/text/font.h"

namespace lumigram {

enum class TFontUnit {
  // Pixel size: what the text windows show, the size the card draws.
  Pixels,
  // Point size: what the font dialog lists.
  Points,
};

// The face in UTF-8 (from the record's character set), style and size.
QFont ToQFont(const TFont& font, TFontUnit unit = TFontUnit::Pixels);

// A Qt font into the record: face, character height, bold, italic,
// underline and strike-out. Colour, character set and quality are taken
// from base, which Qt's fonts do not carry.
TFont FromQFont(const QFont& qfont, const TFont& base);

QColor ToQColor(TColor colour);
TColor FromQColor(const QColor& colour);

}  // namespace lumigram
