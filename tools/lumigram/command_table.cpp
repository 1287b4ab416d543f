#include "tools/lumigram/command.h"

namespace lumigram::cli {

// Each command defines its row in its own file.
extern const TCommand kConvertCommand;
extern const TCommand kLangCommand;
extern const TCommand kZipBoxCommand;
extern const TCommand kFrameCommand;
extern const TCommand kCardCommand;

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> table = {
      kConvertCommand, kLangCommand, kZipBoxCommand, kFrameCommand, kCardCommand,
  };
  return table;
}

}  // namespace lumigram::cli
