#pragma once
// The editor: the one card being made, a one-step undo, the settings of
// every file dialog and the numbered commands (editor/command_codes.h) the
// menus and the toolbar run.
//
// Every user action arrives as Execute(code, argument). A positive code runs
// a command and answers whether it worked, with LastError telling why not;
// the negative of a code asks whether the command can run now. The commands
// live in a table of {code, query, run} rows, one group of rows per card
// element, each group beside its handlers in editor/commands/.
//
// Everything runs on the GUI thread. The editor reaches the desktop only
// through its services and the card's platform, both of which must outlive it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "card/lumigram_info.h"
#include "editor/editor_kinds.h"
#include "editor/editor_services.h"
#include "editor/open_info.h"
#include "media/millisecond_tick.h"
#include "util/colour.h"

namespace lumigram {

class TCardPlatform;
class TFastTimer;
class TLumigram;
struct TCommandRow;

// The card as it was before the latest change of one element kind; only the
// members of that kind are filled.
struct TLumigramCreatorUndoInfo {
  int Kind = kUndoNone;
  TLumigramInfo Info;
};

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

  // ---- Answers about the elements ----
  // Which typed sound file was written with the "SND" clipboard file; empty
  // when there is none.
  std::string SoundClipboardType() const;
  // A colour that stands out against the bottom of the picture.
  TColor AutoLinkColor() const;

  // The longest message typing may make, in characters.
  size_t MessageMaxLength = kMessageMaxLength;

  TEvent OnBusyChanged;
  TEvent OnChanged;
  TEvent OnTick;

 private:
  // The commands reach the editor's state through their context alone.
  friend class TCommandContext;

  bool RunCommandRow(const TCommandRow& row, int code, const std::string& argument);
  void BuildDialogSettings();
  void ConnectCard();
  void CardRefresh(bool rebuildPicture);
  // The snapshot members of a kind, copied from one record to another.
  static void CopyKind(int kind, const TLumigramInfo& from, TLumigramInfo& to);
  // Makes a pasted card file the card, after the whole card went into the
  // undo snapshot.
  bool PasteAllFrom(const std::string& file);

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
