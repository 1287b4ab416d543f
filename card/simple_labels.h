#pragma once
// Text hot spots drawn on a card: the link address and the word "menu".
// A label measures itself from its caption, is hit including its right and
// bottom edges, and is drawn highlighted (filled with its text colour, the
// text in a contrasting one) while the mouse is over it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imaging/bitmap/canvas.h"
#include "imaging/text/font.h"

namespace lumigram {

class TSimpleLabel {
 public:
  using TClickEvent = std::function<void(TSimpleLabel&)>;

  TSimpleLabel();

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);
  // Relative to the offset given when painting (the card's picture corner).
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  const std::string& Caption() const { return caption_; }
  // No change when equal; re-measures when AutoSize.
  void SetCaption(const std::string& caption);
  const TFont& Font() const { return font_; }
  // Re-measures when AutoSize.
  void SetFont(const TFont& font);
  bool Visible() const { return visible_; }
  void SetVisible(bool on) { visible_ = on; }

  // Width and Height from the caption in the font, each plus 4.
  void Measure();
  // Visible, and the point inside, edges included.
  bool Contains(int x, int y) const;
  // At (x, y): the caption 2 pixels in, clipped 2 pixels short of the right
  // and bottom edges.
  void Paint(int x, int y, TCanvas& canvas, bool highlighted) const;

  TClickEvent OnClick;
  // Stored with the label; nothing shows it.
  std::string Hint;
  bool ShowHint = false;

 private:
  bool auto_size_ = true;
  std::string caption_ = "TSimpleLabel";
  TFont font_;
  bool visible_ = false;
};

// Up to 1000 labels in drawing order, the last drawn on top.
class TSimpleLabels {
 public:
  static constexpr int kCapacity = 1000;

  TSimpleLabels() = default;
  TSimpleLabels(const TSimpleLabels&) = delete;
  TSimpleLabels& operator=(const TSimpleLabels&) = delete;

  // A new label owned by the collection, added last; nullptr when full.
  TSimpleLabel* NewLabel();
  // Destroys the label; the others keep their order.
  void Remove(const TSimpleLabel* label);
  // Destroys every label.
  void Clear();
  // The label's index, -1 when it is not here.
  int IndexOf(const TSimpleLabel* label) const;
  int Count() const { return int(labels_.size()); }
  TSimpleLabel& operator[](int index) { return *labels_[size_t(index)]; }

  // The highest index whose label contains the point, -1 when none.
  int HitTest(int x, int y) const;
  // The hovered label becomes the one at the point; true when it changed.
  bool Hover(int x, int y);
  int HoverIndex() const { return hover_; }
  // Runs the click handler of the label at the point, if it has one;
  // answers the label's index or -1.
  int Click(int x, int y);
  // Every visible label at (dx + Left, dy + Top), in index order.
  void PaintAll(int dx, int dy, TCanvas& canvas) const;

 private:
  std::vector<std::unique_ptr<TSimpleLabel>> labels_;
  int hover_ = -1;
};

}  // namespace lumigram
