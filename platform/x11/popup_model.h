#pragma once
// A popup menu apart from any window: where its rows lie, which row is
// highlighted, and what the keys and the mouse choose.

#include <functional>
#include <string_view>
#include <vector>

#include "card/card_platform.h"
#include "platform/x11/accelerator.h"
#include "util/geometry.h"

namespace lumigram {

struct TPopupRow {
  TAcceleratedText Caption;
  int Id = 0;
  bool Separator = false;
  bool Enabled = true;
  bool Checked = false;
  TRect Bounds;  // in the menu
};

struct TPopupMetrics {
  int Border = 1;
  int Padding = 2;  // above the first row and below the last
  int ItemHeight = 22;
  int SeparatorHeight = 7;
  int CheckColumn = 28;  // left of the text
  int RightMargin = 24;
  int MinWidth = 120;
};

class TPopupModel {
 public:
  // textWidth measures a caption as shown.
  TPopupModel(const std::vector<TPopupItem>& items, const TPopupMetrics& metrics,
              const std::function<int(std::string_view)>& textWidth);

  const std::vector<TPopupRow>& Rows() const { return rows_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  const TPopupMetrics& Metrics() const { return metrics_; }

  // The highlighted row, or -1.
  int Highlight() const { return highlight_; }
  // Rows that can be highlighted and chosen: enabled items.
  bool Selectable(int row) const;
  // The row at a point of the menu (separators too), or -1.
  int RowAt(int x, int y) const;

  // Keys. Up and Down wrap around and skip what cannot be chosen; with
  // nothing highlighted, Down starts at the top and Up at the bottom.
  void Down();
  void Up();
  void Home();
  void End();
  // The row Enter chooses, or -1.
  int Enter() const { return highlight_; }
  // A letter: the one row it marks, or -1 while several rows share it (then
  // the highlight moves on to the next of them) or none does.
  int Letter(char32_t key);
  // The pointer over a point of the menu: highlights what it can choose
  // there, nothing elsewhere. True when the highlight changed.
  bool Hover(int x, int y);

 private:
  // The next selectable row from start in steps of step (+1, -1), wrapping;
  // -1 when there is none.
  int Next(int start, int step) const;

  std::vector<TPopupRow> rows_;
  TPopupMetrics metrics_;
  int width_ = 0;
  int height_ = 0;
  int highlight_ = -1;
};

// Where a menu of the given size goes for the point it was asked at: right
// of and below the point where it fits, else flipped to the left or above,
// and always within the screen.
TPoint PlacePopup(TPoint at, int width, int height, TPoint screen);

}  // namespace lumigram
