// lumigram: the command-line companion of the creator, for people who script
// and for the build itself.

#include <iostream>

#include "tools/lumigram/command.h"

namespace lumigram::cli {

namespace {

void PrintHelp(std::ostream& out) {
  out << "Usage: lumigram COMMAND [ARGUMENTS]\n\nCommands:\n";
  for (const TCommand& command : Commands()) out << command.Usage << "\n";
  out << "\nlumigram --help shows this text.\n";
}

}  // namespace

int Fail(const std::string& text) {
  std::cerr << "lumigram: " << text << "\n";
  return kExitFailed;
}

int UsageError(const char* command, const std::string& problem) {
  std::cerr << "lumigram " << command << ": " << problem << "\n";
  for (const TCommand& row : Commands())
    if (std::string(row.Name) == command) std::cerr << "Usage:\n" << row.Usage << "\n";
  return kExitUsage;
}

}  // namespace lumigram::cli

int main(int argc, char** argv) {
  using namespace lumigram::cli;
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    PrintHelp(std::cerr);
    return kExitUsage;
  }
  if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    PrintHelp(std::cout);
    return kExitOk;
  }
  for (const TCommand& command : Commands())
    if (words[0] == command.Name)
      return command.Run(std::vector<std::string>(words.begin() + 1, words.end()));
  std::cerr << "lumigram: unknown command " << words[0] << "\n";
  PrintHelp(std::cerr);
  return kExitUsage;
}
