#include "imaging/text_formats/byte_picture.h"

#include <algorithm>
#include <utility>

#include "util/files.h"
#include "util/os/file_system.h"

namespace lumigram {

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(250);

}  // namespace

void TBytePicture::SetWidth(int width) {
  picture_.SetSize(std::clamp(width, 0, max_side_), picture_.Height());
}

void TBytePicture::SetHeight(int height) {
  picture_.SetSize(picture_.Width(), std::clamp(height, 0, max_side_));
}

void TBytePicture::Draw(TCanvas& canvas, const TRect& rect) const {
  canvas.StretchDraw(rect, picture_, TStretchMode::Nearest);
}

void TBytePicture::Assign(const TBitmap& source) {
  picture_ = source;
}

void TBytePicture::SetMaxSide(int side) {
  max_side_ = std::clamp(side, 1, kMaxSide);
}

bool TBytePicture::SizePicture(int width, int height) {
  if (width < 1 || height < 1 || width > max_side_ || height > max_side_) return false;
  TBitmap fresh;
  if (!fresh.SetSize(width, height, kWhite)) return false;
  picture_ = std::move(fresh);
  return true;
}

bool TBytePicture::ReadFromBytes(std::string_view bytes) {
  try {
    TMemoryStream stream{std::string(bytes)};
    LoadFromStream(stream);
    return true;
  } catch (const EGeneralError&) {
    return false;
  } catch (...) {
    error_text_ = texts_.outOfMemory;
    return false;
  }
}

bool TBytePicture::WriteToBytes(std::string& bytes) {
  try {
    TMemoryStream stream;
    SaveToStream(stream);
    bytes = stream.TakeData();
    return true;
  } catch (const EGeneralError&) {
    return false;
  } catch (...) {
    error_text_ = texts_.outOfMemory;
    return false;
  }
}

bool TBytePicture::ReadFromFile(const std::string& path) {
  error_text_ = texts_.notFound;
  if (path.empty()) return false;
  const os::TFileKind kind = os::StatusOf(path).Kind;
  if (kind == os::TFileKind::Missing || kind == os::TFileKind::Folder) return false;
  // Only plain files: opening a pipe or a device could wait forever.
  error_text_ = texts_.inUse;
  if (kind != os::TFileKind::File) return false;
  try {
    TFileStream stream(path, TFileMode::Read);
    if (!stream.IsOpen()) return false;
    LoadFromStream(stream);
    return true;
  } catch (const EGeneralError&) {
    return false;
  } catch (...) {
    error_text_ = texts_.outOfMemory;
    return false;
  }
}

bool TBytePicture::WriteToFile(const std::string& path) {
  std::string bytes;
  return WriteToBytes(bytes) && WriteStringToFile(path, bytes, error_text_);
}

void TBytePicture::Report(TProgressStage stage, int percent) {
  progress_time_ = std::chrono::steady_clock::now();
  if (!OnProgress) return;
  try {
    OnProgress(stage, std::clamp(percent, 0, 100), progress_message_);
  } catch (...) {
    // A failing progress display does not stop the picture's work.
  }
}

void TBytePicture::ProgressStart(const char* message) {
  progress_message_ = message;
  Report(TProgressStage::Starting, 0);
}

void TBytePicture::ProgressStep(int64_t done, int64_t total) {
  if (!OnProgress || std::chrono::steady_clock::now() - progress_time_ < kProgressInterval) return;
  Report(TProgressStage::Running,
         total > 0 ? int(std::clamp<int64_t>(done, 0, total) * 100 / total) : 0);
}

void TBytePicture::ProgressEnd() {
  Report(TProgressStage::Ending, 100);
}

void TBytePicture::LoadFromStream(TStream& stream) {
  RunGuarded("Loading", [&] { return ReadPicture(stream); });
}

void TBytePicture::SaveToStream(TStream& stream) {
  RunGuarded("Saving", [&] { return WritePicture(stream); });
}

void TBytePicture::RunGuarded(const char* what, const std::function<bool()>& step) {
  error_text_ = texts_.outOfMemory;
  ProgressStart(what);
  bool done = false;
  try {
    done = step();
  } catch (...) {
    done = false;
  }
  ProgressEnd();
  if (!done) Raise();
  error_text_.clear();
}

}  // namespace lumigram
