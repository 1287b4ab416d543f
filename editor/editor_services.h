#pragma once
// What the editor asks of the desktop beyond what the card's platform
// offers: its dialogs, the questions it asks, the system clipboard's bitmap,
// the volume control and the editor's helper windows. Error and information
// boxes, the desktop's opener, starting programs and printing go through the
// card's platform (card/card_platform.h), which the editor holds as well.
// The creator implements it with Qt, the tests with a scripted double.
//
// Texts arrive translated. Every call is made on the GUI thread and returns
// when the user has answered; modal dialogs run their own event loop.

#include <functional>
#include <string>
#include <vector>

#include "editor/open_info.h"
#include "imaging/bitmap/bitmap.h"
#include "imaging/text/font.h"
#include "util/colour.h"

namespace lumigram {

// One run of a file dialog, built from a TOpenInfo.
struct TFileDialogRequest {
  TFileDialogKind Kind = TFileDialogKind::Open;
  std::string DefaultExt;
  int Options = kOpenDialogOptions;
  std::string Filter;
  int FilterIndex = 1;
  // An existing folder to start in, ending in "/".
  std::string Folder;
  // The name proposed in the name field (save dialogs); may be empty.
  std::string FileName;
};

struct TFileDialogAnswer {
  // False when the user cancelled; the other fields are then unused.
  bool Accepted = false;
  // Full path of the chosen file.
  std::string FileName;
  // 1-based filter entry the user left selected.
  int FilterIndex = 1;
};

enum class TWarningAnswer { Yes, No, Cancel };

// A text window of the editor: the message text window, or the style code
// window. The editor fills it and learns of the user's typing through OnTyped.
struct TTextWindowSetup {
  std::string Caption;
  // Client size in pixels; 0 keeps the front end's choice.
  int Width = 0;
  int Height = 0;
  // Empty keeps the front end's font.
  std::string FontName;
  bool WordWrap = true;
  bool HorizontalScrollBar = false;
  bool VerticalScrollBar = true;
};

class TEditorTextWindow {
 public:
  virtual ~TEditorTextWindow() = default;

  virtual void Setup(const TTextWindowSetup& setup) = 0;
  // The whole text, lines joined with CR LF.
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  // The lines as the window shows them: with word wrap on, each wrapped
  // piece is a line of its own (so resizing changes them).
  virtual std::vector<std::string> Lines() const = 0;
  // Face, size, style and colour of the text.
  virtual void SetFont(const TFont& font) = 0;
  // 0 left, 1 right, 2 centred.
  virtual void SetAlignment(int alignment) = 0;
  // While disabled the user cannot type, and filling the window fires no
  // OnTyped.
  virtual void SetEditEnabled(bool enabled) = 0;
  // Restores the window to its normal size and shows it, not modal.
  virtual void ShowWindow() = 0;

  // Set by the editor: the user typed, or resized the window, while editing
  // was enabled.
  std::function<void()> OnTyped;
};

// The card information report: lines in the information window's mark-up
// ("f1" heading, "<li>" list item).
struct TInfoReport {
  std::string Caption;
  std::string FontName = "Arial";
  int FontSize = 9;
  int Width = 400;
  int Height = 470;
  std::vector<std::string> Lines;
};

// What the preferences dialog edits.
struct TCardPreferences {
  bool CanEdit = true;
  bool CanPrint = true;
  // Lines joined with CR LF.
  std::string Author;
};

class TEditorServices {
 public:
  virtual ~TEditorServices() = default;

  // ---- Dialogs (false or not Accepted when the user cancels) ----
  virtual TFileDialogAnswer RunFileDialog(const TFileDialogRequest& request) = 0;
  // One-line text box with OK and Cancel, at most 255 characters; value
  // holds the starting text and receives the typed one.
  virtual bool InputQuery(const std::string& caption, const std::string& prompt,
                          std::string& value) = 0;
  // Starts at colour and receives the chosen one.
  virtual bool ChooseColour(TColor& colour) = 0;
  // With effects (strike-out, underline, colour); starts at font.
  virtual bool ChooseFont(TFont& font) = 0;
  // The preferences dialog; true on Apply (prefs then hold the choice).
  virtual bool EditPreferences(TCardPreferences& prefs) = 0;

  // ---- Message boxes ----
  virtual TWarningAnswer AskWarningYesNoCancel(const std::string& caption,
                                               const std::string& text) = 0;
  // True on Yes.
  virtual bool AskWarningYesNo(const std::string& caption, const std::string& text) = 0;

  // ---- The system clipboard's bitmap ----
  virtual bool ClipboardHasBitmap() = 0;
  // False when there is none or it cannot be read.
  virtual bool GetClipboardBitmap(TBitmap& bitmap) = 0;
  virtual bool SetClipboardBitmap(const TBitmap& bitmap) = 0;

  // ---- The desktop ----
  // The volume control to start, as its argument vector; empty when none is
  // installed.
  virtual std::vector<std::string> VolumeControlProgram() = 0;

  // ---- The editor's windows, owned by the services ----
  virtual TEditorTextWindow& MessageWindow() = 0;
  virtual TEditorTextWindow& StyleCodeWindow() = 0;
  // Fills the information window and shows it modally; nothing happens while
  // it is already showing.
  virtual void ShowInfoWindow(const TInfoReport& report) = 0;
};

}  // namespace lumigram
