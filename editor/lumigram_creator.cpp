#include "editor/lumigram_creator.h"

#include <climits>
#include <exception>

#include "card/about_text.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/commands/command_table.h"
#include "editor/commands/element_answers.h"
#include "editor/editor_texts.h"
#include "lang/translate.h"
#include "media/fast_timer.h"
#include "util/error_texts.h"
#include "util/event.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr int kTickInterval = 50;
// What a reset snapshot's frame holds.
constexpr const char* kSnapshotFrameCode = "40,s60,d\r\n15,d,s60\r\n38,s60,s60\r\nr,s120,s120";

}  // namespace

TLumigramCreator::TLumigramCreator(TCardPlatform& platform, TEditorServices& services,
                                   TTickClock clock)
    : platform_(platform),
      services_(services),
      clock_(clock ? std::move(clock) : TTickClock(MillisecondTick)) {
  card_ = std::make_unique<TLumigram>(platform_, TCardWindowKind::Embedded, clock_);
  card_->ExitOnClose = false;
  card_->Info().CreatorInfo = DefaultCreatorInfo();

  timer_ = std::make_unique<TFastTimer>(platform_.Dispatcher());
  timer_->SetInterval(kTickInterval);
  tick_interval_ = kTickInterval;
  last_tick_ = clock_();

  BuildDialogSettings();

  TTextWindowSetup style;
  style.Caption = TranslateLite(editor_text::kStyleCodeCaption);
  style.Width = 300;
  style.Height = 240;
  style.FontName = editor_text::kStyleCodeFont;
  style.WordWrap = false;
  style.HorizontalScrollBar = true;
  style.VerticalScrollBar = true;
  services_.StyleCodeWindow().Setup(style);
  TTextWindowSetup message;
  message.Caption = TranslateLite(editor_text::kTextCaption);
  message.Width = 500;
  services_.MessageWindow().Setup(message);

  ConnectCard();
  NewCard(false);
  saved_ = true;
}

TLumigramCreator::~TLumigramCreator() {
  // The timer first, so that no tick arrives while the rest goes.
  timer_.reset();
  services_.MessageWindow().OnTyped = nullptr;
  services_.StyleCodeWindow().OnTyped = nullptr;
  card_->OnStateChange = nullptr;
  card_->OnBusyChange = nullptr;
  card_->OnChanged = nullptr;
  card_->Destroy();
}

void TLumigramCreator::ConnectCard() {
  card_->OnStateChange = [this](TLumigram&) { Fire(OnChanged, *this); };
  card_->OnBusyChange = [this](TLumigram& card) { SetBusy(card.Busy()); };
  services_.MessageWindow().OnTyped = [this] { MessageTyped(); };
  services_.StyleCodeWindow().OnTyped = [this] { StyleCodeTyped(); };
  timer_->SetOnTimer([this](TFastTimer&) { Tick(); });
}

// ---- The dispatcher ----------------------------------------------------------

bool TLumigramCreator::Execute(int code, const std::string& argument) {
  const TCommandRow* row =
      (code == 0 || code == INT_MIN) ? nullptr : FindCommand(code < 0 ? -code : code);
  if (!row || (code > 0 && !row->Run)) {
    last_error_ = err::kIndexOutOfRange;
    return false;
  }
  return RunCommandRow(*row, code, argument);
}

bool TLumigramCreator::RunCommandRow(const TCommandRow& row, int code,
                                     const std::string& argument) {
  try {
    if (code < 0) return !row.Query || row.Query(*this, argument);
    if (row.StartError) last_error_ = row.StartError;
    if (row.Query && !row.Query(*this, argument)) return false;
    return row.Run(*this, argument);
  } catch (const std::bad_alloc&) {
    last_error_ = err::kOutOfMemory;
    return false;
  } catch (...) {
    return false;
  }
}

void TLumigramCreator::ShowLastError() {
  platform_.Dialogs().ShowError(Translate(editor_text::kError), Translate(last_error_));
}

// ---- Undo and the saved state -----------------------------------------------

void TLumigramCreator::CopyKind(int kind, const TLumigramInfo& from, TLumigramInfo& to) {
  const bool all = kind == kUndoAll;
  if (all || kind == kUndoPicture) to.Picture = from.Picture;
  if (all || kind == kUndoCursor) to.Cursor = from.Cursor;
  if (all || kind == kUndoSound) {
    to.Sound = from.Sound;
    to.SoundType = from.SoundType;
  }
  if (all || kind == kUndoFrame) to.Frame = from.Frame;
  if (all || kind == kUndoLink) {
    to.Link = from.Link;
    to.LinkColor = from.LinkColor;
  }
  if (all || kind == kUndoMessage) {
    to.Font = from.Font;
    to.Message = from.Message;
    to.HAlign = from.HAlign;
    to.VAlign = from.VAlign;
    to.Flash = from.Flash;
  }
  // Pasting a whole card replaces its password and preferences too; undoing
  // the paste must not leave the pasted card's password behind.
  if (all) {
    to.Password = from.Password;
    to.Author = from.Author;
    to.CanEdit = from.CanEdit;
    to.CanPrint = from.CanPrint;
  }
}

