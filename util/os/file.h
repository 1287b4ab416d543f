#pragma once
// An open file, as the operating system hands it out. Reads and writes move
// what the system moves in one call (interrupted calls are retried), so the
// callers decide how to loop and what a short count means.

#include <cstdint>
#include <string>

#include "util/os/file_status.h"

namespace lumigram::os {

enum class TOpenMode {
  Read,
  ReadWrite,
  // Read and write, created when missing and emptied when present.
  CreateOrTruncate,
  // Write only, and only when no file or link of that name exists yet; the
  // file is private to this user.
  CreateNewPrivate,
};

enum class TSeekFrom { Beginning, Current, End };

class TFile {
 public:
  TFile() = default;
  TFile(const std::string& path, TOpenMode mode) { Open(path, mode); }
  ~TFile() { Close(); }
  TFile(TFile&& other) noexcept;
  TFile& operator=(TFile&& other) noexcept;
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;

  // False when the file could not be opened; AlreadyExisted() then tells
  // whether a CreateNewPrivate failed only because the name was taken.
  bool Open(const std::string& path, TOpenMode mode);
  // A new file named prefix plus a few random characters, created
  // exclusively; name receives the whole name.
  bool CreateUnique(const std::string& prefix, std::string& name);
  bool IsOpen() const { return handle_ >= 0; }
  bool AlreadyExisted() const { return already_existed_; }

  // Bytes moved, 0 at the end of the file, -1 on failure.
  int64_t Read(void* buffer, int64_t count);
  int64_t Write(const void* buffer, int64_t count);
  // The new position, or -1 when the file cannot seek there.
  int64_t Seek(int64_t offset, TSeekFrom from);
  TFileStatus Status() const;
  bool SetPermissions(uint32_t permissions);
  // Waits until the bytes written are on the disk.
  bool Flush();
  // False when the system reports that written bytes may be lost.
  bool Close();

 private:
  int handle_ = -1;
  bool already_existed_ = false;
};

}  // namespace lumigram::os
