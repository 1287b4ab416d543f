#include "imaging/jpeg/jpeg_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "imaging/jpeg/jpeg_errors.h"
#include "util/error_texts.h"

namespace lumigram {

namespace {

constexpr int kRowsPerWrite = 16;
constexpr size_t kFirstBuffer = size_t(64) << 10;
// An encoder going back to the pool drops a larger buffer than this, so one
// huge picture does not pin its memory for the life of the program.
constexpr size_t kKeptBuffer = size_t(16) << 20;
// Encoders kept for reuse: one per core the optimised image search uses.
constexpr size_t kPooledEncoders = 2;

}  // namespace

struct TJpegEncoder::TState {
  jpeg_compress_struct info{};
  TJpegErrors errors{};
  jpeg_destination_mgr destination{};
  jpeg_progress_mgr progress{};
  const std::atomic<bool>* cancel = nullptr;
  bool created = false;
  // Output goes to one malloc'd buffer that grows by realloc: no C++
  // allocation (and so no exception) ever runs inside a libjpeg callback.
  JOCTET* buffer = nullptr;
  size_t capacity = 0;
  size_t used = 0;

  TState() = default;
  TState(const TState&) = delete;
  TState& operator=(const TState&) = delete;
  ~TState() {
    if (created) jpeg_destroy_compress(&info);
    std::free(buffer);
  }

  bool Reserve(size_t bytes) {
    if (bytes <= capacity) return true;
    auto* grown = static_cast<JOCTET*>(std::realloc(buffer, bytes));
    if (!grown) return false;
    buffer = grown;
    capacity = bytes;
    return true;
  }

  void DropBuffer() {
    std::free(buffer);
    buffer = nullptr;
    capacity = used = 0;
  }

  static TState& Of(j_compress_ptr info) { return *static_cast<TState*>(info->client_data); }

  static void StartOutput(j_compress_ptr info) {
    TState& s = Of(info);
    // About what a photograph takes at middle qualities, to spare most regrowing.
    const size_t guess = size_t(info->image_width) * info->image_height / 4;
    if (!s.Reserve(std::max(kFirstBuffer, guess))) FailJpeg(j_common_ptr(info), JERR_OUT_OF_MEMORY);
    s.destination.next_output_byte = s.buffer;
    s.destination.free_in_buffer = s.capacity;
  }

  // Called with the whole buffer full.
  static boolean GrowOutput(j_compress_ptr info) {
    TState& s = Of(info);
    const size_t full = s.capacity;
    if (!s.Reserve(full * 2)) FailJpeg(j_common_ptr(info), JERR_OUT_OF_MEMORY);
    s.destination.next_output_byte = s.buffer + full;
    s.destination.free_in_buffer = s.capacity - full;
    return TRUE;
  }

  static void EndOutput(j_compress_ptr info) {
    TState& s = Of(info);
    s.used = s.capacity - s.destination.free_in_buffer;
  }

  // libjpeg reports progress every few rows: the moment to give up on a
  // picture nobody wants any more.
  static void CheckCancel(j_common_ptr info) {
    const TState& s = *static_cast<const TState*>(info->client_data);
    if (s.cancel && s.cancel->load(std::memory_order_relaxed)) FailJpeg(info, JMSG_NOMESSAGE);
  }
};

TJpegEncoder::TJpegEncoder() : state_(std::make_unique<TState>()) {
  TState& s = *state_;
  s.info.err = SetUpJpegErrors(s.errors);
  if (setjmp(s.errors.jump)) {
    jpeg_destroy_compress(&s.info);  // not created: every Encode fails
    return;
  }
  jpeg_create_compress(&s.info);
  s.info.client_data = &s;
  s.destination.init_destination = TState::StartOutput;
  s.destination.empty_output_buffer = TState::GrowOutput;
  s.destination.term_destination = TState::EndOutput;
  s.info.dest = &s.destination;
  s.progress.progress_monitor = TState::CheckCancel;
  s.info.progress = &s.progress;
  s.created = true;
}

TJpegEncoder::~TJpegEncoder() = default;

bool TJpegEncoder::Encode(const TBitmap& bitmap, int quality, const std::atomic<bool>* cancel) {
  TState& s = *state_;
  s.used = 0;
  s.cancel = cancel;
  if (!s.created || bitmap.Empty()) return false;
  if (setjmp(s.errors.jump)) {
    jpeg_abort_compress(&s.info);
    s.used = 0;
    return false;
  }
  s.info.image_width = JDIMENSION(bitmap.Width());
  s.info.image_height = JDIMENSION(bitmap.Height());
  s.info.input_components = 3;
  // The bitmap's rows are blue, green, red already: libjpeg reads them as they are.
  s.info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&s.info);
  jpeg_set_quality(&s.info, std::clamp(quality, 1, 100), TRUE);
  jpeg_start_compress(&s.info, TRUE);
  JSAMPROW rows[kRowsPerWrite];
  while (s.info.next_scanline < s.info.image_height) {
    const int first = int(s.info.next_scanline);
    const int count = std::min(kRowsPerWrite, bitmap.Height() - first);
    // libjpeg takes non-const rows but only reads them.
    for (int i = 0; i < count; ++i) rows[i] = const_cast<JSAMPLE*>(bitmap.ScanLine(first + i));
    if (jpeg_write_scanlines(&s.info, rows, JDIMENSION(count)) == 0) {
      jpeg_abort_compress(&s.info);  // only a suspending destination takes nothing
      s.used = 0;
      return false;
    }
  }
  jpeg_finish_compress(&s.info);
  return true;
}

std::string_view TJpegEncoder::Output() const {
  return std::string_view(reinterpret_cast<const char*>(state_->buffer), state_->used);
}

void TJpegEncoder::Trim(size_t maxKept) {
  if (state_->capacity > maxKept) state_->DropBuffer();
}

namespace {

std::mutex& PoolLock() {
  static std::mutex lock;
  return lock;
}

std::vector<std::unique_ptr<TJpegEncoder>>& Pool() {
  static std::vector<std::unique_ptr<TJpegEncoder>> pool;
  return pool;
}

}  // namespace

std::unique_ptr<TJpegEncoder> TakeJpegEncoder() {
  {
    std::lock_guard<std::mutex> hold(PoolLock());
    auto& pool = Pool();
    if (!pool.empty()) {
      std::unique_ptr<TJpegEncoder> encoder = std::move(pool.back());
      pool.pop_back();
      return encoder;
    }
  }
  return std::make_unique<TJpegEncoder>();
}

void ReturnJpegEncoder(std::unique_ptr<TJpegEncoder> encoder) {
  if (!encoder) return;
  encoder->Trim(kKeptBuffer);
  std::lock_guard<std::mutex> hold(PoolLock());
  auto& pool = Pool();
  if (pool.size() >= kPooledEncoders) return;
  try {
    pool.push_back(std::move(encoder));
  } catch (...) {
    // No room to keep it: it is simply freed.
  }
}

bool WriteJpeg(const TBitmap& bitmap, int quality, std::string& bytes, std::string& error) {
  error = err::kUnexpectedError;
  bytes.clear();
  try {
    std::unique_ptr<TJpegEncoder> encoder = TakeJpegEncoder();
    const bool done = encoder->Encode(bitmap, quality);
    if (done) bytes.assign(encoder->Output());
    ReturnJpegEncoder(std::move(encoder));
    if (!done) return false;
  } catch (...) {
    bytes.clear();
    return false;
  }
  error.clear();
  return true;
}

}  // namespace lumigram
