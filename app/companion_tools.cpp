#include "app/companion_tools.h"

#include <unistd.h>

#include <filesystem>

#include "util/files.h"
#include "util/paths.h"

namespace lumigram {

std::string CompanionToolFile(const TCompanionTool& tool) {
  const std::string folder = TPaths::Shared().MakerFolderNoCreate(kToolsFolder);
  return folder.empty() ? std::string() : folder + tool.Program;
}

bool CompanionToolPresent(const TCompanionTool& tool) {
  const std::string file = CompanionToolFile(tool);
  return !file.empty() && FileExistsNotFolder(file) && ::access(file.c_str(), X_OK) == 0;
}

void CopyCompanionToolsToLibrary(const std::string& programFile) {
  if (programFile.empty()) return;
  const std::string beside = std::filesystem::path(programFile).parent_path().string() + "/";
  for (const TCompanionTool& tool : kCompanionTools) {
    const std::string source = beside + tool.Program;
    uint32_t sourceTime = 0, copyTime = 0;
    if (!FileExistsNotFolder(source, &sourceTime)) continue;
    const std::string folder = TPaths::Shared().MakerFolder(kToolsFolder);
    if (folder.empty()) return;
    const std::string copy = folder + tool.Program;
    if (FileExistsNotFolder(copy, &copyTime) && copyTime == sourceTime &&
        FileSize(copy) == FileSize(source))
      continue;
    std::string error;
    CopyFileChecked(source, copy, error);  // a tool that cannot be copied stays disabled
  }
}

}  // namespace lumigram
