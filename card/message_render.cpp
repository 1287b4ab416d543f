#include "card/message_render.h"

#include <algorithm>
#include <cstdint>

#include "imaging/text/text.h"

namespace lumigram {

TColor MessageBackground(TColor textColour) {
  return ~textColour & 0xFFFFFFu;
}

bool DrawMessageLines(TCanvas& canvas, const TLumigramInfo& info, int width, int height,
                      int offset) {
  if (info.Message.empty()) return false;
  const int64_t h = TextHeight(info.Font, "#");
  if (h <= 0) return false;
  const int64_t last = int64_t(info.Message.size()) - 1;
  const int64_t w = width, ht = height;

  int64_t y = 1;
  int64_t index = 0;
  int64_t step = 1;
  if (info.VAlign == kAlignBottom) {
    y = ht - h;
    index = last;
    step = -1;
  } else if (info.VAlign == kAlignCentre) {
    y = std::max<int64_t>((ht - (last + 1) * h) / 2, 0);
  }

  TTextOptions options;
  // Exact colours: the saved bitmap's background is a colour key, and the
  // creator's preview must show the pixels the viewer will.
  options.Quality = TFontQuality::Monochrome;
  options.Clip = TRect{offset, offset, int(int64_t(offset) + w), int(int64_t(offset) + ht)};
  while (y < ht + h && y > -h) {
    const std::string& line = info.Message[size_t(index)];
    int64_t x = 1;
    if (info.HAlign == kAlignRight)
      x = w - TextWidth(info.Font, line) - 1;
    else if (info.HAlign == kAlignCentre)
      x = (w - TextWidth(info.Font, line)) / 2;
    const int64_t left = offset + x, top = offset + y;
    if (left >= INT32_MIN && left <= INT32_MAX && top >= INT32_MIN && top <= INT32_MAX)
      TextOut(canvas, int(left), int(top), info.Font, line, options);
    y += step * h;
    index += step;
    if (index < 0 || index > last) break;
  }
  return true;
}

bool RenderMessageBitmap(const TLumigramInfo& info, int width, int height, TBitmap& bitmap) {
  const TColor background = MessageBackground(info.Font.Color);
  if (!bitmap.SetSize(std::max(width, 1), std::max(height, 1), background)) return false;
  bitmap.Fill(background);
  TCanvas canvas(bitmap);
  if (DrawMessageLines(canvas, info, width, height, 0)) bitmap.SetPixel(0, 0, background);
  return true;
}

}  // namespace lumigram
