#pragma once
// Byte streams: the one seam through which every format reader and writer
// touches memory or files. Read and Write report how much they moved;
// ReadBuffer and WriteBuffer throw EStreamError when they cannot move it all.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "util/os/file.h"

namespace lumigram {

class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TSeekOrigin { Beginning, Current, End };

class TStream {
 public:
  virtual ~TStream() = default;
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Moves up to count bytes; returns how many were moved (0 at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual int64_t Size();

  int64_t Position() { return Seek(0, TSeekOrigin::Current); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::Beginning); }
  int64_t Remaining() { return Size() - Position(); }

  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  void WriteText(const std::string& bytes) { WriteBuffer(bytes.data(), int64_t(bytes.size())); }
  // Copies count bytes from source's position; count 0 copies all of source
  // from its start. Returns the bytes copied.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A stream over bytes held in memory; doubles as the string stream.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string bytes) : data_(std::move(bytes)) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return int64_t(data_.size()); }

  const std::string& Data() const { return data_; }
  std::string TakeData();
  void SetSize(int64_t size);
  void Clear();

 private:
  std::string data_;
  int64_t position_ = 0;
};

using TStringStream = TMemoryStream;

enum class TFileMode { Read, Create, ReadWrite };

// A stream over an open file. Check IsOpen() after construction.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& path, TFileMode mode);

  bool IsOpen() const { return file_.IsOpen(); }
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

 private:
  os::TFile file_;
};

}  // namespace lumigram
