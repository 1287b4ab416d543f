#include "tools/content/output.h"

#include <cstdio>

#include "util/files.h"

namespace lumigram::content {

bool WriteOutput(const std::string& folder, const std::string& name, const std::string& bytes) {
  std::string error;
  if (bytes.empty())
    error = "nothing was made";
  else if (!ForceFolder(folder))
    error = "cannot create the folder";
  else if (WriteStringToFile(folder + "/" + name, bytes, error))
    return true;
  std::fprintf(stderr, "%s/%s: %s\n", folder.c_str(), name.c_str(), error.c_str());
  return false;
}

}  // namespace lumigram::content
