#pragma once
// The program's settings file "Brimble Lumigram Creator.INI" in the settings
// folder "Settings": whether the main window stays on top, and which version
// of the support files (the sample library) has already been extracted.
// Nothing here reports to the user: an unreadable file counts as a first
// start, an unwritable one is skipped.

#include <string>

namespace lumigram {

inline constexpr const char* kProgramVersion = "2.00.2181";
inline constexpr const char* kSupportFilesVersion = "1.00.2123";

struct TSettings {
  bool OnTop = false;
  // Set until the file says the current support files were extracted.
  bool SupportFilesNeeded = true;
};

// Empty when the settings folder cannot be had.
std::string SettingsFileName();

TSettings ReadSettings();
// Writes OnTop and both versions, keeping whatever else the file holds. A
// file that exists but cannot be read is left alone rather than replaced,
// since replacing it would lose what the user put there.
bool WriteSettings(bool onTop);

}  // namespace lumigram
