#pragma once
// The editor: the one card being made, a one-step undo, the settings of
// every file dialog and the numbered commands the menus and the toolbar run.
//
// Every user action arrives as Execute(code, argument). A positive code runs
// a command and answers whether it worked, with LastError telling why not;
// the negative of a code asks whether the command can run now. The commands
// live in a table of {code, query, run} rows, one group of rows per card
// element, each group in a file of its own.
//
// Everything runs on the GUI thread. The editor reaches the desktop only
// through its services and the card's platform, both of which must outlive it.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "card/lumigram.h"
#include "card/lumigram_info.h"
#include "editor/editor_services.h"
#include "editor/open_info.h"
#include "imaging/bitmap.h"
#include "media/fast_timer.h"
#include "media/millisecond_tick.h"

namespace lumigram {

class TLumigramCreator;

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

// The card as it was before the latest change of one element kind; only the
// members of that kind are filled.
struct TLumigramCreatorUndoInfo {
  int Kind = kUndoNone;
  TLumigramInfo Info;
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

// One command: its code, what its negative code answers (nullptr: always
// true) and what it does (nullptr: the code is a query only). StartError is
// what LastError holds when the command starts (nullptr: left as it is).
using TCommandFunction = bool (TLumigramCreator::*)(const std::string& argument);
struct TCommandRow {
  int Code = 0;
  TCommandFunction Query = nullptr;
  TCommandFunction Run = nullptr;
  const char* StartError = nullptr;
};
using TCommandRows = std::span<const TCommandRow>;

// What a saved card's file holds before its card data.
inline constexpr size_t kViewerPartSize = size_t(kCardDataOffset);

class TLumigramCreator {
 public:
  using TEvent = std::function<void(TLumigramCreator&)>;
  using TTickClock = std::function<int64_t()>;

  // Builds the card (embedded, window hidden), the dialog settings and the
  // text windows, and starts with a new, saved card. clock gives the
  // millisecond tick for the refresh tick and the card's flash.
  TLumigramCreator(TCardPlatform& platform, TEditorServices& services,
                   TTickClock clock = MillisecondTick);
  ~TLumigramCreator();
  TLumigramCreator(const TLumigramCreator&) = delete;
  TLumigramCreator& operator=(const TLumigramCreator&) = delete;

  // ---- The dispatcher ----
  bool Execute(int code, const std::string& argument = {});
  const std::string& LastError() const { return last_error_; }
  // Shows LastError in the error box.
  void ShowLastError();

  // ---- Undo and the saved state ----
  // Takes the snapshot of an element kind (clamped to 0..7) and marks the
  // card unsaved (saved for kind 0, which empties the undo).
  bool BeginChange(int kind);
  bool CanUndo() const { return undo_.Kind != kUndoNone; }
  // Swaps the snapshot with the card: a second Undo redoes.
  bool Undo();
  const TLumigramCreatorUndoInfo& UndoSnapshot() const { return undo_; }

  bool Saved() const { return saved_; }
  void SetSaved(bool saved);
  bool Busy() const { return busy_; }
  void SetBusy(bool busy);
  // Asks whether to save a changed card before it is replaced; true when the
  // card may be replaced.
  bool QuerySaveChanges();

  // ---- The card ----
  // An empty card named "Untitled.exe"; showWindow hides it, then centres
  // and shows it again.
  void NewCard(bool showWindow);
  TLumigram& Card() { return *card_; }
  const TLumigram& Card() const { return *card_; }
  const std::string& CardName() const { return card_name_; }
  const std::string& CardPath() const { return card_path_; }
  void SetCardPath(const std::string& path);
  // The viewer program every saved card starts with.
  const std::string& ViewerImage() const { return viewer_image_; }
  void SetViewerImage(std::string image) { viewer_image_ = std::move(image); }

