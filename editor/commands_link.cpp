// The link commands: their rows of the command table and their bodies.

#include "editor/lumigram_creator.h"

namespace lumigram {

TCommandRows TLumigramCreator::LinkCommands() {
  return {};
}

}  // namespace lumigram
