#pragma once
// What a command handler may reach of the editor, and nothing more: the
// card, the desktop, the error text, the undo snapshot, the card's files,
// the file dialogs and the clipboard transfer files. Each element's commands
// are a small class built on this context for the length of one command.

#include <cstdint>
#include <string>

#include "editor/editor_kinds.h"
#include "editor/open_info.h"

namespace lumigram {

class TCardPlatform;
class TEditorServices;
class TLumigram;
class TLumigramCreator;

class TCommandContext {
 public:
  explicit TCommandContext(TLumigramCreator& editor) : editor_(editor) {}

 protected:
  // ---- The card and the desktop ----
  TLumigram& Card();
  const TLumigram& Card() const;
  TEditorServices& Services();
  TCardPlatform& Platform();
  // What LastError answers once the command is through.
  std::string& Error();

  // ---- Running other commands, undo and the saved state ----
  bool Execute(int code, const std::string& argument = {});
  // Takes the snapshot of a kind and marks the card unsaved (see the editor).
  bool BeginChange(int kind);
  bool CanUndo() const;
  bool Undo();
  void SetSaved(bool saved);
  // The card changed: the main window hears of it.
  void Changed();
  // The element changed: the card lays itself out and repaints, and the main
  // window hears of it.
  void RepaintCard();

  // ---- Card files ----
  void NewCard(bool showWindow);
  bool QuerySaveChanges();
  const std::string& CardPath() const;
  bool SaveCard(const std::string& file);
  bool WriteCardFile(const std::string& file);
  bool LoadCard(const std::string& file);
  bool IsCardFile(const std::string& file);
  // Makes a pasted card file the card, after the whole card went into the
  // undo snapshot.
  bool PasteAllFrom(const std::string& file);

  // ---- File dialogs and element files ----
  TOpenInfo& DialogSetting(TDialogSetting setting);
  bool RunFileDialog(TDialogSetting setting, TFileDialogKind kind, const std::string& folder);
  static std::string CursorFormatsFilter();
  static std::string SoundFormatsFilter();
  bool FormatCheck(const std::string& file, const std::string& filter);
  // The folder of the file an open dialog last chose; empty when it is gone.
  std::string DialogFolder(TDialogSetting setting) const;
  bool ViewDialogFolder(TDialogSetting setting);
  // Writes an element's file beside the target and renames it over, so a
  // failed save keeps the old file: "File in use" / "Out of disk space".
  bool WriteElementFile(const std::string& file, const std::string& bytes);
  // Reads a file a user chose or another program left, at most maxBytes.
  bool ReadElementFile(const std::string& file, std::string& bytes, int64_t maxBytes);

  // ---- Clipboard transfer files and the text windows ----
  std::string ClipboardFile(const std::string& type) const;
  bool ClipboardFileExists(const std::string& type) const;
  bool WriteClipboardFile(const std::string& type, const std::string& bytes);
  bool ReadClipboardFile(const std::string& type, std::string& bytes, int64_t maxBytes);
  void RefreshMessageWindow();
  void RefreshStyleCodeWindow();

 private:
  TLumigramCreator& editor_;
};

}  // namespace lumigram
