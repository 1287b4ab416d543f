#pragma once
// The texts the editor shows or reports, each a key of the translation
// tables. Failure texts shared with the rest of the program are in
// util/error_texts.h.

namespace lumigram::editor_text {

inline constexpr const char* kUntitled = "Untitled.exe";
inline constexpr const char* kError = "Error";
inline constexpr const char* kWarning = "Warning";
inline constexpr const char* kSaveChangesTo = "Save Changes to";
inline constexpr const char* kAlreadyExists = "already exists.\r\n\r\nDo you want to replace it?";
inline constexpr const char* kProgramExists = "A program exists with that name.\r\nUse another.";
inline constexpr const char* kPathNotFound = "Path not found";
inline constexpr const char* kDataCorrupt = "Data corrupt";
inline constexpr const char* kStyleCodeCaption = "Custom Frame Style Code";
inline constexpr const char* kStyleCodeFont = "Courier";
inline constexpr const char* kTextCaption = "Text";

// Prompts of the element commands.
inline constexpr const char* kTypeFrameSize = "Type a size for frame";
inline constexpr const char* kAddressCaption = "Address";
inline constexpr const char* kTypeAddress = "Type website or email address";

// Password prompts carry the product's name as their caption.
inline constexpr const char* kProductTitle = "Brimble Lumigram Creator";
inline constexpr const char* kEnterPassword = "Enter password";
inline constexpr const char* kConfirmPassword = "Confirm password";
inline constexpr const char* kPrintTitle = "Lumigram";

// Dialog filter names.
inline constexpr const char* kLumigrams = "Lumigrams";
inline constexpr const char* kBitmap = "Bitmap";
inline constexpr const char* kJpeg = "Jpeg";
inline constexpr const char* kOptimisedImage = "Optimised Multiformat Image";
inline constexpr const char* kAnimatedCursor = "Animated Cursor";
inline constexpr const char* kIcon = "Icon";
inline constexpr const char* kCursor = "Cursor";
inline constexpr const char* kAllCursors = "All Cursors";
inline constexpr const char* kMidi = "Midi";
inline constexpr const char* kWave = "Wave";
inline constexpr const char* kMp3 = "MP3";
inline constexpr const char* kWindowsMediaAudio = "Windows Media Audio";
inline constexpr const char* kAllSounds = "All Sounds";
inline constexpr const char* kAllFrames = "All Frames";
inline constexpr const char* kFrame = "Frame";
inline constexpr const char* kFrameStyle = "Frame Style";
inline constexpr const char* kAllMessages = "All Messages";
inline constexpr const char* kMessages = "Messages";
inline constexpr const char* kTextDocuments = "Text Documents";
inline constexpr const char* kAllFiles = "All Files";

// Library folders.
inline constexpr const char* kCardFolder = "Lumigrams";
inline constexpr const char* kPictureFolder = "Pictures";
inline constexpr const char* kCursorFolder = "Cursors";
inline constexpr const char* kSoundFolder = "Sounds";
inline constexpr const char* kFrameFolder = "Frames";
inline constexpr const char* kMessageFolder = "Messages";

// Information window.
inline constexpr const char* kLumigramPrefix = "Lumigram ";
inline constexpr const char* kInformation = "Information";
inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";
inline constexpr const char* kPicture = "Picture";
inline constexpr const char* kDimensions = "dimensions";
inline constexpr const char* kSound = "Sound";
inline constexpr const char* kType = "type";
inline constexpr const char* kWidth = "width";
inline constexpr const char* kLink = "Link";
inline constexpr const char* kAddress = "address";
inline constexpr const char* kMessage = "Message";
inline constexpr const char* kLength = "length";
inline constexpr const char* kBytes = "bytes";
inline constexpr const char* kGeneral = "General";
inline constexpr const char* kPassword = "Password";
inline constexpr const char* kProtected = "Protected";
inline constexpr const char* kAuthorDetails = "Author Details";
inline constexpr const char* kCanEdit = "Can Edit";
inline constexpr const char* kCanPrint = "Can Print";
inline constexpr const char* kName = "Name";
inline constexpr const char* kSize = "Size";
inline constexpr const char* kStatus = "Status";
inline constexpr const char* kSaved = "Saved";
inline constexpr const char* kNotSaved = "Not Saved";
inline constexpr const char* kMb = "Mb";

}  // namespace lumigram::editor_text
