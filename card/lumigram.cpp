#include "card/lumigram.h"

#include <algorithm>
#include <exception>
#include <new>
#include <thread>

#include "card/card_texts.h"
#include "card/links.h"
#include "card/message_file.h"
#include "card/password_hash.h"
#include "imaging/bmp/bmp_file.h"
#include "imaging/jpeg/jpeg_reader.h"
#include "imaging/jpeg/optimised_image.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/event.h"
#include "util/files.h"
#include "util/temp_file_name.h"
#include "util/text.h"

namespace lumigram {

namespace {

// How often the flash looks at the clock; it toggles by the clock, not the ticks.
constexpr int kFlashTimerIntervalMs = 8;
// Cursor files are small; an animated one with many large frames still fits.
constexpr int64_t kMaxCursorFileBytes = int64_t(64) << 20;
constexpr int64_t kMaxSoundFileBytes = int64_t(512) << 20;
constexpr const char* kSoundTypes[] = {"WMA", "MP3", "WAV", "MID"};

// The picture the bytes hold; empty when they do not decode.
TBitmap DecodePicture(std::string_view bytes, int maxSide) {
  TOptimisedImage image;
  image.SetMaxSide(maxSide);
  if (!image.FromBytes(bytes)) return {};
  return image.TakePicture();
}

// Decodes a picture on a thread of its own. The worker sees only its own
// copy of the bytes and its own image; the owner waits for it to finish.
class TPictureWorker {
 public:
  TPictureWorker() = default;
  TPictureWorker(const TPictureWorker&) = delete;
  TPictureWorker& operator=(const TPictureWorker&) = delete;
  ~TPictureWorker() { Wait(); }

  void Start(std::string_view bytes, int maxSide) {
    try {
      bytes_.assign(bytes);
      thread_ = std::thread([this, maxSide] {
        try {
          picture_ = DecodePicture(bytes_, maxSide);
        } catch (...) {
          picture_ = {};  // no memory: the white square
        }
      });
    } catch (...) {
      // No thread: the picture is decoded on the caller's as ever.
    }
  }

  // The picture when the worker decoded these very bytes.
  bool Take(const std::string& bytes, TBitmap& picture) {
    if (!thread_.joinable()) return false;
    Wait();
    if (bytes != bytes_) return false;
    picture = std::move(picture_);
    return true;
  }

 private:
  void Wait() {
    if (thread_.joinable()) thread_.join();
  }

  std::string bytes_;
  TBitmap picture_;
  std::thread thread_;
};

}  // namespace

TLumigram::TLumigram(TCardPlatform& platform, TCardWindowKind kind, TTickClock clock)
    : platform_(platform),
      clock_(clock ? std::move(clock) : TTickClock(MillisecondTick)),
      standalone_(kind == TCardWindowKind::Standalone),
      max_picture_side_(kMaxJpegSide) {
  window_ = platform_.CreateCardWindow(kind);
  if (window_) {
    window_->SetEvents(this);
    window_->SetCaption(TranslateLite(card_text::kWindowCaption));
  }
  popup_ = platform_.CreatePopup();
  player_ = std::make_unique<TPlayMidi>(platform_.CreateSoundDevice());
  player_->SetAutoClose(true);
  player_->OnNotify = [this](TPlayMidi&) { Fire(OnStateChange, *this); };
  player_->OnChange = [this](TPlayMidi&) { Fire(OnStateChange, *this); };
  player_->OnClosed = [this](TPlayMidi&) { DeleteSoundFiles(); };
  for (const char* type : kSoundTypes) sound_files_.emplace_back(type, std::string());

  link_label_ = labels_.NewLabel();
  TFont linkFont = link_label_->Font();
  linkFont.Underline = true;
  link_label_->SetFont(linkFont);
  link_label_->SetCaption("");
  link_label_->Hint = card_text::kLinkHint;
  link_label_->OnClick = [this](TSimpleLabel&) { FollowLink(); };
  menu_label_ = labels_.NewLabel();
  menu_label_->SetCaption(TranslateLite(card_text::kMenuCaption));
  menu_label_->Hint = card_text::kMenuHint;
  menu_label_->SetVisible(true);
  menu_label_->OnClick = [this](TSimpleLabel&) { PopupAtMouse(); };

  info_.State.LastToggle = clock_();
  timer_ = std::make_unique<TFastTimer>(platform_.Dispatcher());
  timer_->SetInterval(kFlashTimerIntervalMs);
  timer_->SetEnabled(false);
  timer_->SetOnTimer([this](TFastTimer&) { FlashTick(clock_()); });

  Reset();
}

TLumigram::~TLumigram() {
  timer_.reset();
  if (window_) window_->SetEvents(nullptr);
  player_.reset();
  DeleteSoundFiles();
}

void TLumigram::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  timer_.reset();
  player_.reset();
  DeleteSoundFiles();
  // The window itself stays until the card goes: this may run inside one of
  // its own events.
  if (window_) {
    window_->SetEvents(nullptr);
    window_->Hide();
  }
  if (standalone_) platform_.Quit();
}

