#pragma once
// File and folder helpers that report failures as the system's texts ("File
// not found", "File in use", "Out of disk space", "Out of memory") instead of
// throwing. Writes go to a new file beside the target that is then renamed
// over it, so a failed write never leaves a half-written file behind.

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace lumigram {

// Reads larger than this fail with "Out of memory" unless the caller asks for
// another cap: no file the program reads is anywhere near it.
inline constexpr int64_t kDefaultReadCap = int64_t(1) << 30;

bool FolderExists(const std::string& path);
// A plain file exists; dosDateTime (optional) receives its last-write time as
// a packed DOS date and time in local time (date high, time low).
bool FileExistsNotFolder(const std::string& path, uint32_t* dosDateTime = nullptr);
uint32_t DosDateTime(std::time_t when);
// Size in bytes, or -1 when the file cannot be opened for reading.
int64_t FileSize(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ForceFolder(const std::string& path);
// Deletes the file, read-only or not; true when no file of that name remains.
bool DeleteFileIfExists(const std::string& path);

bool ReadFileToString(const std::string& path, std::string& data, std::string& error,
                      int64_t maxBytes = kDefaultReadCap);
// executable: the new file may be run (a saved card is a program).
bool WriteStringToFile(const std::string& path, const std::string& data, std::string& error,
                       bool executable = false);
// Creates the target's folder; replaces an existing target. The copy keeps
// the source's last-write time, and its execute permission when it has one.
bool CopyFileChecked(const std::string& source, const std::string& target, std::string& error);
// Copies only when the source exists; false otherwise or on any failure.
bool CopyFileTo(const std::string& source, const std::string& target);

// Plain files matching the pattern's last component ("*" and "?", letters in
// any case), sorted by name; withFolder prefixes each with the pattern's folder.
std::vector<std::string> FindFileList(const std::string& pattern, bool withFolder);
// The same, one name a line (CR LF).
std::string FindFiles(const std::string& pattern, bool withFolder);

}  // namespace lumigram
