#include "platform/x11/lite_paint.h"

#include <algorithm>

#include "imaging/text/text.h"
#include "platform/x11/utf8.h"

namespace lumigram {

namespace {

TTextOptions Utf8Text() {
  TTextOptions options;
  options.Encoding = TTextEncoding::Utf8;
  return options;
}

void FillCircle(TCanvas& canvas, int x, int y, int size, TColor colour) {
  canvas.SetBrushColor(colour);
  canvas.SetPenColor(colour);
  canvas.RoundRect({x, y, x + size, y + size}, size, size);
}

// A line of the given thickness, widened sideways.
void ThickLine(TCanvas& canvas, int x1, int y1, int x2, int y2, int thickness, TColor colour) {
  canvas.SetPenColor(colour);
  for (int d = 0; d < thickness; ++d) {
    canvas.MoveTo(x1 + d, y1);
    canvas.LineTo(x2 + d, y2);
  }
}

}  // namespace

const TFont& UiFont() {
  static const TFont font = [] {
    TFont f;
    f.Name = "Sans";
    f.SetSize(9);
    f.Quality = TFontQuality::Antialiased;
    return f;
  }();
  return font;
}

int UiTextWidth(std::string_view text) {
  return TextWidth(UiFont(), text, TTextEncoding::Utf8);
}

int UiTextHeight() {
  return FontMetrics(UiFont()).Height;
}

void DrawAcceleratedText(TCanvas& canvas, int x, int y, const TAcceleratedText& text,
                         TColor colour) {
  TFont font = UiFont();
  font.Color = colour;
  TextOut(canvas, x, y, font, text.Text, Utf8Text());
  if (text.Mark == std::string::npos) return;
  const std::string_view shown = text.Text;
  const int left = x + UiTextWidth(shown.substr(0, text.Mark));
  const int right = left + UiTextWidth(shown.substr(text.Mark, text.MarkLength));
  const int baseline = y + FontMetrics(font).Ascent + 1;
  canvas.SetBrushColor(colour);
  canvas.FillRect({left, baseline, right, baseline + 1});
}

void DrawButton(TCanvas& canvas, const TRect& bounds, const TAcceleratedText& caption,
                bool emphasised, bool focused, bool pressed) {
  canvas.SetBrushColor(pressed ? RGB(204, 228, 247) : RGB(225, 225, 225));
  canvas.FillRect(bounds);
  canvas.SetBrushColor(emphasised || focused ? ui_colour::kHighlight : RGB(173, 173, 173));
  canvas.FrameRect(bounds);
  if (focused) {
    const TRect inner{bounds.Left + 1, bounds.Top + 1, bounds.Right - 1, bounds.Bottom - 1};
    canvas.FrameRect(inner);
  }
  const int x = bounds.Left + (int(bounds.Width()) - UiTextWidth(caption.Text)) / 2;
  const int y = bounds.Top + (int(bounds.Height()) - UiTextHeight()) / 2;
  DrawAcceleratedText(canvas, x, y, caption, ui_colour::kText);
}

void DrawCheckMark(TCanvas& canvas, int x, int y, TColor colour) {
  for (int d = 0; d < 2; ++d) {
    canvas.SetPenColor(colour);
    canvas.MoveTo(x - 4, y - 1 + d);
    canvas.LineTo(x - 1, y + 2 + d);
    canvas.LineTo(x + 5, y - 4 + d);
  }
}

void DrawMessageIcon(TCanvas& canvas, int x, int y, TMessageIcon icon) {
  const TColor white = RGB(255, 255, 255);
  switch (icon) {
    case TMessageIcon::Plain:
      return;
    case TMessageIcon::Error:
      FillCircle(canvas, x, y, kMessageIconSize, RGB(232, 17, 35));
      ThickLine(canvas, x + 10, y + 10, x + 21, y + 21, 3, white);
      ThickLine(canvas, x + 20, y + 10, x + 9, y + 21, 3, white);
      return;
    case TMessageIcon::Warning: {
      // A triangle on its base, filled row by row, with a dark rim.
      const int apex = y + 1, base = y + kMessageIconSize - 2, middle = x + kMessageIconSize / 2;
      for (int row = apex; row <= base; ++row) {
        const int half = (row - apex) * (kMessageIconSize / 2 - 1) / (base - apex);
        canvas.SetBrushColor(RGB(120, 90, 0));
        canvas.FillRect({middle - half - 1, row, middle + half + 1, row + 1});
        canvas.SetBrushColor(RGB(255, 185, 0));
        if (row > apex + 1 && row < base)
          canvas.FillRect({middle - half + 1, row, middle + half - 1, row + 1});
      }
      canvas.SetBrushColor(RGB(0, 0, 0));
      canvas.FillRect({middle - 2, y + 10, middle + 2, y + 22});
      canvas.FillRect({middle - 2, y + 24, middle + 2, y + 28});
      return;
    }
    case TMessageIcon::Information:
      FillCircle(canvas, x, y, kMessageIconSize, RGB(0, 120, 215));
      canvas.SetBrushColor(white);
      canvas.FillRect({x + 14, y + 6, x + 18, y + 10});
      canvas.FillRect({x + 14, y + 13, x + 18, y + 25});
      canvas.FillRect({x + 12, y + 13, x + 14, y + 15});
      canvas.FillRect({x + 12, y + 23, x + 20, y + 25});
      return;
  }
}

std::vector<std::string> WrapText(std::string_view text, int maxWidth,
                                  const std::function<int(std::string_view)>& width) {
  std::vector<std::string> lines;
  // One paragraph per line break.
  std::vector<std::string_view> paragraphs;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    paragraphs.push_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  for (std::string_view paragraph : paragraphs) {
    std::string line;
    size_t position = 0;
    bool any = false;
    while (position < paragraph.size()) {
      // The next word with the blanks before it.
      size_t end = position;
      while (end < paragraph.size() && paragraph[end] == ' ') ++end;
      while (end < paragraph.size() && paragraph[end] != ' ') ++end;
      const std::string_view piece = paragraph.substr(position, end - position);
      if (width(line + std::string(piece)) <= maxWidth || line.empty()) {
        line += piece;
      } else {
        lines.push_back(line);
        any = true;
        // A new line starts with the word, not the blanks.
        const size_t word = piece.find_first_not_of(' ');
        line = std::string(piece.substr(word == std::string_view::npos ? piece.size() : word));
      }
      position = end;
      // A word too long for any line is broken where it must be.
      while (width(line) > maxWidth) {
        size_t cut = 0;
        NextCodePoint(line, cut);  // at least one character a line
        while (cut < line.size()) {
          size_t next = cut;
          NextCodePoint(line, next);
          if (width(std::string_view(line).substr(0, next)) > maxWidth) break;
          cut = next;
        }
        if (cut >= line.size()) break;
        lines.push_back(line.substr(0, cut));
        any = true;
        line.erase(0, cut);
      }
    }
    if (!line.empty() || !any) lines.push_back(line);
  }
  return lines;
}

}  // namespace lumigram
