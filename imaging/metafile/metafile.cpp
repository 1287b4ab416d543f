#include "imaging/metafile/metafile.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>

#include "imaging/metafile/emf_player.h"
#include "imaging/metafile/wmf_player.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {

namespace {

using meta::TBox;
using meta::TDeviceSetup;
using meta::TMetaDevice;
using meta::TXform;

// Metafiles this large are no drawing anybody made.
constexpr int64_t kMaxFileBytes = int64_t(256) << 20;
// Pixel work allowed per pixel of the picture, and at least: room for a few
// hundred layers of shapes over the whole picture.
constexpr int64_t kWorkPerPixel = 512;
constexpr int64_t kMinWork = int64_t(64) << 20;

struct TFrame {
  int Width = 0, Height = 0;
  TDeviceSetup Setup;
};

int64_t WorkFor(int width, int height) {
  return std::max(kMinWork, int64_t(width) * height * kWorkPerPixel);
}

// Rounds a side in pixels; false when it is not finite or beyond the cap.
bool Side(double pixels, int maxSide, int& side) {
  if (!std::isfinite(pixels) || pixels < 0 || pixels > maxSide + 0.5) return false;
  side = int(std::lround(pixels));
  return side <= maxSide;
}

// A frame from a box in reference device units, drawn 1:1.
bool FrameOfBounds(const TBox& bounds, int maxSide, TFrame& frame) {
  const double left = std::floor(bounds.Left), top = std::floor(bounds.Top);
  if (!Side(std::ceil(bounds.Right) - left, maxSide, frame.Width) ||
      !Side(std::ceil(bounds.Bottom) - top, maxSide, frame.Height))
    return false;
  frame.Setup.Base = TXform{1, 0, 0, 1, -left, -top};
  return true;
}

bool WmfFrame(const meta::TWmfFile& file, int maxSide, TFrame& frame) {
  TDeviceSetup& setup = frame.Setup;
  // Windows shows a metafile picture with the window stretched over the
  // frame, whatever map mode the records start in.
  setup.MapMode = meta::kMmAnisotropic;
  if (file.Placeable) {
    const int inch = file.Inch > 0 ? file.Inch : 96;
    const int left = std::min(file.Left, file.Right), right = std::max(file.Left, file.Right);
    const int top = std::min(file.Top, file.Bottom), bottom = std::max(file.Top, file.Bottom);
    if (!Side((right - left) * 96.0 / inch, maxSide, frame.Width) ||
        !Side((bottom - top) * 96.0 / inch, maxSide, frame.Height))
      return false;
    // The device counts metafile units; the bounding box fills the frame.
    const double sx = right > left ? frame.Width / double(right - left) : 1;
    const double sy = bottom > top ? frame.Height / double(bottom - top) : 1;
    setup.Base = TXform{sx, 0, 0, sy, -left * sx, -top * sy};
    setup.UnitsPerMm = inch / 25.4;
    setup.WindowOrg = setup.ViewportOrg = {double(left), double(top)};
    setup.WindowExt =
        setup.ViewportExt = {double(std::max(1, right - left)), double(std::max(1, bottom - top))};
    return true;
  }
  TPointF extent;
  if (meta::FirstWindowExt(file.Records, extent)) {
    if (!Side(std::abs(extent.X), maxSide, frame.Width) ||
        !Side(std::abs(extent.Y), maxSide, frame.Height))
      return false;
    setup.WindowExt =
        setup.ViewportExt = {double(std::max(1, frame.Width)), double(std::max(1, frame.Height))};
    return true;
  }
  // No size anywhere: measure what the records draw.
  TDeviceSetup measuring = setup;
  measuring.WorkLimit = WorkFor(maxSide, maxSide);
  TMetaDevice device(nullptr, measuring);
  meta::PlayWmf(file, device, maxSide);
  TBox bounds;
  if (!device.Measured(bounds)) return true;  // draws nothing: an empty picture
  return FrameOfBounds(bounds, maxSide, frame);
}

bool EmfFrame(const meta::TEmfFile& file, int maxSide, TFrame& frame) {
  TDeviceSetup& setup = frame.Setup;
  setup.UnitsPerMm = file.PixelsPerMmX;
  const double fl = file.FrameLeft, ft = file.FrameTop, fr = file.FrameRight, fb = file.FrameBottom;
  if (fr > fl && fb > ft) {
    if (!Side((fr - fl) * 96 / 2540, maxSide, frame.Width) ||
        !Side((fb - ft) * 96 / 2540, maxSide, frame.Height))
      return false;
    frame.Width = std::max(frame.Width, 1);
    frame.Height = std::max(frame.Height, 1);
    // The frame in reference pixels, stretched over the picture.
    const double left = fl / 100 * file.PixelsPerMmX, right = fr / 100 * file.PixelsPerMmX;
    const double top = ft / 100 * file.PixelsPerMmY, bottom = fb / 100 * file.PixelsPerMmY;
    const double sx = frame.Width / (right - left), sy = frame.Height / (bottom - top);
    setup.Base = TXform{sx, 0, 0, sy, -left * sx, -top * sy};
    return true;
  }
  if (file.BoundsRight >= file.BoundsLeft && file.BoundsBottom >= file.BoundsTop) {
    // Inclusive bounds.
    return FrameOfBounds({double(file.BoundsLeft), double(file.BoundsTop),
                          double(file.BoundsRight) + 1, double(file.BoundsBottom) + 1},
                         maxSide, frame);
  }
  return true;  // an empty picture
}

}  // namespace

TMetafileKind MetafileKindOf(std::string_view bytes) {
  meta::TEmfFile emf;
  if (meta::ParseEmf(bytes, emf)) return TMetafileKind::Emf;
  meta::TWmfFile wmf;
  if (meta::ParseWmf(bytes, wmf)) return TMetafileKind::Wmf;
  return TMetafileKind::None;
}

bool ReadMetafile(std::string_view bytes, TBitmap& bitmap, std::string& error, int maxSide) {
  error = err::kUnknownFormat;
  maxSide = std::clamp(maxSide, 1, kMaxDibSide);
  try {
    meta::TEmfFile emf;
    meta::TWmfFile wmf;
    const bool isEmf = meta::ParseEmf(bytes, emf);
    if (!isEmf && !meta::ParseWmf(bytes, wmf)) return false;
    TFrame frame;
    if (!(isEmf ? EmfFrame(emf, maxSide, frame) : WmfFrame(wmf, maxSide, frame))) return false;
    TBitmap picture;
    if (!picture.SetSize(frame.Width, frame.Height, kWhite)) {
      error = err::kOutOfMemory;
      return false;
    }
    frame.Setup.WorkLimit = WorkFor(frame.Width, frame.Height);
    TMetaDevice device(&picture, frame.Setup);
    if (isEmf)
      meta::PlayEmf(emf, device, maxSide);
    else
      meta::PlayWmf(wmf, device, maxSide);
    bitmap = std::move(picture);
    return true;
  } catch (const std::bad_alloc&) {
    error = err::kOutOfMemory;
    return false;
  } catch (const std::exception&) {
    error = err::kUnknownFormat;
    return false;
  }
}

bool LoadMetafile(const std::string& path, TBitmap& bitmap, std::string& error) {
  std::string bytes;
  if (!ReadFileToString(path, bytes, error, kMaxFileBytes)) return false;
  return ReadMetafile(bytes, bitmap, error);
}

}  // namespace lumigram
