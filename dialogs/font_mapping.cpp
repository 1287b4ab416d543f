#include "dialogs/font_mapping.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>

#include "util/code_page.h"

namespace lumigram {

namespace {

constexpr double kPointsPerInch = 72.0;

// A cell height (ascent plus descent) as the character height that gives it
// in this face: the face's own proportion, measured once at a large size.
int CharacterHeightOfCell(const QFont& face, int cellHeight) {
  QFont probe = face;
  probe.setPixelSize(100);
  const int cell = QFontMetrics(probe).height();
  if (cell <= 0) return cellHeight;
  return std::max(1, int(std::lround(cellHeight * 100.0 / cell)));
}

}  // namespace

QFont ToQFont(const TFont& font, TFontUnit unit) {
  QFont qfont;
  qfont.setFamily(QString::fromStdString(CharsetToUtf8(font.Name, font.Charset)));
  // Fixed-pitch faces the desktop lacks ("Courier") still come out fixed.
  if (QFontInfo(qfont).fixedPitch() || font.Name.find("Courier") != std::string::npos)
    qfont.setStyleHint(QFont::TypeWriter);
  qfont.setBold(font.Bold);
  qfont.setItalic(font.Italic);
  qfont.setUnderline(font.Underline);
  qfont.setStrikeOut(font.StrikeOut);
  int height = font.Height == 0 ? TFont::kDefaultHeight : font.Height;
  // Huge values are nonsense from a damaged record, not a wish.
  height = std::clamp(height, -2000, 2000);
  const int pixels = height < 0 ? -height : CharacterHeightOfCell(qfont, height);
  if (unit == TFontUnit::Pixels)
    qfont.setPixelSize(std::max(pixels, 1));
  else
    qfont.setPointSizeF(std::max(pixels * kPointsPerInch / kFontDpi, 1.0));
  return qfont;
}

TFont FromQFont(const QFont& qfont, const TFont& base) {
  TFont font = base;
  font.Name = Utf8ToCharset(qfont.family().toStdString(), base.Charset);
  font.Bold = qfont.bold();
  font.Italic = qfont.italic();
  font.Underline = qfont.underline();
  font.StrikeOut = qfont.strikeOut();
  if (qfont.pixelSize() > 0)
    font.Height = -qfont.pixelSize();
  else if (qfont.pointSizeF() > 0)
    font.Height = -std::max(1, int(std::lround(qfont.pointSizeF() * kFontDpi / kPointsPerInch)));
  return font;
}

QColor ToQColor(TColor colour) {
  return QColor(ChannelOf(colour, 0), ChannelOf(colour, 1), ChannelOf(colour, 2));
}

TColor FromQColor(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return RGB(rgb.red(), rgb.green(), rgb.blue());
}

}  // namespace lumigram
