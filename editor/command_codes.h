#pragma once
// The numbers of the editor's commands, shared by the menus, the toolbar,
// the editor's command table and the tests. Execute(code) runs a command;
// Execute(-code) asks whether it can run now.

namespace lumigram {

// ---- Picture ----
inline constexpr int kClearPicture = 1;
inline constexpr int kCutPicture = 2;
inline constexpr int kCopyPicture = 3;
inline constexpr int kPastePicture = 4;
inline constexpr int kPastePictureToFit = 5;
// The argument is the file.
inline constexpr int kLoadPictureFile = 6;
// Runs the open dialog, starting in the argument's folder when given.
inline constexpr int kSelectPicture = 7;
inline constexpr int kSavePictureToFile = 8;
inline constexpr int kSavePictureAs = 9;
inline constexpr int kViewPictureFolder = 10;
inline constexpr int kEnlargePicture = 205;
inline constexpr int kShrinkPicture = 206;

// ---- Cursor ----
inline constexpr int kClearCursor = 11;
inline constexpr int kCutCursor = 12;
inline constexpr int kCopyCursor = 13;
inline constexpr int kPasteCursor = 14;
inline constexpr int kPasteCursorFromIcon = 15;
inline constexpr int kLoadCursorFile = 16;
inline constexpr int kSelectCursor = 17;
inline constexpr int kSaveCursorToFile = 18;
inline constexpr int kSaveCursorAs = 19;
inline constexpr int kViewCursorFolder = 20;

// ---- Sound ----
inline constexpr int kClearSound = 21;
inline constexpr int kCutSound = 22;
inline constexpr int kCopySound = 23;
inline constexpr int kPasteSound = 24;
inline constexpr int kLoadSoundFile = 25;
inline constexpr int kSelectSound = 26;
inline constexpr int kPlaySound = 27;
inline constexpr int kStopSound = 28;
inline constexpr int kVolumeControl = 29;
inline constexpr int kSaveSoundToFile = 30;
inline constexpr int kSaveSoundAs = 300;
inline constexpr int kViewSoundFolder = 301;

// ---- Frame ----
inline constexpr int kClearFrame = 31;
inline constexpr int kCutFrame = 32;
inline constexpr int kCopyFrame = 33;
inline constexpr int kPasteFrame = 34;
inline constexpr int kLoadFrameFile = 35;
inline constexpr int kSelectFrame = 36;
// The argument is the colour.
inline constexpr int kSetFrameColour = 37;
inline constexpr int kChooseFrameColour = 38;
// The argument is the size.
inline constexpr int kSetFrameSize = 39;
inline constexpr int kChooseFrameSize = 40;
// The argument is the style code.
inline constexpr int kSetFrameStyle = 41;
inline constexpr int kAutoFrameColour = 42;
inline constexpr int kCustomFrameStyle = 43;
inline constexpr int kSaveFrameToFile = 44;
inline constexpr int kSaveFrameAs = 45;
inline constexpr int kMoreFrameStyles = 46;
inline constexpr int kViewFrameFolder = 47;

// ---- Link ----
inline constexpr int kClearLink = 51;
inline constexpr int kCutLink = 52;
inline constexpr int kCopyLink = 53;
inline constexpr int kPasteLink = 54;
inline constexpr int kLoadLinkFile = 55;
// The argument is the address.
inline constexpr int kSetLinkAddress = 56;
inline constexpr int kEnterLinkAddress = 57;
// The argument is the colour.
inline constexpr int kSetLinkColour = 58;
inline constexpr int kChooseLinkColour = 59;
inline constexpr int kAutoLinkColour = 60;

// ---- Message ----
inline constexpr int kClearMessage = 80;
inline constexpr int kCutMessage = 81;
inline constexpr int kCopyMessage = 82;
inline constexpr int kPasteMessage = 83;
inline constexpr int kLoadMessageFile = 84;
inline constexpr int kSelectMessage = 85;
// The argument is the colour.
inline constexpr int kSetMessageColour = 86;
inline constexpr int kChooseMessageColour = 87;
inline constexpr int kChooseMessageFont = 88;
inline constexpr int kShowMessageWindow = 89;
// The argument is "0" or "1".
inline constexpr int kSetFlash = 90;
// A query only: whether the message flashes.
inline constexpr int kFlashOn = 91;
inline constexpr int kSetHorizontalAlignment = 92;
inline constexpr int kSetVerticalAlignment = 93;
inline constexpr int kSaveMessageToFile = 94;
inline constexpr int kSaveMessageAs = 95;
inline constexpr int kViewMessageFolder = 96;

// ---- The card as a whole ----
inline constexpr int kUndo = 201;
inline constexpr int kNewCard = 202;
inline constexpr int kCentreCard = 203;
inline constexpr int kPrintCard = 204;
// The argument is the file.
inline constexpr int kOpenCardFile = 207;
inline constexpr int kOpenCard = 208;
inline constexpr int kSaveCardToFile = 209;
inline constexpr int kSaveCardAs = 210;
inline constexpr int kSaveCard = 211;
// A query only: whether the argument is no file or a card file.
inline constexpr int kIsCardFile = 212;
inline constexpr int kOpenFolder = 213;
inline constexpr int kCopyAll = 214;
inline constexpr int kPasteAll = 215;
inline constexpr int kPrintToClipboard = 216;

// ---- Password and preferences ----
inline constexpr int kSetPassword = 217;
inline constexpr int kRemovePassword = 218;
inline constexpr int kPreferences = 219;

}  // namespace lumigram
