// The toolbar's layout and drawing: every change redraws all buttons into
// the one off-screen bitmap, which the window then shows in one copy.

#include <algorithm>

#include "app/toolbar/toolbars.h"
#include "imaging/bitmap/canvas.h"

namespace lumigram {

namespace {

constexpr int kCornerWidth = 10;
constexpr int kCornerHeight = 14;
constexpr int kHotLift = 20;
constexpr int kEdgeWeight = 8;

TColor Shifted(TColor colour, int delta) {
  auto channel = [&](int n) { return std::clamp(ChannelOf(colour, n) + delta, 0, 255); };
  return RGB(channel(0), channel(1), channel(2));
}

// A disabled pixel: its brightness as grey, kept off pure black and white so
// the glyph still reads on any face.
TColor Greyed(TColor colour) {
  int g = (ChannelOf(colour, 0) + ChannelOf(colour, 1) + ChannelOf(colour, 2)) / 3;
  if (g == 0) g = 50;
  if (g == 255) g = 240;
  return RGB(g, g, g);
}

}  // namespace

void TToolbars::Layout() {
  try {
    const bool hotEnabled = hot_ >= 0 && slots_[size_t(hot_)].Used && slots_[size_t(hot_)].Enabled;
    const int cursor = hotEnabled ? slots_[size_t(hot_)].Cursor : int(kCursorDefault);
    if (cursor != cursor_) {
      cursor_ = cursor;
      host_.SetCursor(cursor_);
    }
    UpdateHint(hot_);

    int inner = 0;
    for (const TToolbarSlot& slot : slots_)
      if (slot.Used && slot.Visible) inner = std::max(inner, slot.Glyph.Height() + 2 * kMargin);
    // The bottom bevel is always shown.
    const int height = inner + (show_top_bevel_ ? kBevelHeight : 0) + kBevelHeight;
    if (height != height_) {
      height_ = height;
      host_.SetHeight(height_);
    }
    host_.ShowBevels(show_top_bevel_, true);

    face_ = host_.WindowColor() & 0xFFFFFF;
    shadow_ = Shifted(face_, -55);
    highlight_ = Shifted(face_, 40);
    if (!image_.SetSize(std::max(host_.ClientWidth(), 1), std::max(inner, 1), face_)) return;
    image_.Fill(face_);

    int x = kMargin;
    int separatorTracker = 0;
    for (int i = 0; i < kSlotCount; ++i) {
      TToolbarSlot& slot = slots_[size_t(i)];
      if (!slot.Used || !slot.Visible) continue;
      slot.Left = x - kMargin;
      slot.Top = kMargin;
      slot.Height = inner;
      DrawSlot(slot, i == hot_, x, kMargin, separatorTracker, i);
      // The hit rectangle covers the full height; the drawn button keeps its own.
      x += slot.Width + slot.Gap;
    }
    host_.Present(image_, ImageTop());
  } catch (...) {
  }
}

void TToolbars::DrawSlot(const TToolbarSlot& slot, bool hot, int x, int y, int& separatorTracker,
                         int index) {
  const bool live = enabled_ && slot.Enabled;
  const int ownHeight = slot.Glyph.Height() + 2 * kMargin;
  int gx = x;
  int gy = y;
  if (live && pressed_ && hot) {
    ++gx;
    ++gy;
  }
  const bool lit = live && hot;
  if (lit) {
    TCanvas canvas(image_);
    canvas.SetPenColor(shadow_);
    canvas.SetBrushColor(highlight_);
    canvas.RoundRect({gx - kMargin + 1, gy - kMargin + 1, gx + slot.Width - kMargin - 1,
                      gy + ownHeight - kMargin - 1},
                     kCornerWidth, kCornerHeight);
  }
  DrawGlyph(slot, lit, gx, gy);

  if (show_separators_ && slot.Gap > 0 && separatorTracker == -1) {
    TCanvas canvas(image_);
    canvas.SetPenColor(shadow_);
    const int lineX = x + slot.Width + slot.Gap / 2 - kMargin;
    canvas.MoveTo(lineX, y + 1);
    canvas.LineTo(lineX, slot.Height + y - 2 * kMargin - 1);
    separatorTracker = index;
  } else if (!slot.GlyphText.empty()) {
    separatorTracker = -1;
  }
}

// Copies the glyph without its background (the colour of its top-left
// pixel), softening the outline into whatever lies behind it.
void TToolbars::DrawGlyph(const TToolbarSlot& slot, bool lit, int x, int y) {
  const TBitmap& glyph = slot.Glyph;
  if (glyph.Empty()) return;
  const bool grey = !enabled_ || !slot.Enabled;
  const TColor behind = lit ? highlight_ : face_;
  const TColor key = glyph.GetPixel(0, 0);
  const int w = glyph.Width();
  const int h = glyph.Height();
  for (int r = 0; r < h; ++r) {
    if (y + r < 0 || y + r >= image_.Height()) continue;
    const uint8_t* row = glyph.ScanLine(r);
    uint8_t* out = image_.ScanLine(y + r);
    for (int c = 0; c < w; ++c) {
      if (x + c >= image_.Width() - 1) break;
      if (x + c < 0) continue;
      TColor colour = ColourAt(row + 3 * c);
      if (colour != key) {
        if (lit) colour = Shifted(colour, kHotLift);
      } else {
        int sum[3] = {0, 0, 0};
        int count = 0;
        auto add = [&](int cc, int rr) {
          if (cc < 0 || cc >= w || rr < 0 || rr >= h) return;
          const TColor n = ColourAt(glyph.ScanLine(rr) + 3 * cc);
          if (n == key) return;
          for (int k = 0; k < 3; ++k) sum[k] += ChannelOf(n, k);
          ++count;
        };
        add(c - 1, r);
        add(c + 1, r);
        add(c, r - 1);
        add(c, r + 1);
        if (count == 0) continue;
        int mixed[3];
        for (int k = 0; k < 3; ++k)
          mixed[k] = (sum[k] + kEdgeWeight * ChannelOf(behind, k)) / (count + kEdgeWeight);
        colour = RGB(mixed[0], mixed[1], mixed[2]);
      }
      if (grey) colour = Greyed(colour);
      PutColour(out + 3 * (x + c), colour);
    }
  }
}

}  // namespace lumigram
