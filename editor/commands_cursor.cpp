// The cursor commands: their rows of the command table and their bodies.

#include "editor/lumigram_creator.h"

namespace lumigram {

TCommandRows TLumigramCreator::CursorCommands() {
  return {};
}

}  // namespace lumigram