void TLumigram::Exit() {
  if (standalone_) Destroy();
}

void TLumigram::SetDataCaps(int64_t maxBodyBytes, int maxPictureSide) {
  max_body_bytes_ = maxBodyBytes;
  max_picture_side_ = maxPictureSide;
}

// ---- Content ---------------------------------------------------------------

void TLumigram::Reset() {
  SetDefaults();
  info_.State.LayoutDirty = true;
  info_.State.MessageDirty = false;
  info_.State.FrameDirty = false;
  info_.State.RepaintDue = false;
  Refresh(true);
}

void TLumigram::Normalise() {
  TLumigramDrawState& state = info_.State;
  if (NormaliseInfo(info_)) state.LayoutDirty = true;
  const std::string caption = LinkCaption(info_.Link);
  if (caption != link_label_->Caption()) {
    link_label_->SetCaption(caption);
    state.LayoutDirty = true;
  }
  for (TSimpleLabel* label : {link_label_, menu_label_}) {
    if (label->Font().Color == info_.LinkColor) continue;
    TFont font = label->Font();
    font.Color = info_.LinkColor;
    label->SetFont(font);
  }
  link_label_->SetVisible(!caption.empty());
  UpdateTimer();
}

void TLumigram::Refresh(bool rebuildPicture) {
  Normalise();
  if (rebuildPicture) RebuildPicture();
  Compose();
}

void TLumigram::RebuildPicture() {
  TBitmap picture;
  try {
    if (!info_.Picture.empty()) picture = DecodePicture(info_.Picture, max_picture_side_);
  } catch (...) {
  }
  SetPicture(std::move(picture));
}

void TLumigram::SetPicture(TBitmap picture) {
  info_.State.LayoutDirty = true;
  if (!picture.Empty()) {
    picture_ = std::move(picture);
    return;
  }
  info_.Picture.clear();
  if (!picture_.SetSize(TOptimisedImage::kResetSide, TOptimisedImage::kResetSide)) picture_ = {};
  picture_.Fill(kWhite);
}

bool TLumigram::ApplyCursor() {
  last_error_ = err::kUnknownFormat;
  if (!info_.Cursor.empty()) {
    TCursorImage cursor;
    std::string error;
    if (ReadCursorFile(info_.Cursor, cursor, error)) {
      cursor_ = std::move(cursor);
      if (window_) window_->SetCursor(&*cursor_);
      return true;
    }
  }
  info_.Cursor.clear();
  cursor_.reset();
  if (window_) window_->SetCursor(nullptr);
  return false;
}

void TLumigram::SetPictureData(const std::string& bytes) {
  info_.Picture = bytes;
  Normalise();
  RebuildPicture();
  Compose();
  Fire(OnChanged, *this);
}

bool TLumigram::SetCursorFromFile(const std::string& path) {
  std::string data, error;
  if (!ReadFileToString(path, data, error, kMaxCursorFileBytes)) {
    last_error_ = error;
    return false;
  }
  info_.Cursor = std::move(data);
  const bool applied = ApplyCursor();
  Refresh(false);
  Fire(OnChanged, *this);
  return applied;
}

bool TLumigram::SetSoundFromFile(const std::string& path) {
  last_error_ = err::kOutOfMemory;
  Stop();
  info_.Sound.clear();
  info_.SoundType.clear();
  if (!path.empty()) {
    std::string error;
    if (!ReadFileToString(path, info_.Sound, error, kMaxSoundFileBytes)) {
      info_.Sound.clear();
      last_error_ = error;
      return false;
    }
    info_.SoundType = NormaliseSoundType(ExtractExtension(ExtractFileName(path)));
  }
  Refresh(false);
  Fire(OnChanged, *this);
  if (path.empty() || HasSound()) return true;
  last_error_ = err::kUnknownFormat;
  return false;
}

// ---- Sound -----------------------------------------------------------------

bool TLumigram::IsPlaying() const {
  return player_ && player_->IsPlaying();
}

std::string TLumigram::SoundFileFor(const std::string& type) {
  for (auto& [kind, name] : sound_files_) {
    if (kind != type) continue;
    if (name.empty()) name = MakeTempFileName(kind);
    return name;
  }
  return {};
}

void TLumigram::DeleteSoundFiles() {
  for (const auto& entry : sound_files_)
    if (!entry.second.empty()) DeleteFileIfExists(entry.second);
}

