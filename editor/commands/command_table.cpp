#include "editor/commands/command_table.h"

namespace lumigram {

const TCommandRow* FindCommand(int code) {
  for (TCommandRows group : {PictureCommands(), CursorCommands(), SoundCommands(), FrameCommands(),
                             LinkCommands(), MessageCommands(), CardCommands(), PasswordCommands()})
    for (const TCommandRow& row : group)
      if (row.Code == code) return &row;
  return nullptr;
}

}  // namespace lumigram
