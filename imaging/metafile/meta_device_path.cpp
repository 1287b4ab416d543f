// Paths: while one is open, drawing adds figures to it instead; filling,
// stroking or clipping to it uses them up.

#include <algorithm>

#include "imaging/metafile/meta_device.h"

namespace lumigram::meta {

void TMetaDevice::BeginPath() {
  path_.clear();
  path_open_ = true;
  path_break_ = true;
}

void TMetaDevice::EndPath() {
  path_open_ = false;
}

void TMetaDevice::AbortPath() {
  path_.clear();
  path_open_ = false;
}

void TMetaDevice::CloseFigure() {
  if (!path_open_ || path_.empty()) return;
  path_.back().Closed = true;
  path_break_ = true;
}

void TMetaDevice::FillPath() {
  if (path_open_) return;
  TShape shape;
  shape.Fill = std::move(path_);
  path_.clear();
  Render(shape);
}

void TMetaDevice::StrokePath() {
  if (path_open_) return;
  TShape shape;
  shape.Stroke = std::move(path_);
  path_.clear();
  Render(shape);
}

void TMetaDevice::StrokeAndFillPath() {
  if (path_open_) return;
  TShape shape;
  shape.Stroke = path_;
  for (TFigure& f : shape.Stroke) f.Closed = true;
  shape.Fill = std::move(path_);
  path_.clear();
  Render(shape);
}

void TMetaDevice::SelectClipPath(int mode) {
  if (path_open_) return;
  bool any = false;
  TBox box{};
  for (const TFigure& f : path_) {
    for (const TPointF& p : f.Points) {
      box = any ? TBox{std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X),
                       std::max(box.Bottom, p.Y)}
                : TBox{p.X, p.Y, p.X, p.Y};
      any = true;
    }
  }
  path_.clear();
  if (!any) return;
  const TRect r = PixelRect(box);
  if (mode == 5)
    state_.Clip = r;
  else if (mode == 1)
    state_.Clip = state_.Clip ? Intersect(*state_.Clip, r) : r;
}

}  // namespace lumigram::meta
