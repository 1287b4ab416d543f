#pragma once
// Runs a program (no shell) and collects its exit status and output, for the
// tests of the command-line companion.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram::testing {

struct TProgramRun {
  int Status = -1;  // the exit status, -1 when the program did not exit normally
  std::string Out;
  std::string Err;
};

inline TProgramRun RunProgram(std::vector<std::string> argv) {
  ScratchFolder folder;
  const std::string outPath = folder / "stdout";
  const std::string errPath = folder / "stderr";
  std::vector<char*> pointers;
  for (std::string& word : argv) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
    ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
    ::execv(pointers[0], pointers.data());
    ::_exit(127);
  }
  TProgramRun run;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
    run.Status = WEXITSTATUS(status);
  std::string error;
  ReadFileToString(outPath, run.Out, error);
  ReadFileToString(errPath, run.Err, error);
  return run;
}

}  // namespace lumigram::testing
