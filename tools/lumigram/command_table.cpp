#include "tools/lumigram/command.h"

namespace lumigram::cli {

extern const TCommand kLangCommand;
extern const TCommand kFrameCommand;

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> table = {
      kLangCommand,
      kFrameCommand,
  };
  return table;
}

}  // namespace lumigram::cli
