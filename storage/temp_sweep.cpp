#include "storage/temp_sweep.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <string>

#include "util/files.h"
#include "util/paths.h"

namespace lumigram {

namespace {

// Freed explicitly at program exit, not by a static destructor, so the last
// sweep never runs after the folder helper it relies on.
TZFile* sharedInstance = nullptr;

// A packed DOS date and time (local time, 2-second steps) as seconds since
// the epoch.
double DosDateTimeToSeconds(uint32_t stamp) {
  const uint32_t date = stamp >> 16;
  const uint32_t time = stamp & 0xFFFF;
  std::tm local{};
  local.tm_year = int((date >> 9) & 0x7F) + 80;
  local.tm_mon = int((date >> 5) & 0x0F) - 1;
  local.tm_mday = int(date & 0x1F);
  local.tm_hour = int(time >> 11);
  local.tm_min = int((time >> 5) & 0x3F);
  local.tm_sec = int(time & 0x1F) * 2;
  local.tm_isdst = -1;  // the stamp does not say; let the time zone decide
  return double(std::mktime(&local));
}

double NowInSeconds() {
  using namespace std::chrono;
  return duration<double>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

TZFile::~TZFile() {
  SweepTempFiles();
}

TZFile& TZFile::Shared() {
  if (!sharedInstance) sharedInstance = new TZFile;
  return *sharedInstance;
}

void TZFile::FreeShared() {
  TZFile* instance = sharedInstance;
  sharedInstance = nullptr;
  delete instance;
}

int TZFile::SweepTempFiles() {
  int deleted = 0;
  try {
    const std::string root = TPaths::Shared().SettingsFolder("");
    if (root.empty()) return 0;
    const std::string folder = root + "TEMP/";
    if (!FolderExists(folder)) return 0;
    const double now = NowInSeconds();
    const double threshold = kStaleDays * 24 * 60 * 60;
    for (const std::string& file : FindFileList(folder + kPattern, true)) {
      uint32_t stamp = 0;
      if (!FileExistsNotFolder(file, &stamp)) continue;  // gone meanwhile
      if (std::fabs(now - DosDateTimeToSeconds(stamp)) < threshold) continue;
      if (DeleteFileIfExists(file) && ++deleted == kMaxDeletionsPerSweep) break;
    }
  } catch (...) {
    // Whatever went wrong, the next sweep tries again.
  }
  return deleted;
}

void CleanUpTempFilesAtExit() {
  TZFile::Shared().SweepTempFiles();
  TZFile::FreeShared();
}

}  // namespace lumigram
