#pragma once
// The main window's menu bar as a table: one row per item in menu order,
// its depth placing it under the nearest row above of a lower depth. Each
// row says what choosing it does, what it shows and when it is enabled,
// checked or relabelled; those states are worked out when its menu opens.

#include <cstdint>
#include <span>
#include <string_view>

namespace lumigram {

enum class TMenuAction : uint8_t {
  Submenu,
  Separator,
  Command,              // RunCommand(Code, argument)
  NewCard,              // ask to save changes, then command Code
  NewInstance,          // start the program again
  Tool,                 // start the companion tool named by the row
  ExtractSupportFiles,  // ask, then unpack the sample files
  WebPage,              // open the address in Argument
  Exit,
  Information,
  OnTop,
  Flash,  // command Code with "1" or "0", the opposite of now
  Help,
  About,
};

// How Argument reaches the command: as it stands, or as the library folder
// of that name.
enum class TMenuArgument : uint8_t { Fixed, Library };

enum class TMenuEnable : uint8_t {
  Always,
  Query,  // the command query -EnableCode
  Tool,   // the companion tool's program exists
};

enum class TMenuCheck : uint8_t {
  None,
  OnTop,       // the window stays on top
  Flash,       // query -91
  HasLink,     // the card has a link address
  FrameSize,   // Argument is the frame's size
  FrameStyle,  // Argument is the frame's style code exactly
  HAlign,      // Argument is the message's horizontal alignment
  VAlign,      // Argument is the message's vertical alignment
};

enum class TMenuRelabel : uint8_t {
  None,
  SoundPaste,  // "&Paste" + " [" + type + "]" while pasting is possible
  FrameSize,   // "S&ize" + " [" + size + "]"
};

struct TMenuRow {
  int Depth = 1;
  const char* Name = "";
  const char* Caption = "";
  const char* Shortcut = "";
  TMenuAction Action = TMenuAction::Command;
  int Code = 0;
  const char* Argument = "";
  TMenuArgument ArgumentKind = TMenuArgument::Fixed;
  TMenuEnable Enable = TMenuEnable::Always;
  int EnableCode = 0;
  TMenuCheck Check = TMenuCheck::None;
  // Rows of one group show as radio items, one checked at a time.
  int RadioGroup = 0;
  TMenuRelabel Relabel = TMenuRelabel::None;
};

std::span<const TMenuRow> MainMenuRows();
// The row of that name; nullptr when there is none.
const TMenuRow* FindMenuRow(std::string_view name);

// The top menus the busy state switches off.
inline constexpr const char* kTopMenus[] = {"File1",  "Edit1", "Picture1", "Cursor1", "Sound1",
                                            "Frame1", "Link1", "Message1", "Help1"};

// Web pages of the maker the Help menu and File > Additional Resources open.
inline constexpr const char* kMakerHomePage = "https://kelvado.example/lumigram/";
inline constexpr const char* kMakerSupportPage = "https://kelvado.example/lumigram/support/";
inline constexpr const char* kMakerResourcesPage = "https://kelvado.example/lumigram/resources/";

}  // namespace lumigram
