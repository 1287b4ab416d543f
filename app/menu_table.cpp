#include "app/menu_table.h"

#include <array>

#include "app/companion_tools.h"
#include "editor/command_codes.h"
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
  return {.Name = name,
          .Caption = caption,
          .Shortcut = shortcut,
          .Action = action,
          .Argument = argument};
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
  return {
      .Depth = 2, .Name = tool.Name, .Caption = tool.Caption, .Action = A::Tool, .Enable = E::Tool};
}

constexpr TMenuRow Style(int index, const char* name) {
  const TFrameStyle& style = kFrameStyles[size_t(index)];
  return Radio(name, style.Caption, style.Shortcut, kSetFrameStyle, style.Code, K::FrameStyle, 6);
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
    Enabled(Own("New1", "&New", "Ctrl+N", A::NewCard), kNewCard),
    Own("NewInstance1", "New &Instance", "", A::NewInstance),
    Sep(),
    Cmd("Open1", "&Open...", "Ctrl+O", kOpenCard, kOpenCard),
    Lib("OpenfromStartButton1", "Open from Li&brary...", "", kOpenCard, kAlways, "Lumigrams"),
    Cmd("Save1", "&Save", "Ctrl+S", kSaveCard, kSaveCard),
    Cmd("SaveAs1", "Save &As...", "Ctrl+A", kSaveCardAs, kAlways),
    Lib("SavetoStartButton1", "Save to Librar&y...", "", kSaveCardAs, kAlways, "Lumigrams"),
    Cmd("Print1", "&Print...", "", kPrintCard, kPrintCard),
    Cmd("PrintToClipboard1", "Print to &Clipboard", "", kPrintToClipboard, kPrintToClipboard),
    Cmd("Password1", "Pass&word...", "", kSetPassword, kSetPassword),
    Cmd("RemovePassword1", "Remo&ve Password", "", kRemovePassword, kRemovePassword),
    Cmd("Preferences1", "P&references...", "", kPreferences, kPreferences),
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
    Cmd("Undo1", "&Undo", "F10", kUndo, kUndo),
    Cmd("CopyAll1", "&Copy All", "", kCopyAll, kCopyAll),
    Cmd("PasteAll1", "&Paste All", "", kPasteAll, kPasteAll),
    Sep(),
    Cmd("Center1", "C&enter", "Ctrl+X", kCentreCard, kCentreCard),
    Own("Information1", "&Information...", "Ctrl+I", A::Information),
    Cmd("LinkColor1", "&Menu Color...", "", kChooseLinkColour, kChooseLinkColour),
    Sep(),
    WithCheck(Own("OnTop1", "&OnTop", "", A::OnTop), K::OnTop),

    Top("Picture1", "&Picture"),
    Cmd("Enlarge251", "&Enlarge by 25%", "", kEnlargePicture, kEnlargePicture),
    Cmd("Shrinkby251", "S&hrink by 25%", "", kShrinkPicture, kShrinkPicture),
    Sep(),
    Cmd("Cut1", "Cu&t", "Ctrl+X", kCutPicture, kCutPicture),
    Cmd("Copy1", "&Copy", "Ctrl+C", kCopyPicture, kCopyPicture),
    Cmd("Paste1", "&Paste", "Ctrl+V", kPastePicture, kPastePicture),
    Cmd("PastetoFit1", "Paste to &Fit", "", kPastePictureToFit, kPastePictureToFit),
    Cmd("Clear1", "C&lear", "", kClearPicture, kClearPicture),
    Cmd("SelectfromFile1", "Select from &File...", "F3", kSelectPicture, kSelectPicture),
    Lib("SelectfromStartButton1", "&Select from Library...", "F4", kSelectPicture, kSelectPicture,
        "Pictures"),
    Cmd("SavetoFile1", "Sa&ve to File...", "", kSavePictureAs, kSavePictureAs),
    Sep(),
    Cmd("ViewFolder1", "Vie&w Folder", "", kViewPictureFolder, kViewPictureFolder),

    Top("Cursor1", "&Cursor"),
    Cmd("Cut2", "Cu&t", "", kCutCursor, kCutCursor),
    Cmd("Copy2", "&Copy", "", kCopyCursor, kCopyCursor),
    Cmd("Paste2", "&Paste", "", kPasteCursor, kPasteCursor),
    Cmd("PastefromIcon2", "Paste from &Icon", "", kPasteCursorFromIcon, kPasteCursorFromIcon),
    Cmd("Clear2", "C&lear", "", kClearCursor, kClearCursor),
    Cmd("SelectfromFile2", "Select from &File...", "", kSelectCursor, kSelectCursor),
    Lib("SelectfromStartButton2", "&Select from Library...", "", kSelectCursor, kSelectCursor,
        "Cursors"),
    Cmd("SavetoFile2", "Sa&ve to File...", "", kSaveCursorAs, kSaveCursorAs),
    Sep(),
    Cmd("ViewFolder2", "Vie&w Folder", "", kViewCursorFolder, kViewCursorFolder),

    Top("Sound1", "&Sound"),
    Cmd("Play3", "Pl&ay", "F11", kPlaySound, kPlaySound),
    Cmd("Stop3", "St&op", "F12", kStopSound, kStopSound),
    Sep(),
    Cmd("Cut3", "Cu&t", "", kCutSound, kCutSound),
    Cmd("Copy3", "&Copy", "", kCopySound, kCopySound),
    WithRelabel(Cmd("Paste3", "&Paste", "", kPasteSound, kPasteSound), TMenuRelabel::SoundPaste),
    Cmd("Clear3", "C&lear", "", kClearSound, kClearSound),
    Cmd("SelectfromFile3", "Select from &File...", "F5", kSelectSound, kSelectSound),
    Lib("SelectfromStartButton3", "&Select from Library...", "F6", kSelectSound, kSelectSound,
        "Sounds"),
    Cmd("SavetoFile3", "Sa&ve to File...", "", kSaveSoundAs, kSaveSoundAs),
    Cmd("VolumeControl3", "Volu&me Control", "Ctrl+M", kVolumeControl, kVolumeControl),
    Sep(),
    Cmd("ViewFolder3", "Vie&w Folder", "", kViewSoundFolder, kViewSoundFolder),

    Top("Frame1", "F&rame"),
    Cmd("AutoColor4", "Auto Colo&r", "", kAutoFrameColour, kAutoFrameColour),
    Cmd("Color4", "C&olor...", "F7", kChooseFrameColour, kSetFrameColour),
    WithRelabel(Sub("Size4", "S&ize"), TMenuRelabel::FrameSize),
    [] {
      TMenuRow row = Cmd("Define1", "&Define...", "Ctrl+D", kChooseFrameSize, kAlways);
      row.Depth = 2;
      return row;
    }(),
    Sep(2),
    Radio("Border4", "&Border", "", kSetFrameSize, "1", K::FrameSize, 3),
    Radio("Fine4", "&Fine", "", kSetFrameSize, "12", K::FrameSize, 3),
    Radio("Small4", "&Small", "", kSetFrameSize, "25", K::FrameSize, 3),
    Radio("Medium4", "&Medium", "", kSetFrameSize, "38", K::FrameSize, 3),
    Radio("Large4", "&Large", "", kSetFrameSize, "52", K::FrameSize, 3),
    Radio("ExtraLarge4", "&Extra Large", "", kSetFrameSize, "75", K::FrameSize, 3),
    Radio("Super4", "S&uper", "", kSetFrameSize, "100", K::FrameSize, 3),
    Enabled(Sub("Style1", kStyleMenuCaption), kSetFrameStyle),
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
      TMenuRow row = Lib("More4", kMoreStylesCaption, kMoreStylesShortcut, kMoreFrameStyles,
                         kMoreFrameStyles, "Frames");
      row.Depth = 2;
      return row;
    }(),
    [] {
      TMenuRow row = Cmd("Custom1", kCustomStyleCaption, "", kCustomFrameStyle, kCustomFrameStyle);
      row.Depth = 2;
      return row;
    }(),
    Sep(),
    Cmd("Cut4", "Cu&t", "", kCutFrame, kCutFrame),
    Cmd("Copy4", "&Copy", "", kCopyFrame, kCopyFrame),
    Cmd("Paste4", "&Paste", "", kPasteFrame, kPasteFrame),
    Cmd("Clear4", "C&lear", "", kClearFrame, kClearFrame),
    Cmd("SelectfromFile4", "Select from &File...", "", kSelectFrame, kSelectFrame),
    Lib("SelectfromStartButton4", "&Select from Library...", "", kSelectFrame, kSelectFrame,
        "Frames"),
    Cmd("SavetoFile4", "Sa&ve to File...", "", kSaveFrameAs, kSaveFrameAs),
    Sep(),
    Cmd("ViewFolder4", "Vie&w Folder", "", kViewFrameFolder, kViewFrameFolder),

    Top("Link1", "&Link"),
    Cmd("AutoColor5", "Auto Colo&r", "", kAutoLinkColour, kAutoLinkColour),
    Cmd("Color5", "C&olor...", "F9", kChooseLinkColour, kSetLinkColour),
    WithCheck(
        Cmd("Link5", "&Address (Web or Email)...", "F8", kEnterLinkAddress, kEnterLinkAddress),
        K::HasLink),
    Sep(),
    Cmd("Cut5", "Cu&t", "", kCutLink, kCutLink),
    Cmd("Copy5", "&Copy", "", kCopyLink, kCopyLink),
    Cmd("Paste5", "&Paste", "", kPasteLink, kPasteLink),
    Cmd("Clear5", "C&lear", "", kClearLink, kClearLink),

    Top("Message1", "&Message"),
    Cmd("Color6", "Colo&r...", "", kChooseMessageColour, kSetMessageColour),
    Cmd("Font6", "F&ont...", "", kChooseMessageFont, kChooseMessageFont),
    Cmd("Text6", "Te&xt...", "", kShowMessageWindow, kAlways),
    [] {
      TMenuRow row = WithCheck(Own("Flash6", "Fl&ash", "", A::Flash), K::Flash);
      row.Code = kSetFlash;
      return row;
    }(),
    Enabled(Sub("Alignment6", "&Horizontal Alignment"), kSetHorizontalAlignment),
    Radio("Left6", "&Left Justify", "", kSetHorizontalAlignment, "0", K::HAlign, 5),
    Radio("Center6", "&Center", "", kSetHorizontalAlignment, "2", K::HAlign, 5),
    Radio("Right6", "&Right Justify", "", kSetHorizontalAlignment, "1", K::HAlign, 5),
    Sub("VerticalAlignment1", "V&ertical Alignment"),
    Radio("Top6", "&Top", "", kSetVerticalAlignment, "0", K::VAlign, 4),
    Radio("Center6b", "&Center", "", kSetVerticalAlignment, "2", K::VAlign, 4),
    Radio("Bottom6", "&Bottom", "", kSetVerticalAlignment, "1", K::VAlign, 4),
    Sep(),
    Cmd("Cut6", "Cu&t", "", kCutMessage, kCutMessage),
    Cmd("Copy6", "&Copy", "", kCopyMessage, kCopyMessage),
    Cmd("Paste6", "&Paste", "", kPasteMessage, kPasteMessage),
    Cmd("Clear6", "C&lear", "", kClearMessage, kClearMessage),
    Cmd("SelectfromFile6", "Select from &File...", "", kSelectMessage, kSelectMessage),
    Lib("SelectfromStartButton6", "&Select from Library...", "", kSelectMessage, kSelectMessage,
        "Messages"),
    Cmd("SavetoFile6", "Sa&ve to File...", "", kSaveMessageAs, kSaveMessageAs),
    Sep(),
    Cmd("ViewFolder6", "Vie&w Folder", "", kViewMessageFolder, kViewMessageFolder),

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
