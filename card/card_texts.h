#pragma once
// The texts a card shows, each a key of the light translation table.

namespace lumigram::card_text {

inline constexpr const char* kProductTitle = "Brimble Lumigram Creator";
inline constexpr const char* kWindowCaption = "Lumigram";
inline constexpr const char* kMenuCaption = "menu";
inline constexpr const char* kLinkHint = "Click for website";
inline constexpr const char* kMenuHint = "Click for menu";
inline constexpr const char* kEnterPassword = "Enter password";
inline constexpr const char* kError = "Error";
inline constexpr const char* kWarning = "Warning";
inline constexpr const char* kAlreadyExists = "already exists.\r\nDo you want to replace it?";
inline constexpr const char* kPrintTitle = "Lumigram";

inline constexpr const char* kPlay = "&Play";
inline constexpr const char* kStop = "&Stop";
inline constexpr const char* kEdit = "&Edit";
inline constexpr const char* kPrint = "P&rint";
inline constexpr const char* kAbout = "&About";
inline constexpr const char* kSendToDesktop = "Send To &Desktop";
inline constexpr const char* kSendToLibrary = "Send To Start &Button";
inline constexpr const char* kExit = "E&xit";
inline constexpr const char* kSeparator = "-";

// The two headings of the About box, shown upper-cased.
inline constexpr const char* kAuthorHeading = "Author";
inline constexpr const char* kCreatorHeading = "Created with";

// The creator's copy that a card's Edit item starts, and the folders of the
// maker's library it lives in and cards are sent to.
inline constexpr const char* kEditorFolder = "Quillon";
inline constexpr const char* kEditorProgram = "Brimble Lumigram Creator";
inline constexpr const char* kCardLibraryFolder = "Lumigrams";

}  // namespace lumigram::card_text
