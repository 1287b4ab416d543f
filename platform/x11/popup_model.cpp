#include "platform/x11/popup_model.h"

#include <algorithm>

namespace lumigram {

TPopupModel::TPopupModel(const std::vector<TPopupItem>& items, const TPopupMetrics& metrics,
                         const std::function<int(std::string_view)>& textWidth)
    : metrics_(metrics) {
  int textMax = 0;
  int y = metrics.Border + metrics.Padding;
  rows_.reserve(items.size());
  for (const TPopupItem& item : items) {
    TPopupRow row;
    row.Id = item.Id;
    row.Separator = item.Caption == "-";
    row.Enabled = item.Enabled && !row.Separator;
    row.Checked = item.Checked && !row.Separator;
    if (!row.Separator) {
      row.Caption = ParseAccelerator(item.Caption);
      textMax = std::max(textMax, textWidth(row.Caption.Text));
    }
    const int height = row.Separator ? metrics.SeparatorHeight : metrics.ItemHeight;
    row.Bounds = {metrics.Border, y, 0, y + height};
    y += height;
    rows_.push_back(std::move(row));
  }
  width_ = std::max(metrics.MinWidth,
                    2 * metrics.Border + metrics.CheckColumn + textMax + metrics.RightMargin);
  height_ = y + metrics.Padding + metrics.Border;
  for (TPopupRow& row : rows_) row.Bounds.Right = width_ - metrics.Border;
}

bool TPopupModel::Selectable(int row) const {
  return row >= 0 && row < int(rows_.size()) && rows_[size_t(row)].Enabled;
}

int TPopupModel::RowAt(int x, int y) const {
  for (size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].Bounds.Contains(x, y)) return int(i);
  return -1;
}

int TPopupModel::Next(int start, int step) const {
  const int count = int(rows_.size());
  for (int i = 0, row = start; i < count; ++i) {
    row = ((row + step) % count + count) % count;
    if (Selectable(row)) return row;
  }
  return -1;
}

void TPopupModel::Down() {
  const int next = Next(highlight_ < 0 ? -1 : highlight_, 1);
  if (next >= 0) highlight_ = next;
}

void TPopupModel::Up() {
  const int next = Next(highlight_ < 0 ? int(rows_.size()) : highlight_, -1);
  if (next >= 0) highlight_ = next;
}

void TPopupModel::Home() {
  const int next = Next(-1, 1);
  if (next >= 0) highlight_ = next;
}

void TPopupModel::End() {
  const int next = Next(int(rows_.size()), -1);
  if (next >= 0) highlight_ = next;
}

int TPopupModel::Letter(char32_t key) {
  std::vector<int> matches;
  for (size_t i = 0; i < rows_.size(); ++i)
    if (Selectable(int(i)) && rows_[i].Caption.Key == key && key != 0) matches.push_back(int(i));
  if (matches.size() == 1) {
    highlight_ = matches[0];
    return matches[0];
  }
  if (matches.empty()) return -1;
  const auto after = std::upper_bound(matches.begin(), matches.end(), highlight_);
  highlight_ = after == matches.end() ? matches[0] : *after;
  return -1;
}

bool TPopupModel::Hover(int x, int y) {
  const int row = RowAt(x, y);
  const int wanted = Selectable(row) ? row : -1;
  if (wanted == highlight_) return false;
  highlight_ = wanted;
  return true;
}

TPoint PlacePopup(TPoint at, int width, int height, TPoint screen) {
  auto place = [](int position, int size, int limit) {
    if (position + size <= limit) return std::max(position, 0);
    if (position - size >= 0) return position - size;
    return std::max(limit - size, 0);
  };
  return {place(at.X, width, screen.X), place(at.Y, height, screen.Y)};
}

}  // namespace lumigram
