// The card's popup menu and what its items do, and following its link.

#include "card/about_text.h"
#include "card/card_texts.h"
#include "card/links.h"
#include "card/lumigram.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/paths.h"
#include "util/text.h"

namespace lumigram {

namespace {

std::string EditorProgramFile() {
  const std::string folder = TPaths::Shared().MakerFolderNoCreate(card_text::kEditorFolder);
  return folder.empty() ? std::string() : folder + card_text::kEditorProgram;
}

}  // namespace

void TLumigram::FollowLink() {
  SetBusy(true);
  platform_.Desktop().ProcessPendingEvents();
  // A card comes from anyone: only web and mail addresses are opened, never
  // a file or a program the desktop would start.
  std::string target;
  if (IsSafeLink(info_.Link, target))
    platform_.Desktop().OpenDocument(target);
  else
    last_error_ = err::kAccessDenied;
  SetBusy(false);
}

void TLumigram::PopupAtMouse() {
  if (!window_) return;
  const TPoint mouse = window_->MousePosition();
  PopupAt(mouse.X, mouse.Y);
}

void TLumigram::PopupAt(int x, int y) {
  if (!popup_ || destroyed_) return;
  const int chosen = popup_->Track(UpdateMenu(), x, y);
  if (chosen >= 0) RunMenuCommand(chosen);
}

std::string TLumigram::SendToFile(TSendToTarget target) const {
  const std::string folder =
      target == TSendToTarget::Desktop
          ? TPaths::Shared().DesktopFolder()
          : TPaths::Shared().MakerFolderNoCreate(card_text::kCardLibraryFolder);
  const std::string name = ExtractFileName(CardFile());
  if (folder.empty() || name.empty()) return {};
  return IncludeSlash(folder) + name;
}

bool TLumigram::SendToUpToDate(TSendToTarget target) const {
  const std::string source = CardFile();
  const std::string copy = SendToFile(target);
  uint32_t sourceTime = 0, copyTime = 0;
  if (copy.empty() || !FileExistsNotFolder(source, &sourceTime) ||
      !FileExistsNotFolder(copy, &copyTime))
    return false;
  return sourceTime == copyTime && FileSize(source) == FileSize(copy);
}

std::vector<TPopupItem> TLumigram::UpdateMenu() {
  auto item = [](int id, const char* caption, bool enabled, bool checked = false) {
    return TPopupItem{id, TranslateLite(caption), enabled, checked};
  };
  const bool desktop = standalone_ && !SendToUpToDate(TSendToTarget::Desktop);
  const bool library = standalone_ && !SendToUpToDate(TSendToTarget::Library);
  const bool editor = standalone_ && info_.CanEdit && FileExistsNotFolder(EditorProgramFile());
  std::vector<TPopupItem> items;
  items.push_back(item(kPlayItem, card_text::kPlay, CanPlay()));
  items.push_back(item(kStopItem, card_text::kStop, CanStop()));
  items.push_back({12, card_text::kSeparator, true, false});
  items.push_back(item(kEditItem, card_text::kEdit, editor));
  items.push_back(
      item(kPrintItem, card_text::kPrint, info_.CanPrint && platform_.Desktop().CanPrint()));
  TPopupItem about = item(kAboutItem, card_text::kAbout, true);
  about.Caption += "...";
  items.push_back(about);
  items.push_back(item(kDesktopItem, card_text::kSendToDesktop, desktop, !desktop));
  items.push_back(item(kLibraryItem, card_text::kSendToLibrary, library, !library));
  items.push_back({18, card_text::kSeparator, true, false});
  items.push_back(item(kExitItem, card_text::kExit, standalone_));
  return items;
}

void TLumigram::RunMenuCommand(int id) {
  if (busy_ || destroyed_) return;
  // Only what the menu offers now: a stale or forged command does nothing.
  bool enabled = false;
  for (const TPopupItem& item : UpdateMenu())
    if (item.Id == id) enabled = item.Enabled && item.Caption != card_text::kSeparator;
  if (!enabled) return;
  SetBusy(true);
  switch (id) {
    case kPlayItem:
      if (!Play()) ShowLastError();
      break;
    case kStopItem:
      Stop();
      break;
    case kEditItem:
      SetBusy(false);
      EditInEditor();
      break;
    case kPrintItem:
      Print();
      break;
    case kAboutItem:
      About();
      break;
    case kDesktopItem:
      if (!SendTo(TSendToTarget::Desktop)) ShowLastError();
      break;
    case kLibraryItem:
      if (!SendTo(TSendToTarget::Library)) ShowLastError();
      break;
    case kExitItem:
      SetBusy(false);
      Exit();
      break;
    default:
      break;
  }
  SetBusy(false);
}

bool TLumigram::SendTo(TSendToTarget target) {
  const std::string source = CardFile();
  const std::string copy = SendToFile(target);
  if (copy.empty()) {
    last_error_ = err::kFileNotFound;
    return false;
  }
  if (FileExistsNotFolder(copy)) {
    const std::string question =
        ExtractFileName(source) + " " + TranslateLite(card_text::kAlreadyExists);
    if (!platform_.Dialogs().AskWarning(TranslateLite(card_text::kWarning), question)) return true;
  }
  return CopyFileChecked(source, copy, last_error_);
}

bool TLumigram::EditInEditor() {
  const std::string editor = EditorProgramFile();
  if (editor.empty() || !FileExistsNotFolder(editor)) return false;
  platform_.Desktop().StartProgram({editor, CardFile()});
  Exit();
  return true;
}

TBitmap TLumigram::RenderForPrint() {
  menu_label_->SetVisible(false);
  info_.State.LayoutDirty = true;
  Compose();
  TBitmap image = composite_;
  menu_label_->SetVisible(true);
  info_.State.MessageDirty = true;
  Compose();
  return image;
}

bool TLumigram::Print() {
  last_error_ = err::kUnexpectedError;
  SetBusy(true);
  platform_.Desktop().ProcessPendingEvents();
  const TBitmap image = RenderForPrint();
  last_error_ = err::kOutOfMemory;
  bool printed = false;
  if (!platform_.Desktop().CanPrint()) {
    last_error_ = err::kFileNotFound;
  } else if (image.Empty()) {
    last_error_ = err::kUnknownFormat;
  } else {
    std::string error;
    printed = platform_.Desktop().Print(image, card_text::kPrintTitle, error);
    if (!printed) last_error_ = error.empty() ? err::kUnexpectedError : error;
  }
  SetBusy(false);
  return printed;
}

void TLumigram::About() {
  platform_.Dialogs().ShowInformation(ExtractFileName(CardFile()),
                                      AboutText(info_.Author, info_.CreatorInfo));
}

}  // namespace lumigram
