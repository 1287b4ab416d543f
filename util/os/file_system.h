#pragma once
// Names in the file system: what they are, their times and permissions,
// renaming and removing them, folders and their contents.

#include <cstdint>
#include <string>
#include <vector>

#include "util/os/file_status.h"

namespace lumigram::os {

// Follows links; Kind is Missing when the name cannot be examined.
TFileStatus StatusOf(const std::string& path);
// The name itself: a link is reported as Link.
TFileStatus LinkStatusOf(const std::string& path);

bool SetFileTimes(const std::string& path, TFileTime accessed, TFileTime modified);
bool SetPermissions(const std::string& path, uint32_t permissions);
// The permissions a new file gets by default under this user's settings.
uint32_t NewFilePermissions(bool executable);
// Whether this user may run the file.
bool MayExecute(const std::string& path);

// Replaces to when it exists. On failure error receives the failure's text.
bool RenameFile(const std::string& from, const std::string& to, std::string& error);
// Removes the name (a file or a link, never a folder).
bool RemoveFile(const std::string& path);

// One folder whose parent exists; privateToUs makes it enterable by this
// user only.
bool CreateFolder(const std::string& path, bool privateToUs = false);
// The names in the folder, without "." and ".."; empty when it cannot be read.
std::vector<std::string> FolderNames(const std::string& folder);
// Whether name fits the mask of "*", "?" and "[...]", letters in any case; a
// leading "." must be matched by a "." of the mask.
bool NameMatchesMask(const std::string& mask, const std::string& name);

}  // namespace lumigram::os