  // ---- Card files ----
  // Writes the card file and makes it the card's file.
  bool SaveCard(const std::string& file);
  // Viewer part and card data as one file; the card's name stays.
  bool WriteCardFile(const std::string& file);
  // Opens a card file: the card is saved and has no undo afterwards, even
  // when the file could not be read (it is then a new empty card).
  bool LoadCard(const std::string& file);
  // Reads the card data of a card file into the card.
  bool LoadCardData(const std::string& file);
  // True when there is no such file, or it is a card file.
  bool IsCardFile(const std::string& file);

  // ---- Information ----
  // The report lines of the information window.
  TInfoReport InformationReport();
  // Fills and shows the information window.
  void ShowInformation();

  // ---- File dialogs ----
  TOpenInfo& DialogSetting(TDialogSetting setting) { return dialogs_[size_t(setting)]; }
  // Runs the setting's dialog (folder: where to start, or empty); false
  // when cancelled, else the chosen file is the setting's FileName.
  bool RunFileDialog(TDialogSetting setting, TFileDialogKind kind, const std::string& folder);
  // "All Cursors" / "All Sounds" and one entry per format.
  static std::string CursorFormatsFilter();
  static std::string SoundFormatsFilter();
  // The file's extension is one of the filter's patterns; "Unsupported
  // format" otherwise.
  bool FormatCheck(const std::string& file, const std::string& filter);

  // ---- Clipboard transfer files ----
  std::string ClipboardFile(const std::string& type) const;
  bool ClipboardFileExists(const std::string& type) const;
  // Replaces the file: "File in use" when the old one stays, "Out of disk
  // space" when writing fails.
  bool WriteClipboardFile(const std::string& type, const std::string& bytes);
  // Reads another program's file as untrusted: at most maxBytes.
  bool ReadClipboardFile(const std::string& type, std::string& bytes, int64_t maxBytes);

  // ---- Text windows ----
  // Fills both windows from the card without counting as typing.
  void RefreshMessageWindow();
  void RefreshStyleCodeWindow();
  // The message becomes the window's lines within MessageMaxLength.
  void MessageTyped();
  void StyleCodeTyped();

  // ---- Timing ----
  // The refresh timer's handler: OnTick at most every TickInterval ms.
  void Tick();
  int TickInterval() const { return tick_interval_; }

  // The longest message typing may make, in characters.
  size_t MessageMaxLength = kMessageMaxLength;

  TEvent OnBusyChanged;
  TEvent OnChanged;
  TEvent OnTick;

 private:
  // Looks a code up in every group's rows; nullptr when unknown.
  static const TCommandRow* FindCommand(int code);
  bool RunCommandRow(const TCommandRow& row, int code, const std::string& argument);
  void BuildDialogSettings();
  void ConnectCard();
  void CardRefresh(bool rebuildPicture);
  void Fire(const TEvent& event);
  // The snapshot members of a kind, copied from one record to another.
  static void CopyKind(int kind, const TLumigramInfo& from, TLumigramInfo& to);
  // Makes a pasted card file the card, after the whole card went into the
  // undo snapshot.
  bool PasteAllFrom(const std::string& file);

  // ---- Shared by the element commands (element_files.cpp) ----
  // Writes an element's file beside the target and renames it over, so a
  // failed save keeps the old file: "File in use" / "Out of disk space".
  bool WriteElementFile(const std::string& file, const std::string& bytes);
  // Reads a file a user chose or another program left, at most maxBytes.
  bool ReadElementFile(const std::string& file, std::string& bytes, int64_t maxBytes);
  // The folder of the file an open dialog last chose; empty when it is gone.
  std::string DialogFolder(TDialogSetting setting) const;
  bool ViewDialogFolder(TDialogSetting setting);
  // The element changed: the card lays itself out and repaints, and the main
  // window hears of it.
  void RepaintCard();

  // Command groups: each function returns its group's rows.
  static TCommandRows PictureCommands();
  static TCommandRows CursorCommands();
  static TCommandRows SoundCommands();
  static TCommandRows FrameCommands();
  static TCommandRows LinkCommands();
  static TCommandRows MessageCommands();
  static TCommandRows CardCommands();
  static TCommandRows PasswordCommands();

