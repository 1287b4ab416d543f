#pragma once
// The element kinds an undo snapshot holds and the file dialogs whose
// settings the editor keeps: named by the editor and by its commands.

namespace lumigram {

// The element an undo snapshot holds.
enum TUndoKind : int {
  kUndoNone = 0,
  kUndoPicture = 1,
  kUndoCursor = 2,
  kUndoSound = 3,
  kUndoFrame = 4,
  kUndoLink = 5,
  kUndoMessage = 6,
  kUndoAll = 7,
};

// The file dialogs whose settings the editor keeps.
enum class TDialogSetting : int {
  SaveCard,
  OpenCard,
  OpenPicture,
  SavePicture,
  OpenCursor,
  SaveCursor,
  OpenSound,
  SaveSound,
  OpenFrame,
  OpenFrameStyle,
  SaveFrame,
  OpenMessage,
  SaveMessage,
  Count
};

}  // namespace lumigram
