// Drawing a font record and text as a card file may carry them: any height,
// style, character set, face name and bytes. Ink must stay inside the clip.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "imaging/bitmap/canvas.h"
#include "imaging/text/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumigram;
  // Layout: style byte, 4-byte height, 4-byte character set, 2-byte x and y,
  // the face name up to a zero byte, then the text.
  if (size < 13) return 0;
  TFont font;
  const uint8_t style = data[0];
  font.Bold = style & 1;
  font.Italic = style & 2;
  font.Underline = style & 4;
  font.StrikeOut = style & 8;
  font.Quality = (style & 16) ? TFontQuality::Monochrome : TFontQuality::Antialiased;
  std::memcpy(&font.Height, data + 1, 4);
  std::memcpy(&font.Charset, data + 5, 4);
  font.Color = kBlack;
  const int x = int8_t(data[9]) * 4, y = int8_t(data[10]) * 4;
  const std::string rest(reinterpret_cast<const char*>(data + 13), size - 13);
  const size_t zero = rest.find('\0');
  font.Name = rest.substr(0, zero == std::string::npos ? 0 : zero);
  const std::string text = zero == std::string::npos ? rest : rest.substr(zero + 1);

  TBitmap bitmap;
  bitmap.SetSize(64, 48, kWhite);
  TCanvas canvas(bitmap);
  const TRect clip{8, 6, 56, 40};
  TextOut(
      canvas, x, y, font, text,
      {.Clip = clip, .Encoding = (style & 32) ? TTextEncoding::Utf8 : TTextEncoding::FontCharset});
  for (int row = 0; row < bitmap.Height(); ++row)
    for (int col = 0; col < bitmap.Width(); ++col)
      if (!clip.Contains(col, row) && bitmap.GetPixel(col, row) != kWhite) std::abort();
  if (TextWidth(font, text) < 0 || TextHeight(font) < 0) std::abort();
  return 0;
}
