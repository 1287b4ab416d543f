#include "tools/lumigram/command.h"
#include "tools/lumigram/zipbox_command.h"

namespace lumigram::cli {

extern const TCommand kLangCommand;

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> table = {
      kLangCommand,
      {"zipbox", kZipBoxUsage, RunZipBox},
  };
  return table;
}

}  // namespace lumigram::cli
