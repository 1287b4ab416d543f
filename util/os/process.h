#pragma once
// Programs: the running one and the ones it starts.

#include <cstdint>
#include <string>
#include <vector>

namespace lumigram::os {

// Starts arguments[0] (looked up on PATH when it holds no "/") with the whole
// vector as its arguments and nothing read by a shell, in workingFolder when
// that is not empty. Does not wait for it; it is cleaned up when it ends.
// processId (optional) receives its id.
bool StartDetached(const std::vector<std::string>& arguments, const std::string& workingFolder,
                   int64_t* processId);

// The full path of an executable file name in an absolute folder of the
// search path; empty when there is none.
std::string FindExecutableOnPath(const std::string& name);

// The running program's file; empty when the system does not tell.
std::string OwnProgramPath();
int64_t OwnProcessId();

}  // namespace lumigram::os
