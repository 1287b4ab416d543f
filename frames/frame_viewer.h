#pragma once
// The frame preview picture: turns a frame or frame style file into a small
// image of the frame's top-left corner over a hatched inside, so that the
// picture open dialog can preview ".frm" and ".frs" files.

#include <functional>
#include <string>

#include "frames/frame_file.h"
#include "imaging/bitmap/bitmap.h"
#include "imaging/bitmap/canvas.h"
#include "util/stream.h"

namespace lumigram {

// The extensions and descriptions the preview registers for.
struct TFrameViewerFormat {
  const char* Extension;
  const char* Description;
};
inline constexpr TFrameViewerFormat kFrameViewerFormats[] = {
    {"FRM", "Frame"},
    {"FRS", "Frame Style"},
};

class TFrameViewer {
 public:
  static constexpr int kPreviewSide = 150;

  // Kept inside the class until the picture classes share one progress type.
  enum class TProgressStage { Starting, Running, Ending };
  using TProgressEvent =
      std::function<void(TProgressStage stage, int percent, const std::string& message)>;

  TFrameViewer();

  // Reads from the stream's position to its end and renders the preview.
  // Raises EGeneralError with ErrorText when the bytes are not a frame file;
  // the preview is then plain white.
  void LoadFromStream(TStream& stream);
  // The preview is never saved: writes nothing.
  void SaveToStream(TStream& stream) const;

  // Stretches the preview into the rectangle.
  void Draw(TCanvas& canvas, const TRect& rect) const;
  // Another preview: its picture and frame.
  void Assign(const TFrameViewer& other);
  // Any picture: the preview takes its size, white, with the picture drawn
  // at its top-left corner.
  void Assign(const TBitmap& picture);

  bool GetEmpty() const { return preview_.Empty(); }
  int GetWidth() const { return preview_.Width(); }
  int GetHeight() const { return preview_.Height(); }
  // Resizing keeps the top-left pixels; new ones are white.
  void SetWidth(int width) { preview_.SetSize(width, preview_.Height()); }
  void SetHeight(int height) { preview_.SetSize(preview_.Width(), height); }

  const TBitmap& Preview() const { return preview_; }
  const TFrame& Frame() const { return frame_; }
  const std::string& ErrorText() const { return errorText_; }

  TProgressEvent OnProgress;

 private:
  void Progress(TProgressStage stage, int percent);
  bool Render(TStream& stream);

  TFrame frame_;
  TBitmap preview_;
  std::string errorText_;
};

// Fills the bitmap white with black diagonal lines 8 pixels apart.
void FillDiagonalHatch(TBitmap& bitmap);

}  // namespace lumigram
