#include "app/menu_table.h"

#include <array>

#include "app/companion_tools.h"
#include "frames/frame_styles.h"

namespace lumigram {

namespace {

using A = TMenuAction;
using E = TMenuEnable;
using K = TMenuCheck;

constexpr int kAlways = 0;

constexpr TMenuRow Top(const char* name, const char* caption) {
  return {.Depth = 0, .Name = name, .Caption = caption, .Action = A::Submenu};
}

constexpr TMenuRow Sub(const char* name, const char* caption, int depth = 1) {
  return {.Depth = depth, .Name = name, .Caption = caption, .Action = A::Submenu};
}

constexpr TMenuRow Sep(int depth = 1) {
  return {.Depth = depth, .Name = "-", .Caption = "-", .Action = A::Separator};
}

// A command enabled by its own query (query 0: always enabled).
constexpr TMenuRow Cmd(const char* name, const char* caption, const char* shortcut, int code,
                       int query, const char* argument = "") {
  return {.Name = name,
          .Caption = caption,
          .Shortcut = shortcut,
          .Code = code,
          .Argument = argument,
          .Enable = query ? E::Query : E::Always,
          .EnableCode = query};
}

// A command that starts in a folder of the library.
constexpr TMenuRow Lib(const char* name, const char* caption, const char* shortcut, int code,
                       int query, const char* folder) {
  TMenuRow row = Cmd(name, caption, shortcut, code, query, folder);
  row.ArgumentKind = TMenuArgument::Library;
  return row;
}

constexpr TMenuRow Own(const char* name, const char* caption, const char* shortcut, A action,
                       const char* argument = "") {
  return {.Name = name, .Caption = caption, .Shortcut = shortcut, .Action = action, .Argument = argument};
}

constexpr TMenuRow Radio(const char* name, const char* caption, const char* shortcut, int code,
                         const char* argument, K check, int group, int depth = 2) {
  return {.Depth = depth,
          .Name = name,
          .Caption = caption,
          .Shortcut = shortcut,
          .Code = code,
          .Argument = argument,
          .Check = check,
          .RadioGroup = group};
}

constexpr TMenuRow Tool(int index) {
  const TCompanionTool& tool = kCompanionTools[size_t(index)];
  return {.Depth = 2, .Name = tool.Name, .Caption = tool.Caption, .Action = A::Tool, .Enable = E::Tool};
}

constexpr TMenuRow Style(int index, const char* name) {
  const TFrameStyle& style = kFrameStyles[size_t(index)];
  return Radio(name, style.Caption, style.Shortcut, 41, style.Code, K::FrameStyle, 6);
}

constexpr TMenuRow WithCheck(TMenuRow row, K check) {
  row.Check = check;
  return row;
}

constexpr TMenuRow WithRelabel(TMenuRow row, TMenuRelabel relabel) {
  row.Relabel = relabel;
  return row;
}

constexpr TMenuRow Enabled(TMenuRow row, int query) {
  row.Enable = E::Query;
  row.EnableCode = query;
  return row;
}

constexpr auto kRows = std::to_array<TMenuRow>({
    Top("File1", "&File"),
    Enabled(Own("New1", "&New", "Ctrl+N", A::NewCard), 202),
    Own("NewInstance1", "New &Instance", "", A::NewInstance),
    Sep(),
    Cmd("Open1", "&Open...", "Ctrl+O", 208, 208),
    Lib("OpenfromStartButton1", "Open from Li&brary...", "", 208, kAlways, "Lumigrams"),
    Cmd("Save1", "&Save", "Ctrl+S", 211, 211),
    Cmd("SaveAs1", "Save &As...", "Ctrl+A", 210, kAlways),
    Lib("SavetoStartButton1", "Save to Librar&y...", "", 210, kAlways, "Lumigrams"),
    Cmd("Print1", "&Print...", "", 204, 204),
    Cmd("PrintToClipboard1", "Print to &Clipboard", "", 216, 216),
    Cmd("Password1", "Pass&word...", "", 217, 217),
    Cmd("RemovePassword1", "Remo&ve Password", "", 218, 218),
    Cmd("Preferences1", "P&references...", "", 219, 219),
    Sep(),
    Sub("Tools1", "Too&ls"),
    Tool(0),
    Tool(1),
    Tool(2),
    Tool(3),
    Tool(4),
    Tool(5),
    Tool(6),
    Own("ExtractSupportFiles1", "Extract Support &Files...", "", A::ExtractSupportFiles),
    Own("AdditionalResources1", "A&dditional Resources...", "", A::WebPage, kMakerResourcesPage),
    Sep(),
    Own("Exit1", "E&xit", "", A::Exit),

    Top("Edit1", "&Edit"),
    Cmd("Undo1", "&Undo", "F10", 201, 201),
    Cmd("CopyAll1", "&Copy All", "", 214, 214),
    Cmd("PasteAll1", "&Paste All", "", 215, 215),
    Sep(),
    Cmd("Center1", "C&enter", "Ctrl+X", 203, 203),
    Own("Information1", "&Information...", "Ctrl+I", A::Information),
    Cmd("LinkColor1", "&Menu Color...", "", 59, 59),
    Sep(),
    WithCheck(Own("OnTop1", "&OnTop", "", A::OnTop), K::OnTop),

    Top("Picture1", "&Picture"),
    Cmd("Enlarge251", "&Enlarge by 25%", "", 205, 205),
    Cmd("Shrinkby251", "S&hrink by 25%", "", 206, 206),
    Sep(),
    Cmd("Cut1", "Cu&t", "Ctrl+X", 2, 2),
    Cmd("Copy1", "&Copy", "Ctrl+C", 3, 3),
    Cmd("Paste1", "&Paste", "Ctrl+V", 4, 4),
    Cmd("PastetoFit1", "Paste to &Fit", "", 5, 5),
    Cmd("Clear1", "C&lear", "", 1, 1),
    Cmd("SelectfromFile1", "Select from &File...", "F3", 7, 7),
    Lib("SelectfromStartButton1", "&Select from Library...", "F4", 7, 7, "Pictures"),
    Cmd("SavetoFile1", "Sa&ve to File...", "", 9, 9),
    Sep(),
    Cmd("ViewFolder1", "Vie&w Folder", "", 10, 10),

    Top("Cursor1", "&Cursor"),
    Cmd("Cut2", "Cu&t", "", 12, 12),
    Cmd("Copy2", "&Copy", "", 13, 13),
    Cmd("Paste2", "&Paste", "", 14, 14),
    Cmd("PastefromIcon2", "Paste from &Icon", "", 15, 15),
    Cmd("Clear2", "C&lear", "", 11, 11),
    Cmd("SelectfromFile2", "Select from &File...", "", 17, 17),
    Lib("SelectfromStartButton2", "&Select from Library...", "", 17, 17, "Cursors"),
    Cmd("SavetoFile2", "Sa&ve to File...", "", 19, 19),
    Sep(),
    Cmd("ViewFolder2", "Vie&w Folder", "", 20, 20),

    Top("Sound1", "&Sound"),
    Cmd("Play3", "Pl&ay", "F11", 27, 27),
    Cmd("Stop3", "St&op", "F12", 28, 28),
    Sep(),
    Cmd("Cut3", "Cu&t", "", 22, 22),
    Cmd("Copy3", "&Copy", "", 23, 23),
    WithRelabel(Cmd("Paste3", "&Paste", "", 24, 24), TMenuRelabel::SoundPaste),
    Cmd("Clear3", "C&lear", "", 21, 21),
    Cmd("SelectfromFile3", "Select from &File...", "F5", 26, 26),
    Lib("SelectfromStartButton3", "&Select from Library...", "F6", 26, 26, "Sounds"),
    Cmd("SavetoFile3", "Sa&ve to File...", "", 300, 300),
    Cmd("VolumeControl3", "Volu&me Control", "Ctrl+M", 29, 29),
    Sep(),
    Cmd("ViewFolder3", "Vie&w Folder", "", 301, 301),

    Top("Frame1", "F&rame"),
    Cmd("AutoColor4", "Auto Colo&r", "", 42, 42),
    Cmd("Color4", "C&olor...", "F7", 38, 37),
    WithRelabel(Sub("Size4", "S&ize"), TMenuRelabel::FrameSize),
    [] {
      TMenuRow row = Cmd("Define1", "&Define...", "Ctrl+D", 40, kAlways);
      row.Depth = 2;
      return row;
    }(),
    Sep(2),
    Radio("Border4", "&Border", "", 39, "1", K::FrameSize, 3),
    Radio("Fine4", "&Fine", "", 39, "12", K::FrameSize, 3),
    Radio("Small4", "&Small", "", 39, "25", K::FrameSize, 3),
    Radio("Medium4", "&Medium", "", 39, "38", K::FrameSize, 3),
    Radio("Large4", "&Large", "", 39, "52", K::FrameSize, 3),
    Radio("ExtraLarge4", "&Extra Large", "", 39, "75", K::FrameSize, 3),
    Radio("Super4", "S&uper", "", 39, "100", K::FrameSize, 3),
    Enabled(Sub("Style1", kStyleMenuCaption), 41),
    Style(0, "Traditional4"),
    Style(1, "TraditionalII4"),
    Style(2, "OldWorld4"),
    Style(3, "Modern4"),
    Style(4, "PostModern4"),
    Style(5, "Contemporary4"),
    Style(6, "ColoredInsert4"),
    Style(7, "PostModernInsert4"),
    Style(8, "Classic4"),
    Style(9, "Gallery4"),
    Sep(2),
    [] {
      TMenuRow row = Lib("More4", kMoreStylesCaption, kMoreStylesShortcut, 46, 46, "Frames");
      row.Depth = 2;
      return row;
    }(),
    [] {
      TMenuRow row = Cmd("Custom1", kCustomStyleCaption, "", 43, 43);
      row.Depth = 2;
      return row;
    }(),
    Sep(),
    Cmd("Cut4", "Cu&t", "", 32, 32),
    Cmd("Copy4", "&Copy", "", 33, 33),
    Cmd("Paste4", "&Paste", "", 34, 34),
    Cmd("Clear4", "C&lear", "", 31, 31),
    Cmd("SelectfromFile4", "Select from &File...", "", 36, 36),
    Lib("SelectfromStartButton4", "&Select from Library...", "", 36, 36, "Frames"),
    Cmd("SavetoFile4", "Sa&ve to File...", "", 45, 45),
    Sep(),
    Cmd("ViewFolder4", "Vie&w Folder", "", 47, 47),

    Top("Link1", "&Link"),
    Cmd("AutoColor5", "Auto Colo&r", "", 60, 60),
    Cmd("Color5", "C&olor...", "F9", 59, 58),
    WithCheck(Cmd("Link5", "&Address (Web or Email)...", "F8", 57, 57), K::HasLink),
    Sep(),
    Cmd("Cut5", "Cu&t", "", 52, 52),
    Cmd("Copy5", "&Copy", "", 53, 53),
    Cmd("Paste5", "&Paste", "", 54, 54),
    Cmd("Clear5", "C&lear", "", 51, 51),

    Top("Message1", "&Message"),
    Cmd("Color6", "Colo&r...", "", 87, 86),
    Cmd("Font6", "F&ont...", "", 88, 88),
    Cmd("Text6", "Te&xt...", "", 89, kAlways),
    [] {
      TMenuRow row = WithCheck(Own("Flash6", "Fl&ash", "", A::Flash), K::Flash);
      row.Code = 90;
      return row;
    }(),
    Enabled(Sub("Alignment6", "&Horizontal Alignment"), 92),
    Radio("Left6", "&Left Justify", "", 92, "0", K::HAlign, 5),
    Radio("Center6", "&Center", "", 92, "2", K::HAlign, 5),
    Radio("Right6", "&Right Justify", "", 92, "1", K::HAlign, 5),
    Sub("VerticalAlignment1", "V&ertical Alignment"),
    Radio("Top6", "&Top", "", 93, "0", K::VAlign, 4),
    Radio("Center6b", "&Center", "", 93, "2", K::VAlign, 4),
    Radio("Bottom6", "&Bottom", "", 93, "1", K::VAlign, 4),
    Sep(),
    Cmd("Cut6", "Cu&t", "", 81, 81),
    Cmd("Copy6", "&Copy", "", 82, 82),
    Cmd("Paste6", "&Paste", "", 83, 83),
    Cmd("Clear6", "C&lear", "", 80, 80),
    Cmd("SelectfromFile6", "Select from &File...", "", 85, 85),
    Lib("SelectfromStartButton6", "&Select from Library...", "", 85, 85, "Messages"),
    Cmd("SavetoFile6", "Sa&ve to File...", "", 95, 95),
    Sep(),
    Cmd("ViewFolder6", "Vie&w Folder", "", 96, 96),

    Top("Help1", "&Help"),
    Own("Help2", "&Help", "F1", A::Help),
    Own("About1", "&About...", "", A::About),
    Sep(),
    Own("HomePage1", "&Home Page...", "", A::WebPage, kMakerHomePage),
    Own("Support1", "&Support...", "", A::WebPage, kMakerSupportPage),
});

// Every row sits directly under a submenu: one level deeper than a submenu
// row, or at most as deep as the row before it.
constexpr bool TreeIsWellFormed() {
  int depth = -1;
  bool afterSubmenu = true;
  for (const TMenuRow& row : kRows) {
    if (row.Depth < 0 || row.Depth > depth + (afterSubmenu ? 1 : 0)) return false;
    if (row.Depth == 0 && row.Action != A::Submenu) return false;
    depth = row.Depth;
    afterSubmenu = row.Action == A::Submenu;
  }
  return true;
}
static_assert(TreeIsWellFormed(), "a menu row is deeper than its place allows");

}  // namespace

std::span<const TMenuRow> MainMenuRows() {
  return kRows;
}

const TMenuRow* FindMenuRow(std::string_view name) {
  for (const TMenuRow& row : kRows)
    if (row.Action != A::Separator && name == row.Name) return &row;
  return nullptr;
}

}  // namespace lumigram
