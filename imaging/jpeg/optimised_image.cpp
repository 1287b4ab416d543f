#include "imaging/jpeg/optimised_image.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "imaging/bmp/bmp_file.h"
#include "imaging/jpeg/jpeg_reader.h"
#include "imaging/jpeg/omi_search.h"
#include "storage/pack_string.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/files.h"

namespace lumigram {

namespace {

// The packed bitmap is a 24-bit BMP file: inflating may go as far as the
// file of the largest picture allowed, and no further.
int64_t LargestBitmapFile(int side) {
  return 54 + int64_t((3 * side + 3) & ~3) * side;
}

// Field lengths are 32-bit: no well-formed file is larger.
constexpr int64_t kLargestFile = std::numeric_limits<int32_t>::max();

}  // namespace

void TOptimisedImage::Draw(TCanvas& canvas, const TRect& rect) const {
  canvas.StretchDraw(rect, picture_, TStretchMode::Nearest);
}

void TOptimisedImage::SetMaxSide(int side) {
  max_side_ = std::clamp(side, 1, kMaxJpegSide);
}

void TOptimisedImage::Assign(const TOptimisedImage& source) {
  if (&source == this) return;
  picture_ = source.picture_;
  encoding_ = source.encoding_;
}

void TOptimisedImage::Assign(const TBitmap& source) {
  if (&source != &picture_) picture_ = source;
}

void TOptimisedImage::Assign(TBitmap&& source) {
  if (&source != &picture_) picture_ = std::move(source);
}

void TOptimisedImage::Reset() {
  encoding_.clear();
  info1_.clear();
  info2_.clear();
  info3_.clear();
  if (picture_.SetSize(kResetSide, kResetSide)) picture_.Fill(kWhite);
}

bool TOptimisedImage::ToBytes(std::string& bytes) {
  bytes.clear();
  try {
    TOmiChoice choice;
    if (!ChooseOmiEncoding(picture_, choice, error_text_)) return false;
    error_text_ = err::kOutOfMemory;
    std::string out;
    out.reserve(kMagic.size() + 1 + 5 * 4 + info1_.size() + info2_.size() + info3_.size() + 3 +
                choice.data.size());
    out.append(kMagic);
    out.push_back('\0');
    AppendField(out, info1_);
    AppendField(out, info2_);
    AppendField(out, info3_);
    AppendField(out, choice.packed ? kBitmapEncoding : kJpegEncoding);
    AppendField(out, choice.data);
    bytes = std::move(out);
    error_text_.clear();
    return true;
  } catch (...) {
    bytes.clear();
    error_text_ = err::kOutOfMemory;
    return false;
  }
}

bool TOptimisedImage::Decode(std::string_view bytes) {
  error_text_ = err::kOutOfMemory;
  const size_t zero = bytes.find('\0');
  const std::string_view magic =
      zero == std::string_view::npos ? std::string_view() : bytes.substr(0, zero);
  error_text_ = err::kUnknownFormat;
  if (magic != kMagic) return false;
  const std::string_view body = bytes.substr(zero + 1);

  size_t offset = 0;
  std::string encoding;
  std::string data;
  if (!ReadField(body, offset, info1_) || !ReadField(body, offset, info2_) ||
      !ReadField(body, offset, info3_) || !ReadField(body, offset, encoding) ||
      !ReadField(body, offset, data))
    return false;
  if (encoding != kJpegEncoding && encoding != kBitmapEncoding) return false;
  encoding_ = std::move(encoding);

  int bitsPerPixel = 0;
  std::string readError;
  if (encoding_ == kBitmapEncoding) {
    if (!UnpackString(data, error_text_, LargestBitmapFile(max_side_))) return false;
    error_text_ = err::kUnknownFormat;
    return ReadBmpFile(data, picture_, bitsPerPixel, readError, max_side_);
  }
  // Straight into the picture: a failure resets it anyway.
  return ReadJpeg(data, picture_, bitsPerPixel, readError, max_side_);
}

bool TOptimisedImage::FromBytes(std::string_view bytes) {
  bool decoded = false;
  try {
    decoded = Decode(bytes);
  } catch (...) {
    decoded = false;  // the text set before the step that failed stays
  }
  if (decoded) {
    error_text_.clear();
    return true;
  }
  try {
    Reset();
  } catch (...) {
  }
  return false;
}

void TOptimisedImage::Report(TProgressStage stage, const char* message) {
  if (!OnProgress) return;
  OnProgress(stage, stage == TProgressStage::Starting ? 0 : 100,
             TRect{0, 0, picture_.Width(), picture_.Height()}, message);
}

void TOptimisedImage::SaveToStream(TStream& stream) {
  Report(TProgressStage::Starting, "Saving");
  std::string bytes;
  bool saved = ToBytes(bytes);
  if (saved) {
    try {
      stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    } catch (...) {
      error_text_ = err::kOutOfDiskSpace;
      saved = false;
    }
  }
  Report(TProgressStage::Ending, "Saving");
  if (!saved) throw EGeneralError(error_text_);
}

void TOptimisedImage::LoadFromStream(TStream& stream) {
  Report(TProgressStage::Starting, "Loading");
  bool loaded = false;
  std::string bytes;
  try {
    error_text_ = err::kOutOfMemory;
    const int64_t size = stream.Remaining();
    if (size >= 0 && size <= kLargestFile) {
      bytes.resize(size_t(size));
      stream.ReadBuffer(bytes.data(), size);
      loaded = true;
    }
  } catch (...) {
    loaded = false;
  }
  if (loaded) {
    loaded = FromBytes(bytes);
  } else {
    try {
      Reset();
    } catch (...) {
    }
  }
  Report(TProgressStage::Ending, "Loading");
  if (!loaded) throw EGeneralError(error_text_);
}

bool TOptimisedImage::ReadFromFile(const std::string& path) {
  if (!FileExistsNotFolder(path)) {
    error_text_ = err::kFileNotFound;
    return false;
  }
  TFileStream file(path, TFileMode::Read);
  if (!file.IsOpen()) {
    error_text_ = err::kFileInUse;
    return false;
  }
  try {
    LoadFromStream(file);
    return true;
  } catch (...) {
    return false;
  }
}

bool TOptimisedImage::WriteToFile(const std::string& path) {
  TMemoryStream bytes;
  try {
    SaveToStream(bytes);
  } catch (...) {
    return false;
  }
  std::string error;
  if (WriteStringToFile(path, bytes.Data(), error)) return true;
  error_text_ = error;
  return false;
}

}  // namespace lumigram
