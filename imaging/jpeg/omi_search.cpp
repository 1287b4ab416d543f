#include "imaging/jpeg/omi_search.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "imaging/bmp/bmp_file.h"
#include "imaging/jpeg/jpeg_writer.h"
#include "imaging/jpeg/omi_rule.h"
#include "storage/pack_string.h"
#include "storage/zlib_stream.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/stream.h"

namespace lumigram {

namespace {

// Smaller pictures are searched on the calling thread: starting threads
// would cost more than they save.
constexpr int64_t kParallelPixels = int64_t(256) * 256;

// The packed form's length prefix.
constexpr int64_t kFieldPrefix = 4;

// Thrown through the compression stream when its size no longer matters.
struct TStopPacking {};

class TSearch {
 public:
  explicit TSearch(const TBitmap& picture) : picture_(picture) {}

  // False with error when the search could not run at all on threads
  // (nothing was decided then).
  bool Run(TOmiChoice& choice, std::string& error, bool& started);

  // Takes the next 64 KiB of the zlib stream; pauses while its size cannot
  // matter, raises TStopPacking when the search is over.
  void TakePacked(const void* data, int64_t count);

 private:
  void EncodeQualities();
  void PackBitmap();
  // With the lock held, after every change.
  void Update();
  bool PackingUseful() const;
  void Fail(std::string error);

  const TBitmap& picture_;
  std::mutex lock_;
  std::condition_variable changed_;
  TOmiKnowledge known_;
  TOmiVerdict verdict_;
  std::array<bool, kOmiQualities> claimed_{};
  std::array<bool, kOmiQualities> jpegFailed_{};
  std::array<std::atomic<bool>, kOmiQualities> cancel_{};
  std::array<std::string, kOmiQualities> jpegs_;
  int encoderThreads_ = 0;
  std::string packed_;  // the zlib stream, as far as it has come
  bool finished_ = false;
  std::string error_;  // set when finished_ by a failure
};

// The destination of the compression stream: hands every buffer on to the
// search. Once it has raised it refuses everything, so the stream's
// destructor cannot block in it.
class TPackSink : public TStream {
 public:
  explicit TPackSink(TSearch& search) : search_(search) {}

  int64_t Read(void*, int64_t) override { throw EStreamError("read from a write-only stream"); }
  int64_t Write(const void* buffer, int64_t count) override {
    if (stopped_) throw TStopPacking();
    try {
      search_.TakePacked(buffer, count);
    } catch (...) {
      stopped_ = true;
      throw;
    }
    written_ += count;
    return count;
  }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    if (offset == 0 && origin == TSeekOrigin::Current) return written_;
    if (offset == written_ && origin == TSeekOrigin::Beginning) return written_;
    throw EStreamError("seek in a write-only stream");
  }

