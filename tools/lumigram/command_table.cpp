#include "tools/lumigram/command.h"

namespace lumigram::cli {

extern const TCommand kLangCommand;

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> table = {
      kLangCommand,
  };
  return table;
}

}  // namespace lumigram::cli
