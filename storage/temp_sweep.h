#pragma once
// The maker's programs share one temporary folder, "TEMP/" in the settings
// tree, for files ending in ".ZMP". TZFile keeps it from filling up: a sweep
// deletes a few stale ones. A file whose time is close to now, either way,
// stays, since another running program may have just written it.

namespace lumigram {

class TZFile {
 public:
  static constexpr const char* kPattern = "*.ZMP";
  static constexpr double kStaleDays = 0.00578;  // about 8 minutes 19 seconds
  static constexpr int kMaxDeletionsPerSweep = 4;

  TZFile() = default;
  // Sweeps once more.
  ~TZFile();
  TZFile(const TZFile&) = delete;
  TZFile& operator=(const TZFile&) = delete;

  // The one shared object, created on first use and kept until FreeShared.
  static TZFile& Shared();
  static void FreeShared();

  // Deletes up to kMaxDeletionsPerSweep stale files, read-only ones too;
  // returns how many went. Never creates the folder, never fails loudly.
  int SweepTempFiles();
};

// For program exit: the shared object sweeps and is freed, which sweeps
// again, so up to twice kMaxDeletionsPerSweep files go per run.
void CleanUpTempFilesAtExit();

}  // namespace lumigram