 private:
  TSearch& search_;
  bool stopped_ = false;
  int64_t written_ = 0;
};

void TSearch::Fail(std::string error) {
  if (finished_) return;
  finished_ = true;
  error_ = std::move(error);
  for (auto& flag : cancel_) flag = true;
}

bool TSearch::PackingUseful() const {
  bool anyKnown = false;
  for (int i = 0; i <= verdict_.lastUseful; ++i) {
    const int64_t size = known_.jpegSizes[i];
    if (size < 0) continue;
    anyKnown = true;
    if (known_.packedAtLeast <= size) return true;
  }
  // Before the first JPEG is known, packing runs ahead: it will be needed.
  return !anyKnown;
}

void TSearch::Update() {
  if (finished_) return;
  verdict_ = EvaluateOmiRule(known_);
  if (verdict_.kind == TOmiVerdict::NeedJpeg && jpegFailed_[size_t(verdict_.index)]) {
    Fail(err::kUnexpectedError);
  } else if (verdict_.kind == TOmiVerdict::NeedJpeg && encoderThreads_ == 0) {
    Fail(err::kUnexpectedError);  // no encoder left to answer
  } else if (verdict_.kind == TOmiVerdict::Decided) {
    finished_ = true;
    for (auto& flag : cancel_) flag = true;
  } else {
    for (int i = verdict_.lastUseful + 1; i < kOmiQualities; ++i) cancel_[size_t(i)] = true;
  }
  changed_.notify_all();
}

void TSearch::EncodeQualities() {
  std::unique_ptr<TJpegEncoder> encoder;
  try {
    encoder = TakeJpegEncoder();
  } catch (...) {
  }
  std::unique_lock<std::mutex> hold(lock_);
  if (!encoder) {
    --encoderThreads_;
    Update();
    return;
  }
  while (!finished_) {
    int next = -1;
    for (int i = 0; i <= verdict_.lastUseful && next < 0; ++i) {
      if (!claimed_[size_t(i)]) next = i;
    }
    if (next < 0) {
      changed_.wait(hold);
      continue;
    }
    const auto n = size_t(next);
    claimed_[n] = true;
    hold.unlock();
    bool done = encoder->Encode(picture_, OmiQuality(next), &cancel_[n]);
    std::string bytes;
    try {
      if (done) bytes.assign(encoder->Output());
    } catch (...) {
      done = false;
    }
    hold.lock();
    // A cancelled quality lies beyond every possible stop: nobody asks for it.
    if (cancel_[n]) continue;
    if (done) {
      known_.jpegSizes[n] = int64_t(bytes.size());
      jpegs_[n] = std::move(bytes);
    } else {
      jpegFailed_[n] = true;
    }
    Update();
  }
  --encoderThreads_;
  hold.unlock();
  ReturnJpegEncoder(std::move(encoder));
}

void TSearch::TakePacked(const void* data, int64_t count) {
  std::unique_lock<std::mutex> hold(lock_);
  if (finished_) throw TStopPacking();
  packed_.append(static_cast<const char*>(data), size_t(count));
  known_.packedAtLeast = kFieldPrefix + int64_t(packed_.size());
  Update();
  changed_.wait(hold, [this] { return finished_ || PackingUseful(); });
  if (finished_) throw TStopPacking();
}

void TSearch::PackBitmap() {
  try {
    const std::string bitmapFile = WriteBmpFile(picture_);
    if (bitmapFile.empty()) throw std::bad_alloc();
    {
      std::lock_guard<std::mutex> hold(lock_);
      if (finished_) return;
    }
    // The same stream, level and single write as PackString, so the bytes
    // (and so P) are the same too.
    TPackSink sink(*this);
    TCompressionStream zip(TCompressionLevel::Fastest, sink);
    zip.WriteBuffer(bitmapFile.data(), int64_t(bitmapFile.size()));
    zip.Finish();
    std::lock_guard<std::mutex> hold(lock_);
    if (packed_.size() > size_t(std::numeric_limits<int32_t>::max())) throw std::bad_alloc();
    known_.packedAtLeast = kFieldPrefix + int64_t(packed_.size());
    known_.packedExact = true;
    Update();
  } catch (const TStopPacking&) {
  } catch (...) {
    std::lock_guard<std::mutex> hold(lock_);
    Fail(err::kOutOfMemory);
    changed_.notify_all();
  }
}

bool TSearch::Run(TOmiChoice& choice, std::string& error, bool& started) {
  started = false;
  encoderThreads_ = 2;
  std::thread packer;
  std::thread helper;
  try {
    packer = std::thread(&TSearch::PackBitmap, this);
    helper = std::thread(&TSearch::EncodeQualities, this);
  } catch (...) {
    {
      std::lock_guard<std::mutex> hold(lock_);
      Fail(err::kOutOfMemory);
      changed_.notify_all();
    }
    if (packer.joinable()) packer.join();
    return false;
  }
  started = true;
  EncodeQualities();
  helper.join();
  packer.join();

  if (!error_.empty()) {
    error = error_;
    return false;
  }
  if (verdict_.kind != TOmiVerdict::Decided) {
    error = err::kUnexpectedError;
    return false;
  }
  choice.packed = verdict_.packedWins;
  choice.quality = OmiQuality(verdict_.index);
  try {
    if (choice.packed) {
      choice.data = IntToBytes4(int32_t(packed_.size()));
      choice.data += packed_;
    } else {
      choice.data = std::move(jpegs_[size_t(verdict_.index)]);
    }
  } catch (...) {
    error = err::kOutOfMemory;
    return false;
  }
  return true;
}

}  // namespace

bool ChooseOmiEncodingSequentially(const TBitmap& picture, TOmiChoice& choice, std::string& error) {
  error = err::kOutOfMemory;
  std::string packed = WriteBmpFile(picture);
  if (packed.empty() || !PackString(packed, error)) return false;
  TOmiKnowledge known;
  known.packedAtLeast = int64_t(packed.size());
  known.packedExact = true;

  error = err::kUnexpectedError;
  std::unique_ptr<TJpegEncoder> encoder;
  try {
    encoder = TakeJpegEncoder();
  } catch (...) {
    return false;
  }
  TOmiVerdict verdict = EvaluateOmiRule(known);
  while (verdict.kind == TOmiVerdict::NeedJpeg) {
    if (!encoder->Encode(picture, OmiQuality(verdict.index))) return false;
    known.jpegSizes[size_t(verdict.index)] = int64_t(encoder->Output().size());
    verdict = EvaluateOmiRule(known);
  }
  // Qualities are asked for in order, so the stopping one is the last encoded.
  try {
    choice.packed = verdict.packedWins;
    choice.quality = OmiQuality(verdict.index);
    if (choice.packed)
      choice.data = std::move(packed);
    else
      choice.data.assign(encoder->Output());
  } catch (...) {
    error = err::kOutOfMemory;
    return false;
  }
  ReturnJpegEncoder(std::move(encoder));
  error.clear();
  return true;
}

bool ChooseOmiEncoding(const TBitmap& picture, TOmiChoice& choice, std::string& error) {
  if (int64_t(picture.Width()) * picture.Height() < kParallelPixels)
    return ChooseOmiEncodingSequentially(picture, choice, error);
  try {
    TSearch search(picture);
    bool started = false;
    if (search.Run(choice, error, started)) {
      error.clear();
      return true;
    }
    if (started) return false;
  } catch (...) {
    // No memory for the search itself: try the plain way.
  }
  return ChooseOmiEncodingSequentially(picture, choice, error);
}

}  // namespace lumigram
