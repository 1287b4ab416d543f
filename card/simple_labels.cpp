#include "card/simple_labels.h"

#include <algorithm>

#include "imaging/text/text.h"
#include "util/colour.h"

namespace lumigram {

namespace {

constexpr int kPadding = 2;

}  // namespace

TSimpleLabel::TSimpleLabel() {
  Measure();
}

void TSimpleLabel::SetAutoSize(bool on) {
  auto_size_ = on;
  if (auto_size_) Measure();
}

void TSimpleLabel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (auto_size_) Measure();
}

void TSimpleLabel::SetFont(const TFont& font) {
  font_ = font;
  if (auto_size_) Measure();
}

void TSimpleLabel::Measure() {
  const TTextSize size = TextExtent(font_, caption_);
  Width = size.Width + 2 * kPadding;
  Height = size.Height + 2 * kPadding;
}

bool TSimpleLabel::Contains(int x, int y) const {
  return visible_ && Left <= x && int64_t(x) <= int64_t(Left) + Width && Top <= y &&
         int64_t(y) <= int64_t(Top) + Height;
}

void TSimpleLabel::Paint(int x, int y, TCanvas& canvas, bool highlighted) const {
  const TColor oldBrush = canvas.BrushColor();
  TFont font = font_;
  if (highlighted) {
    canvas.SetBrushColor(font_.Color);
    canvas.FillRect({x, y, x + Width, y + Height});
    canvas.SetBrushColor(oldBrush);
    font.Color = ContrastColour(font_.Color, 1);
  }
  TTextOptions options;
  // Exact pixels: a composition paints the labels again over themselves,
  // where blended edges would grow darker with every repaint.
  options.Quality = TFontQuality::Monochrome;
  options.Clip = TRect{x, y, x + Width - kPadding, y + Height - kPadding};
  TextOut(canvas, x + kPadding, y + kPadding, font, caption_, options);
}

TSimpleLabel* TSimpleLabels::NewLabel() {
  if (Count() >= kCapacity) return nullptr;
  labels_.push_back(std::make_unique<TSimpleLabel>());
  return labels_.back().get();
}

void TSimpleLabels::Remove(const TSimpleLabel* label) {
  const int index = IndexOf(label);
  if (index < 0) return;
  labels_.erase(labels_.begin() + index);
  if (hover_ == index)
    hover_ = -1;
  else if (hover_ > index)
    --hover_;
}

void TSimpleLabels::Clear() {
  labels_.clear();
  hover_ = -1;
}

int TSimpleLabels::IndexOf(const TSimpleLabel* label) const {
  for (size_t i = 0; i < labels_.size(); ++i)
    if (labels_[i].get() == label) return int(i);
  return -1;
}

int TSimpleLabels::HitTest(int x, int y) const {
  for (int i = Count() - 1; i >= 0; --i)
    if (labels_[size_t(i)]->Contains(x, y)) return i;
  return -1;
}

bool TSimpleLabels::Hover(int x, int y) {
  const int hit = HitTest(x, y);
  if (hit == hover_) return false;
  hover_ = hit;
  return true;
}

int TSimpleLabels::Click(int x, int y) {
  const int hit = HitTest(x, y);
  if (hit < 0) return -1;
  TSimpleLabel& label = *labels_[size_t(hit)];
  if (label.OnClick) {
    // A copy: the handler may replace itself or change the collection.
    const TSimpleLabel::TClickEvent handler = label.OnClick;
    handler(label);
  }
  return hit;
}

void TSimpleLabels::PaintAll(int dx, int dy, TCanvas& canvas) const {
  for (int i = 0; i < Count(); ++i) {
    const TSimpleLabel& label = *labels_[size_t(i)];
    if (label.Visible()) label.Paint(dx + label.Left, dy + label.Top, canvas, i == hover_);
  }
}

}  // namespace lumigram
