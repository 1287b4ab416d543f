#include "frames/frame_viewer.h"

#include <new>

#include "frames/frame_painter.h"
#include "util/error_texts.h"
#include "util/general_error.h"

namespace lumigram {

void FillDiagonalHatch(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x)
      PutColour(row + 3 * x, ((x + y) & 7) == 7 ? kBlack : kWhite);
  }
}

TFrameViewer::TFrameViewer() {
  preview_.SetSize(kPreviewSide, kPreviewSide, kWhite);
}

void TFrameViewer::Progress(TProgressStage stage, int percent) {
  if (OnProgress) OnProgress(stage, percent, "Loading");
}

bool TFrameViewer::Render(TStream& stream) {
  errorText_ = err::kOutOfMemory;
  TBitmap blank;
  if (!blank.SetSize(kPreviewSide, kPreviewSide, kWhite)) return false;
  preview_ = std::move(blank);
  frame_.Reset();

  const int64_t left = stream.Remaining();
  if (left > kMaxFrameFileBytes) return false;
  std::string bytes(size_t(std::max<int64_t>(left, 0)), '\0');
  bytes.resize(size_t(stream.Read(bytes.data(), int64_t(bytes.size()))));
  if (!frame_.FromBytes(bytes)) {
    errorText_ = frame_.ErrorText();
    return false;
  }

  // Big enough for the frame's top-left corner and some of the inside.
  const int side = kPreviewSide + frame_.Settings().Size + 2;
  TBitmap work;
  if (!work.SetSize(side, side)) return false;
  FillDiagonalHatch(work);
  PaintFrame(frame_.Settings(), &work);
  TCanvas(preview_).Draw(0, 0, work);
  return true;
}

void TFrameViewer::LoadFromStream(TStream& stream) {
  Progress(TProgressStage::Starting, 0);
  bool loaded = false;
  try {
    loaded = Render(stream);
  } catch (const std::bad_alloc&) {
    errorText_ = err::kOutOfMemory;
  } catch (const EStreamError&) {
    errorText_ = err::kUnknownFormat;
  }
  if (!loaded) preview_.Fill(kWhite);
  Progress(TProgressStage::Ending, 100);
  if (!loaded) throw EGeneralError(errorText_);
}

void TFrameViewer::SaveToStream(TStream&) const {}

void TFrameViewer::Draw(TCanvas& canvas, const TRect& rect) const {
  canvas.StretchDraw(rect, preview_, TStretchMode::Nearest);
}

void TFrameViewer::Assign(const TFrameViewer& other) {
  if (&other == this) return;
  preview_ = other.preview_;
  frame_ = other.frame_;
}

void TFrameViewer::Assign(const TBitmap& picture) {
  TBitmap copy;
  if (!copy.SetSize(picture.Width(), picture.Height(), kWhite)) return;
  TCanvas(copy).Draw(0, 0, picture);
  preview_ = std::move(copy);
}

}  // namespace lumigram
