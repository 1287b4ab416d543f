#include "tools/lumigram/command.h"

namespace lumigram::cli {

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> table = {
  };
  return table;
}

}  // namespace lumigram::cli
