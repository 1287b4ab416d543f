// Text records: the logical font becomes a TFont at the device's scale and
// the characters are placed at the advances the record gives, if any.
// Escapement (turned text) is not drawn turned.

#include <algorithm>
#include <cmath>

#include "imaging/metafile/meta_device.h"

namespace lumigram::meta {

namespace {

constexpr int kTextUpdateCp = 1;
constexpr int kTextRight = 2;
constexpr int kTextCentre = 6;
constexpr int kTextBottom = 8;
constexpr int kTextBaseline = 24;

std::string DefaultFace(int pitchAndFamily) {
  switch (pitchAndFamily >> 4) {
    case 1:
      return "Times New Roman";
    case 3:
      return "Courier New";
    default:
      return (pitchAndFamily & 3) == 1 ? "Courier New" : "Arial";
  }
}

TFont FontFor(const TMetaFont& logical, double scale, TColor colour) {
  TFont font;
  double height = logical.Height * scale;
  if (!std::isfinite(height)) height = 0;
  int pixels = int(std::lround(std::clamp(height, -100000.0, 100000.0)));
  if (pixels == 0 && logical.Height != 0) pixels = logical.Height < 0 ? -1 : 1;
  font.Height = pixels;
  font.Bold = logical.Weight >= 600;
  font.Italic = logical.Italic;
  font.Underline = logical.Underline;
  font.StrikeOut = logical.StrikeOut;
  font.Charset = logical.Charset;
  font.Color = colour;
  font.Name = logical.Face.empty() ? DefaultFace(logical.PitchAndFamily) : logical.Face;
  if (logical.Quality == 3)
    font.Quality = TFontQuality::Monochrome;
  else if (logical.Quality == 4 || logical.Quality == 5)
    font.Quality = TFontQuality::Antialiased;
  return font;
}

}  // namespace

void TMetaDevice::FillDeviceBox(const TBox& device, TColor colour) {
  const TRect r = Intersect(
      {PixelOf(device.Left), PixelOf(device.Top), PixelOf(device.Right), PixelOf(device.Bottom)},
      ClipRect());
  if (r.IsEmpty() || !Charge(r.Width() * r.Height())) return;
  TPaint paint;
  paint.Color = colour;
  for (int y = r.Top; y < r.Bottom; ++y) PaintSpan(*target_, y, r.Left, r.Right, paint);
}

void TMetaDevice::Text(TPointF at, const TTextRun& run) {
  if (path_open_ || OutOfWork()) return;
  const TXform& xf = ToDevice();
  const TFont font = FontFor(state_.Font, xf.ScaleY(), state_.TextColor);
  const bool updateCp = (state_.TextAlign & kTextUpdateCp) != 0;
  const TPointF reference = updateCp ? state_.Position : at;
  const TPointF origin = xf.Apply(reference);
  if (!std::isfinite(origin.X) || !std::isfinite(origin.Y)) return;

  std::string joined;
  for (const std::string& piece : run.Pieces) joined += piece;
  const double scaleX = xf.ScaleX();
  std::vector<int> offsets;
  double width = 0;
  if (!run.Advances.empty()) {
    double along = 0;
    for (size_t i = 0; i < run.Pieces.size(); ++i) {
      offsets.push_back(int(std::lround(std::clamp(along * scaleX, -kFar, kFar))));
      if (i < run.Advances.size()) along += run.Advances[i];
    }
    width = std::clamp(along * scaleX, -kFar, kFar);
  } else {
    width = TextWidth(font, joined, run.Encoding);
  }
  const TTextMetrics metrics = FontMetrics(font);
  double left = origin.X, top = origin.Y;
  if ((state_.TextAlign & kTextCentre) == kTextCentre)
    left -= width / 2;
  else if (state_.TextAlign & kTextRight)
    left -= width;
  if ((state_.TextAlign & kTextBaseline) == kTextBaseline)
    top -= metrics.Ascent;
  else if (state_.TextAlign & kTextBottom)
    top -= metrics.Height;
  const TBox cell{left, top, left + width, top + metrics.Height};

  std::optional<TBox> rect;
  if (run.Rect) {
    rect = TBox{};
    const TPointF a = xf.Apply({run.Rect->Left, run.Rect->Top});
    const TPointF b = xf.Apply({run.Rect->Right, run.Rect->Bottom});
    *rect = {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
  }
  // The current position moves past the text, away from its aligned end.
  const bool centred = (state_.TextAlign & kTextCentre) == kTextCentre;
  if (updateCp && scaleX > 0 && !centred)
    state_.Position.X += (state_.TextAlign & kTextRight ? -width : width) / scaleX;

  if (!target_) {
    if (!joined.empty()) {
      Include({cell.Left, cell.Top}, 0);
      Include({cell.Right, cell.Bottom}, 0);
    }
    if (rect && (run.Options & kTextOpaque)) {
      Include({rect->Left, rect->Top}, 0);
      Include({rect->Right, rect->Bottom}, 0);
    }
    return;
  }
  if (rect && (run.Options & kTextOpaque)) FillDeviceBox(*rect, state_.BkColor);
  if (joined.empty()) return;
  if (state_.BkMode == kOpaque) FillDeviceBox(cell, state_.BkColor);
  // Each piece is a glyph lookup and a draw of its own.
  constexpr int64_t kPieceWork = 256;
  if (!Charge(int64_t(std::abs(width) + 1) * (metrics.Height + 1) +
              kPieceWork * int64_t(run.Pieces.size())))
    return;

  TCanvas canvas(*target_);
  canvas.SetClipRect(ClipRect());
  TTextOptions options;
  options.Encoding = run.Encoding;
  if (rect && (run.Options & kTextClipped))
    options.Clip =
        TRect{PixelOf(rect->Left), PixelOf(rect->Top), PixelOf(rect->Right), PixelOf(rect->Bottom)};
  const int x = PixelOf(left), y = PixelOf(top);
  if (offsets.empty()) {
    TextOut(canvas, x, y, font, joined, options);
    return;
  }
  for (size_t i = 0; i < run.Pieces.size(); ++i) {
    const int64_t px = int64_t(x) + offsets[i];
    if (px < -kFar || px > kFar) continue;
    TextOut(canvas, int(px), y, font, run.Pieces[i], options);
  }
}

}  // namespace lumigram::meta
