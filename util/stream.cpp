#include "util/stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumigram {

int64_t TStream::Size() {
  const int64_t here = Position();
  const int64_t end = Seek(0, TSeekOrigin::End);
  Seek(here, TSeekOrigin::Beginning);
  return end;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EStreamError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  char chunk[65536];
  int64_t copied = 0;
  while (copied < count) {
    const int64_t n = std::min<int64_t>(sizeof chunk, count - copied);
    source.ReadBuffer(chunk, n);
    WriteBuffer(chunk, n);
    copied += n;
  }
  return copied;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t available = int64_t(data_.size()) - position_;
  const int64_t n = std::clamp<int64_t>(count, 0, std::max<int64_t>(available, 0));
  if (n > 0) std::memcpy(buffer, data_.data() + position_, size_t(n));
  position_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = position_ + count;
  if (end > int64_t(data_.size())) data_.resize(size_t(end));
  std::memcpy(data_.data() + position_, buffer, size_t(count));
  position_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == TSeekOrigin::Current) base = position_;
  if (origin == TSeekOrigin::End) base = int64_t(data_.size());
  position_ = std::max<int64_t>(0, base + offset);
  return position_;
}

std::string TMemoryStream::TakeData() {
  position_ = 0;
  return std::exchange(data_, {});
}

void TMemoryStream::SetSize(int64_t size) {
  data_.resize(size_t(std::max<int64_t>(size, 0)));
  position_ = std::min(position_, int64_t(data_.size()));
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

TFileStream::TFileStream(const std::string& path, TFileMode mode) {
  os::TOpenMode open = os::TOpenMode::Read;
  if (mode == TFileMode::Create) open = os::TOpenMode::CreateOrTruncate;
  if (mode == TFileMode::ReadWrite) open = os::TOpenMode::ReadWrite;
  file_.Open(path, open);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const int64_t n = file_.Read(static_cast<char*>(buffer) + done, count - done);
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const int64_t n = file_.Write(static_cast<const char*>(buffer) + done, count - done);
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const os::TSeekFrom from = origin == TSeekOrigin::Beginning ? os::TSeekFrom::Beginning
                             : origin == TSeekOrigin::Current ? os::TSeekFrom::Current
                                                              : os::TSeekFrom::End;
  const int64_t at = file_.Seek(offset, from);
  if (at < 0) throw EStreamError("Stream seek error");
  return at;
}

}  // namespace lumigram
