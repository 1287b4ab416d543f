#pragma once
// The subcommands of the `lumigram` companion program. Each one lives in its
// own file and has a row in the table of command_table.cpp.

#include <string>
#include <vector>

namespace lumigram::cli {

// Exit statuses: 0 done, 1 the work failed (message on standard error),
// 2 the command line was wrong.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct TCommand {
  const char* Name;
  const char* Usage;                                 // the lines `lumigram --help` shows for it
  int (*Run)(const std::vector<std::string>& args);  // args after the name
};

const std::vector<TCommand>& Commands();

// Prints "lumigram: <text>" on standard error and returns kExitFailed.
int Fail(const std::string& text);
// Prints the command's usage on standard error and returns kExitUsage.
int UsageError(const char* command, const std::string& problem);

}  // namespace lumigram::cli
