#pragma once
// What the program's own text-born picture formats (Text Picture, portable
// anymaps, X bitmaps) share: a 24-bit picture, the last error text, progress
// reports, and reading from and writing to files and byte strings.
// LoadFromStream and SaveToStream raise EGeneralError carrying ErrorText;
// every other operation answers false instead.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "imaging/bitmap/bitmap.h"
#include "imaging/bitmap/canvas.h"
#include "util/general_error.h"
#include "util/geometry.h"
#include "util/stream.h"

namespace lumigram {

class TBytePicture {
 public:
  // The largest picture side a reader accepts: the editor's own limit.
  static constexpr int kMaxSide = 19000;

  enum class TProgressStage { Starting, Running, Ending };
  // The stage, the percentage done (0..100) and what is being done.
  using TProgressEvent = std::function<void(TProgressStage, int, const std::string&)>;

  virtual ~TBytePicture() = default;

  const TBitmap& Picture() const { return picture_; }
  int Width() const { return picture_.Width(); }
  int Height() const { return picture_.Height(); }
  bool Empty() const { return picture_.Empty(); }
  // Resize keeping the top-left pixels; new pixels are white. Clamped to
  // 0..MaxSide().
  void SetWidth(int width);
  void SetHeight(int height);
  // Stretches the picture into the rectangle.
  void Draw(TCanvas& canvas, const TRect& rect) const;
  // Takes the pixels of any other picture.
  void Assign(const TBitmap& source);

  const std::string& ErrorText() const { return error_text_; }
  // The colour depth of the file as read, as the picture loader reports it.
  virtual int BitsPerPixel() const = 0;

  // Readers refuse pictures with a side above this before allocating them.
  // Only lowered below kMaxSide (tests and fuzzers keep runs small).
  void SetMaxSide(int side);
  int MaxSide() const { return max_side_; }

  // Read at the stream's position / write there; raise EGeneralError.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream);

  // Non-raising forms of the two above.
  bool ReadFromBytes(std::string_view bytes);
  bool WriteToBytes(std::string& bytes);
  bool ReadFromFile(const std::string& path);
  // Replaces the file as a whole: the text goes to a new file beside it that
  // is renamed over it, so a failed write leaves the old file intact.
  bool WriteToFile(const std::string& path);

  TProgressEvent OnProgress;

 protected:
  // The texts ReadFromFile reports; some formats end them with a full stop.
  struct TFileTexts {
    const char* notFound;
    const char* inUse;
    const char* outOfMemory;
  };
  explicit TBytePicture(TFileTexts texts) : texts_(texts) {}
  TBytePicture(const TBytePicture&) = default;
  TBytePicture& operator=(const TBytePicture&) = default;

  [[noreturn]] void Raise() const { throw EGeneralError(error_text_); }
  // The format's own reading and writing at the stream's position; false
  // with error_text_ saying why. The base reports progress around them and
  // turns failures and exceptions into EGeneralError.
  virtual bool ReadPicture(TStream& stream) = 0;
  virtual bool WritePicture(TStream& stream) = 0;
  // Sizes the picture and fills it white; false for a side outside
  // 1..MaxSide() or no memory, leaving it as it was.
  bool SizePicture(int width, int height);

  // Progress: Starting, then Running at most once per 250 ms, then Ending.
  void RunGuarded(const char* what, const std::function<bool()>& step);
  void ProgressStart(const char* message);
  void ProgressStep(int64_t done, int64_t total);
  void ProgressEnd();

  TBitmap picture_;
  std::string error_text_;

 private:
  void Report(TProgressStage stage, int percent);

  TFileTexts texts_;
  int max_side_ = kMaxSide;
  std::string progress_message_;
  std::chrono::steady_clock::time_point progress_time_{};
};

}  // namespace lumigram
