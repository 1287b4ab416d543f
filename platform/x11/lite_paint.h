#pragma once
// The drawing of our own menus and boxes on a bitmap: interface font, text
// with marked letters, buttons, check marks, the message box icons, and
// word wrapping.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/bitmap/canvas.h"
#include "imaging/text/font.h"
#include "platform/x11/accelerator.h"

namespace lumigram {

namespace ui_colour {
inline constexpr TColor kFace = RGB(240, 240, 240);
inline constexpr TColor kWindow = RGB(255, 255, 255);
inline constexpr TColor kText = RGB(0, 0, 0);
inline constexpr TColor kGreyText = RGB(109, 109, 109);
inline constexpr TColor kHighlight = RGB(0, 120, 215);
inline constexpr TColor kHighlightText = RGB(255, 255, 255);
inline constexpr TColor kBorder = RGB(160, 160, 160);
inline constexpr TColor kLight = RGB(215, 215, 215);
}  // namespace ui_colour

// The font of menus and boxes (UTF-8 text).
const TFont& UiFont();
int UiTextWidth(std::string_view text);
int UiTextHeight();

// The text with its top-left corner at (x, y), the marked letter underlined.
void DrawAcceleratedText(TCanvas& canvas, int x, int y, const TAcceleratedText& text,
                         TColor colour);

// A push button; the default or focused one gets a coloured border.
void DrawButton(TCanvas& canvas, const TRect& bounds, const TAcceleratedText& caption,
                bool emphasised, bool focused, bool pressed);

// A tick about 10 pixels wide centred on (x, y).
void DrawCheckMark(TCanvas& canvas, int x, int y, TColor colour);

enum class TMessageIcon { Plain, Error, Warning, Information };
inline constexpr int kMessageIconSize = 32;
void DrawMessageIcon(TCanvas& canvas, int x, int y, TMessageIcon icon);

// Breaks text into lines no wider than maxWidth: at line breaks (CR LF, LF
// or CR), then between words, and inside words too long for a line.
std::vector<std::string> WrapText(std::string_view text, int maxWidth,
                                  const std::function<int(std::string_view)>& width);

}  // namespace lumigram