  // ---- Picture (commands_picture.cpp) ----
  bool QueryHasPicture(const std::string&);
  bool QueryClipboardHasBitmap(const std::string&);
  bool QueryPictureFolder(const std::string&);
  bool QueryCanEnlarge(const std::string&);
  bool QueryCanShrink(const std::string&);
  bool ClearPicture(const std::string&);
  bool CutPicture(const std::string&);
  bool CopyPicture(const std::string&);
  bool PastePicture(const std::string&);
  bool PastePictureToFit(const std::string&);
  bool LoadPictureFile(const std::string& file);
  bool SelectPicture(const std::string& folder);
  bool SavePictureToFile(const std::string& file);
  bool SavePicture(const std::string&);
  bool ViewPictureFolder(const std::string&);
  bool EnlargePicture(const std::string&);
  bool ShrinkPicture(const std::string&);
  // The bitmap (nullptr: the clipboard's) becomes the card picture.
  bool SetPicture(const TBitmap* bitmap, bool fit);
  bool ResizePicture(int percent);
  bool CanResizePicture(int percent) const;

  // ---- Cursor (commands_cursor.cpp) ----
  bool QueryHasCursor(const std::string&);
  bool QueryCanPasteCursor(const std::string& type);
  bool QueryCanPasteCursorFromIcon(const std::string&);
  bool QueryCursorFolder(const std::string&);
  bool ClearCursor(const std::string&);
  bool CutCursor(const std::string&);
  bool CopyCursor(const std::string&);
  bool PasteCursor(const std::string& type);
  bool PasteCursorFromIcon(const std::string&);
  bool LoadCursorFile(const std::string& file);
  bool SelectCursor(const std::string& folder);
  bool SaveCursorToFile(const std::string& file);
  bool SaveCursor(const std::string&);
  bool ViewCursorFolder(const std::string&);

  // ---- Sound (commands_sound.cpp) ----
  bool QueryHasSound(const std::string&);
  bool QueryCanPasteSound(const std::string&);
  bool QueryCanPlay(const std::string&);
  bool QueryCanStop(const std::string&);
  bool QueryHasVolumeControl(const std::string&);
  bool QuerySoundFolder(const std::string&);
  bool ClearSound(const std::string&);
  bool CutSound(const std::string&);
  bool CopySound(const std::string&);
  bool PasteSound(const std::string&);
  bool LoadSoundFile(const std::string& file);
  bool SelectSound(const std::string& folder);
  bool PlaySound(const std::string&);
  bool StopSound(const std::string&);
  bool VolumeControl(const std::string&);
  bool SaveSoundToFile(const std::string& file);
  bool SaveSound(const std::string&);
  bool ViewSoundFolder(const std::string&);

 public:
  // Which typed sound file was written with the "SND" clipboard file; empty
  // when there is none.
  std::string SoundClipboardType() const;

 private:
  // ---- Frame (commands_frame.cpp) ----
  bool QueryHasFrame(const std::string&);
  bool QueryCanPasteFrame(const std::string&);
  bool QueryCanAutoFrameColour(const std::string&);
  bool QueryFrameFolder(const std::string&);
  bool ClearFrame(const std::string&);
  bool CutFrame(const std::string&);
  bool CopyFrame(const std::string&);
  bool PasteFrame(const std::string&);
  bool LoadFrameFile(const std::string& file);
  bool SelectFrame(const std::string& folder);
  bool SetFrameColour(const std::string& colour);
  bool FrameColourDialog(const std::string&);
  bool SetFrameSize(const std::string& size);
  bool FrameSizeDialog(const std::string&);
  bool SetFrameStyle(const std::string& code);
  bool AutoFrameColour(const std::string&);
  bool CustomFrameStyle(const std::string&);
  bool SaveFrameToFile(const std::string& file);
  bool SaveFrame(const std::string&);
  bool MoreFrameStyles(const std::string& folder);
  bool ViewFrameFolder(const std::string&);

