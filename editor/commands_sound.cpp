// The sound commands. A copied sound goes to two clipboard files: "SND",
// and the file of its type ("MID", "WAV", "MP3" or "WMA"), from which a
// paste reads it back with its type.

#include <cstdlib>

#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {

namespace {

constexpr const char* kSoundClipboard = "SND";
constexpr const char* kSoundClipboardTypes[] = {"MID", "WAV", "MP3", "WMA"};

// The save dialog offers the one format the sound is in.
std::string SaveSoundFilter(const std::string& type) {
  namespace t = editor_text;
  if (type == "MP3") return TranslateLite(t::kMp3) + " (*.mp3)|*.mp3";
  if (type == "WMA") return TranslateLite(t::kWindowsMediaAudio) + " (*.wma)|*.wma";
  if (type == "WAV") return TranslateLite(t::kWave) + " (*.wav)|*.wav";
  return TranslateLite(t::kMidi) + " (*.mid)|*.mid";
}

}  // namespace

TCommandRows TLumigramCreator::SoundCommands() {
  using C = TLumigramCreator;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {21, &C::QueryHasSound, &C::ClearSound, kFailed},
      {22, &C::QueryHasSound, &C::CutSound, kFailed},
      {23, &C::QueryHasSound, &C::CopySound, kFailed},
      {24, &C::QueryCanPasteSound, &C::PasteSound, kFailed},
      {25, nullptr, &C::LoadSoundFile, kFailed},
      {26, nullptr, &C::SelectSound, kFailed},
      {27, &C::QueryCanPlay, &C::PlaySound, kFailed},
      {28, &C::QueryCanStop, &C::StopSound, kFailed},
      {29, &C::QueryHasVolumeControl, &C::VolumeControl, kFailed},
      {30, &C::QueryHasSound, &C::SaveSoundToFile, kFailed},
      {300, &C::QueryHasSound, &C::SaveSound, kFailed},
      {301, &C::QuerySoundFolder, &C::ViewSoundFolder, kFailed},
  };
  return kRows;
}

std::string TLumigramCreator::SoundClipboardType() const {
  uint32_t age = 0;
  if (!FileExistsNotFolder(ClipboardFile(kSoundClipboard), &age)) return {};
  // The typed file written with "SND" has nearly its age; an earlier type
  // wins a tie.
  std::string best;
  int64_t bestDistance = 0;
  for (const char* type : kSoundClipboardTypes) {
    uint32_t typed = 0;
    if (!FileExistsNotFolder(ClipboardFile(type), &typed)) continue;
    const int64_t distance = std::llabs(int64_t(age) - int64_t(typed));
    if (best.empty() || distance < bestDistance) {
      best = type;
      bestDistance = distance;
    }
  }
  return best;
}

bool TLumigramCreator::QueryHasSound(const std::string&) {
  return card_->HasSound();
}

bool TLumigramCreator::QueryCanPasteSound(const std::string&) {
  if (!ClipboardFileExists(kSoundClipboard)) return false;
  const std::string type = SoundClipboardType();
  return !type.empty() && FormatCheck(ClipboardFile(type), SoundFormatsFilter());
}

bool TLumigramCreator::QueryCanPlay(const std::string&) {
  return card_->CanPlay();
}

bool TLumigramCreator::QueryCanStop(const std::string&) {
  return card_->CanStop();
}

bool TLumigramCreator::QueryHasVolumeControl(const std::string&) {
  return !services_.VolumeControlProgram().empty();
}

bool TLumigramCreator::QuerySoundFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenSound).empty();
}

bool TLumigramCreator::ClearSound(const std::string&) {
  if (!BeginChange(kUndoSound)) return false;
  const bool cleared = card_->SetSoundFromFile({});
  if (!cleared) last_error_ = card_->LastError();
  Fire(OnChanged);
  return cleared;
}

bool TLumigramCreator::CutSound(const std::string&) {
  return Execute(23) && Execute(21);
}

bool TLumigramCreator::CopySound(const std::string&) {
  last_error_ = err::kTaskFailed;
  const TLumigramInfo& info = card_->Info();
  // Typed files of earlier copies go, so that a paste cannot take one of
  // them for this copy's type when both were written within the same two
  // seconds the file ages can tell apart.
  for (const char* type : kSoundClipboardTypes)
    if (info.SoundType != type) DeleteFileIfExists(ClipboardFile(type));
  if (!WriteClipboardFile(kSoundClipboard, info.Sound)) return false;
  return WriteClipboardFile(info.SoundType, info.Sound);
}

bool TLumigramCreator::PasteSound(const std::string&) {
  last_error_ = err::kTaskFailed;
  const std::string type = SoundClipboardType();
  if (type.empty()) return false;
  return Execute(25, ClipboardFile(type));
}

bool TLumigramCreator::LoadSoundFile(const std::string& file) {
  if (!BeginChange(kUndoSound)) return false;
  last_error_ = err::kTaskFailed;
  TLumigramInfo& info = card_->Info();
  const bool wasPlaying = card_->IsPlaying();
  std::string sound = info.Sound;
  std::string type = info.SoundType;
  const bool loaded = card_->SetSoundFromFile(file);
  if (!loaded) {
    const std::string error = card_->LastError();
    last_error_ = error.empty() ? err::kUnknownFormat : error;
    // The card lets go of its sound before reading the new one; a file it
    // cannot take must not cost the user the sound that was there.
    info.Sound = std::move(sound);
    info.SoundType = std::move(type);
    card_->Refresh(false);
  }
  if (wasPlaying && Execute(-27)) card_->Play();
  Fire(OnChanged);
  return loaded;
}

bool TLumigramCreator::SelectSound(const std::string& folder) {
  TOpenInfo& setting = DialogSetting(TDialogSetting::OpenSound);
  setting.Filter = SoundFormatsFilter();
  if (!RunFileDialog(TDialogSetting::OpenSound, TFileDialogKind::Open, folder)) return true;
  if (!FormatCheck(setting.FileName, setting.Filter)) return false;
  return Execute(25, setting.FileName);
}

bool TLumigramCreator::PlaySound(const std::string&) {
  if (card_->Play()) return true;
  last_error_ = card_->LastError();
  return false;
}

bool TLumigramCreator::StopSound(const std::string&) {
  if (card_->Stop()) return true;
  last_error_ = card_->LastError();
  return false;
}

bool TLumigramCreator::VolumeControl(const std::string&) {
  last_error_ = err::kTaskFailed;
  const std::vector<std::string> program = services_.VolumeControlProgram();
  return !program.empty() && services_.StartProgram(program);
}

bool TLumigramCreator::SaveSoundToFile(const std::string& file) {
  return WriteElementFile(file, card_->Info().Sound);
}

bool TLumigramCreator::SaveSound(const std::string&) {
  TOpenInfo& setting = DialogSetting(TDialogSetting::SaveSound);
  setting.Filter = SaveSoundFilter(card_->Info().SoundType);
  setting.FilterIndex = 1;
  if (!RunFileDialog(TDialogSetting::SaveSound, TFileDialogKind::Save, {})) return true;
  return Execute(30, setting.FileName);
}

bool TLumigramCreator::ViewSoundFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenSound);
}

}  // namespace lumigram