bool TLumigramCreator::BeginChange(int kind) {
  if (pasting_all_) return true;
  last_error_ = err::kOutOfMemory;
  kind = Clamp(kind, kUndoNone, kUndoAll);
  undo_.Kind = kind;
  saved_ = kind == kUndoNone;
  try {
    TLumigramInfo& snapshot = undo_.Info;
    snapshot.Picture.clear();
    snapshot.Cursor.clear();
    snapshot.Sound.clear();
    snapshot.SoundType.clear();
    snapshot.Link.clear();
    snapshot.LinkColor = 0;
    snapshot.Frame = TFrameInfo{kWhite, 0, kSnapshotFrameCode, ""};
    snapshot.Font = TFont();
    snapshot.Message.clear();
    snapshot.HAlign = kAlignLeft;
    snapshot.VAlign = kAlignTop;
    snapshot.Flash = false;
    snapshot.Password = 0;
    snapshot.Author.clear();
    snapshot.CanEdit = snapshot.CanPrint = true;
    CopyKind(kind, card_->Info(), snapshot);
  } catch (...) {
    undo_.Kind = kUndoNone;
    return false;
  }
  return true;
}

bool TLumigramCreator::Undo() {
  if (!CanUndo()) return false;
  const TLumigramCreatorUndoInfo before = undo_;
  const int kind = before.Kind;
  if (!BeginChange(kind)) return false;
  const bool all = kind == kUndoAll;
  const bool soundToo = all || kind == kUndoSound;
  const bool wasPlaying = card_->IsPlaying();
  if (soundToo) card_->Stop();
  CopyKind(kind, before.Info, card_->Info());
  if (all || kind == kUndoFrame) RefreshStyleCodeWindow();
  if (all || kind == kUndoMessage) RefreshMessageWindow();
  card_->Info().State.LayoutDirty = true;
  CardRefresh(all || kind == kUndoPicture);
  if (all || kind == kUndoCursor) card_->ApplyCursor();
  if (soundToo && wasPlaying && card_->HasSound()) card_->Play();
  return true;
}

void TLumigramCreator::SetSaved(bool saved) {
  if (saved_ == saved) return;
  saved_ = saved;
  Fire(OnChanged, *this);
}

void TLumigramCreator::SetBusy(bool busy) {
  if (busy_ == busy) return;
  busy_ = busy;
  card_->SetBusy(busy);
  Fire(OnBusyChanged, *this);
}

bool TLumigramCreator::QuerySaveChanges() {
  if (saved_) return true;
  const std::string text = TranslateLite(editor_text::kSaveChangesTo) + " " + card_name_ + "?";
  switch (services_.AskWarningYesNoCancel(TranslateLite(editor_text::kWarning), text)) {
    case TWarningAnswer::Yes:
      if (!Execute(kSaveCardAs)) ShowLastError();
      break;
    case TWarningAnswer::No:
      SetSaved(true);
      break;
    case TWarningAnswer::Cancel:
      return false;
  }
  return saved_;
}

// ---- The card ----------------------------------------------------------------

void TLumigramCreator::CardRefresh(bool rebuildPicture) {
  card_->Refresh(rebuildPicture);
  Fire(OnChanged, *this);
}

void TLumigramCreator::NewCard(bool showWindow) {
  SetCardPath(editor_text::kUntitled);
  TCardWindow* window = card_->Window();
  if (showWindow && window) window->Hide();
  card_->Stop();
  card_->Reset();
  card_->Info().Frame.Color = kWhite;
  card_->ApplyCursor();
  card_->Refresh(false);
  if (showWindow && window) card_->CentreAndShow();
  BeginChange(kUndoNone);
  RefreshMessageWindow();
  RefreshStyleCodeWindow();
  Fire(OnChanged, *this);
}

void TLumigramCreator::SetCardPath(const std::string& path) {
  if (path == card_path_ && !card_name_.empty()) return;
  card_path_ = path;
  const size_t cut = path.find_last_of("/\\:");
  card_name_ = cut == std::string::npos ? path : path.substr(cut + 1);
}

// ---- Answers about the elements ------------------------------------------------

std::string TLumigramCreator::SoundClipboardType() const {
  return lumigram::SoundClipboardType(
      [this](const std::string& type) { return ClipboardFile(type); });
}

TColor TLumigramCreator::AutoLinkColor() const {
  return lumigram::AutoLinkColor(*card_);
}

// ---- Timing --------------------------------------------------------------------

void TLumigramCreator::Tick() {
  const int64_t now = clock_();
  if (now - last_tick_ < tick_interval_) return;
  last_tick_ = now;
  Fire(OnTick, *this);
}

}  // namespace lumigram
