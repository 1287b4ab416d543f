#include "app/companion_tools.h"

#include <unistd.h>

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

}  // namespace lumigram
