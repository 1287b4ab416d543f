#pragma once
// Starting other programs: the desktop's opener for documents and links, a
// volume control, the maker's companion programs. Programs get an argument
// vector, never a command line, so no text is ever read by a shell.

#include <cstdint>
#include <string>
#include <vector>

namespace lumigram {

// Starts arguments[0] (looked up on PATH when it holds no "/") with the whole
// vector as its arguments, in workingFolder when that is not empty, and does
// not wait for it. processId (optional) receives the child's id. False when
// the program could not be started at all.
bool StartProgram(const std::vector<std::string>& arguments, const std::string& workingFolder = {},
                  int64_t* processId = nullptr);

// Opens a file, folder or address with the desktop's default application
// ("xdg-open"). A file named by its full path is opened from its own folder.
// True when the opener was started; whether it found an application for the
// file is not known here.
bool OpenDocument(const std::string& file);

// The full path of the executable name on PATH (absolute folders only);
// empty when there is none.
std::string FindProgramOnPath(const std::string& name);

// The first volume control found as an executable on PATH, as the arguments
// to start it with; empty when there is none.
std::vector<std::string> VolumeControlProgram();

}  // namespace lumigram
