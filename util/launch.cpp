#include "util/launch.h"

#include "util/files.h"
#include "util/os/process.h"
#include "util/text.h"

namespace lumigram {

bool StartProgram(const std::vector<std::string>& arguments, const std::string& workingFolder,
                  int64_t* processId) {
  try {
    if (arguments.empty() || arguments[0].empty()) return false;
    return os::StartDetached(arguments, workingFolder, processId);
  } catch (...) {
    return false;
  }
}

bool OpenDocument(const std::string& file) {
  try {
    if (file.empty()) return false;
    // A name starting with "-" would be taken for an option.
    const std::string target = file[0] == '-' ? "./" + file : file;
    // Only a full path has a folder of its own: a relative name must stay
    // relative to where we are, and an address has no folder at all.
    std::string folder;
    if (file[0] == '/') {
      folder = ExtractFolder(file);
      if (!FolderExists(folder)) folder.clear();
    }
    return StartProgram({"xdg-open", target}, folder);
  } catch (...) {
    return false;
  }
}

std::string FindProgramOnPath(const std::string& name) {
  try {
    if (name.empty() || name.find('/') != std::string::npos) return {};
    return os::FindExecutableOnPath(name);
  } catch (...) {
    return {};
  }
}

std::vector<std::string> VolumeControlProgram() {
  try {
    static const std::vector<std::vector<std::string>> kCandidates = {
        {"pavucontrol"},
        {"pavucontrol-qt"},
        {"gnome-control-center", "sound"},
        {"mate-volume-control"},
        {"xfce4-mixer"}};
    for (const std::vector<std::string>& candidate : kCandidates) {
      const std::string program = os::FindExecutableOnPath(candidate[0]);
      if (program.empty()) continue;
      std::vector<std::string> arguments = candidate;
      arguments[0] = program;
      return arguments;
    }
  } catch (...) {
  }
  return {};
}

}  // namespace lumigram