  // ---- Link (commands_link.cpp) ----
  bool QueryHasLink(const std::string&);
  bool QueryCanCopyLink(const std::string&);
  bool QueryCanPasteLink(const std::string&);
  bool QueryCanAutoLinkColour(const std::string&);
  bool ClearLink(const std::string&);
  bool CutLink(const std::string&);
  bool CopyLink(const std::string&);
  bool PasteLink(const std::string&);
  bool LoadLinkFile(const std::string& file);
  bool SetLinkAddress(const std::string& address);
  bool LinkAddressPrompt(const std::string&);
  bool SetLinkColour(const std::string& colour);
  bool LinkColourDialog(const std::string&);
  bool AutoLinkColourCommand(const std::string&);

 public:
  // A colour that stands out against the bottom of the picture.
  TColor AutoLinkColor() const;

 private:
  // ---- Message (commands_message.cpp) ----
  bool QueryHasMessage(const std::string&);
  bool QueryCanPasteMessage(const std::string&);
  bool QueryFlashOn(const std::string&);
  bool QueryMessageFolder(const std::string&);
  bool ClearMessage(const std::string&);
  bool CutMessage(const std::string&);
  bool CopyMessage(const std::string&);
  bool PasteMessage(const std::string&);
  bool LoadMessageFile(const std::string& file);
  bool SelectMessage(const std::string& folder);
  bool SetMessageColour(const std::string& colour);
  bool MessageColourDialog(const std::string&);
  bool MessageFontDialog(const std::string&);
  bool ShowMessageWindow(const std::string&);
  bool SetFlash(const std::string& value);
  bool SetHorizontalAlignment(const std::string& value);
  bool SetVerticalAlignment(const std::string& value);
  bool SaveMessageToFile(const std::string& file);
  bool SaveMessage(const std::string&);
  bool ViewMessageFolder(const std::string&);
  // The message changed: the text window and the card show it.
  void MessageChanged();
  // Applies a whole "MSG1.0" file with one snapshot, or nothing of a
  // damaged one ("Unknown format").
  bool ApplyMessageFile(std::string_view bytes);

  // ---- Card as a whole (commands_card.cpp) ----
  bool QueryCanUndo(const std::string&);
  bool QueryNotCentred(const std::string&);
  bool QueryCanPrint(const std::string&);
  bool QueryCardPathExists(const std::string&);
  bool QueryIsCardFile(const std::string& file);
  bool QueryFolderExists(const std::string& folder);
  bool QueryCanPasteAll(const std::string&);
  bool UndoCommand(const std::string&);
  bool NewCardCommand(const std::string&);
  bool CentreCard(const std::string&);
  bool PrintCard(const std::string&);
  bool OpenCardFile(const std::string& file);
  bool OpenCard(const std::string& folder);
  bool SaveCardToFile(const std::string& file);
  bool SaveCardAs(const std::string& folder);
  bool SaveCardCommand(const std::string&);
  bool OpenFolder(const std::string& folder);
  bool CopyAll(const std::string&);
  bool PasteAll(const std::string&);
  bool PrintToClipboard(const std::string&);

  // ---- Password and preferences (commands_password.cpp) ----
  bool QueryHasPassword(const std::string&);
  bool SetPassword(const std::string&);
  bool RemovePassword(const std::string&);
  bool Preferences(const std::string&);

  TCardPlatform& platform_;
  TEditorServices& services_;
  TTickClock clock_;
  std::unique_ptr<TLumigram> card_;
  std::string viewer_image_;
  TLumigramCreatorUndoInfo undo_;
  bool saved_ = true;
  bool busy_ = false;
  bool pasting_all_ = false;
  std::string last_error_;
  std::string card_name_;
  std::string card_path_;
  TOpenInfo dialogs_[size_t(TDialogSetting::Count)];
  int64_t last_tick_ = 0;
  int tick_interval_ = 50;
  // Last, so that it stops before anything it ticks into goes.
  std::unique_ptr<TFastTimer> timer_;
};

}  // namespace lumigram