bool TLumigram::Play() {
  last_error_ = err::kUnexpectedError;
  if (!CanPlay() || destroyed_) return false;
  platform_.Desktop().ProcessPendingEvents();
  player_->Close();
  const std::string file = SoundFileFor(info_.SoundType);
  if (file.empty()) {
    last_error_ = err::kFileInUse;
    return false;
  }
  std::string error;
  if (!WriteStringToFile(file, info_.Sound, error)) {
    last_error_ = error;
    return false;
  }
  if (!player_->Play(file, true)) {
    last_error_ = player_->ErrorText();
    return false;
  }
  return true;
}

bool TLumigram::Stop() {
  if (player_) player_->Close();
  return true;
}

// ---- Card data -------------------------------------------------------------

bool TLumigram::SaveToString(std::string& data) {
  last_error_ = err::kOutOfMemory;
  data.clear();
  try {
    Normalise();
    RebuildPicture();
    Compose();
    RenderMessage(true);
    const std::string bitmapFile = WriteBmpFile(message_bitmap_);
    if (bitmapFile.empty()) return false;
    return WriteCardData(info_, bitmapFile, data, last_error_);
  } catch (...) {
    last_error_ = err::kOutOfMemory;
    data.clear();
    return false;
  }
}

bool TLumigram::AskPassword(double password) {
  std::string typed;
  if (!platform_.Dialogs().AskPassword(TranslateLite(card_text::kProductTitle),
                                       TranslateLite(card_text::kEnterPassword), typed))
    return false;
  return PasswordHash(typed) == password;
}

bool TLumigram::LoadFromString(std::string_view data) {
  TCardReadOptions options;
  options.MaxBodyBytes = max_body_bytes_;
  if (!standalone_)
    options.CheckPassword = [this](double password) { return AskPassword(password); };
  // The picture decodes on a worker while the rest of the body, often a
  // sound of megabytes, inflates here.
  TPictureWorker early;
  options.OnPicture = [&](std::string_view picture) { early.Start(picture, max_picture_side_); };
  TCardReadOutcome outcome = ReadCardData(data, info_, options);
  if (!outcome.MagicMatched) {
    last_error_ = outcome.Error;
    return false;
  }
  bool complete = outcome.Complete;
  if (standalone_) {
    if (outcome.HasCreatorInfo) info_.CreatorInfo = std::move(outcome.CreatorInfo);
    message_bitmap_ = TBitmap();
    if (outcome.HasMessageBitmap && !outcome.MessageBitmapFile.empty()) {
      int depth = 0;
      std::string error;
      if (!ReadBmpFile(outcome.MessageBitmapFile, message_bitmap_, depth, error,
                       max_picture_side_)) {
        complete = false;
        if (outcome.Error.empty()) outcome.Error = err::kUnknownFormat;
      }
    }
  }
  Normalise();
  TBitmap picture;
  if (early.Take(info_.Picture, picture))
    SetPicture(std::move(picture));
  else
    RebuildPicture();
  ApplyCursor();
  info_.State.LayoutDirty = true;
  Compose();
  Fire(OnChanged, *this);
  last_error_ = complete ? std::string() : outcome.Error;
  return complete;
}

bool TLumigram::LoadFromFile(const std::string& path, int64_t position) {
  last_error_ = err::kFileNotFound;
  std::string data, error;
  if (!ReadFileToString(path, data, error)) {
    last_error_ = error;
    return false;
  }
  card_file_ = path;
  const size_t start = size_t(std::clamp<int64_t>(position - 1, 0, int64_t(data.size())));
  return LoadFromString(std::string_view(data).substr(start));
}

std::string TLumigram::CardFile() const {
  return card_file_.empty() ? platform_.ProgramFile() : card_file_;
}

void TLumigram::SetBusy(bool on) {
  if (busy_ == on) return;
  busy_ = on;
  if (window_) window_->SetBusyCursor(on);
  Fire(OnBusyChange, *this);
}

void TLumigram::ShowLastError() {
  platform_.Dialogs().ShowError(TranslateLite(card_text::kError), TranslateLite(last_error_));
}

// ---- Message files and link objects ----------------------------------------

std::string TLumigram::WriteMessageFile() const {
  return lumigram::WriteMessageFile(info_);
}

bool TLumigram::ReadMessageFile(std::string_view bytes) {
  last_error_ = err::kUnknownFormat;
  const TMessageFileResult result = lumigram::ReadMessageFile(bytes, info_);
  if (result == TMessageFileResult::WrongMagic) return false;
  Refresh(true);
  return result == TMessageFileResult::Complete;
}

std::string TLumigram::WriteLinkObject() const {
  return lumigram::WriteLinkObject({info_.Link, info_.LinkColor});
}

bool TLumigram::ReadLinkObject(std::string_view bytes) {
  TLinkObject link;
  if (!lumigram::ReadLinkObject(bytes, link)) {
    last_error_ = err::kUnknownFormat;
    return false;
  }
  info_.Link = std::move(link.Link);
  info_.LinkColor = link.LinkColor;
  Refresh(false);
  return true;
}

}  // namespace lumigram
