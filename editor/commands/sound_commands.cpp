// The sound commands. A copied sound goes to two clipboard files: "SND",
// and the file of its type ("MID", "WAV", "MP3" or "WMA"), from which a
// paste reads it back with its type.

#include <cstdlib>

#include "card/card_platform.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/commands/command_context.h"
#include "editor/commands/command_table.h"
#include "editor/commands/element_answers.h"
#include "editor/editor_services.h"
#include "editor/editor_texts.h"
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

class TSoundCommands : public TCommandContext {
 public:
  using TCommandContext::TCommandContext;

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

 private:
  std::string ClipboardSoundType() const {
    return SoundClipboardType([this](const std::string& type) { return ClipboardFile(type); });
  }
};

}  // namespace

TCommandRows SoundCommands() {
  using C = TSoundCommands;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {kClearSound, Handler<&C::QueryHasSound>, Handler<&C::ClearSound>, kFailed},
      {kCutSound, Handler<&C::QueryHasSound>, Handler<&C::CutSound>, kFailed},
      {kCopySound, Handler<&C::QueryHasSound>, Handler<&C::CopySound>, kFailed},
      {kPasteSound, Handler<&C::QueryCanPasteSound>, Handler<&C::PasteSound>, kFailed},
      {kLoadSoundFile, nullptr, Handler<&C::LoadSoundFile>, kFailed},
      {kSelectSound, nullptr, Handler<&C::SelectSound>, kFailed},
      {kPlaySound, Handler<&C::QueryCanPlay>, Handler<&C::PlaySound>, kFailed},
      {kStopSound, Handler<&C::QueryCanStop>, Handler<&C::StopSound>, kFailed},
      {kVolumeControl, Handler<&C::QueryHasVolumeControl>, Handler<&C::VolumeControl>, kFailed},
      {kSaveSoundToFile, Handler<&C::QueryHasSound>, Handler<&C::SaveSoundToFile>, kFailed},
      {kSaveSoundAs, Handler<&C::QueryHasSound>, Handler<&C::SaveSound>, kFailed},
      {kViewSoundFolder, Handler<&C::QuerySoundFolder>, Handler<&C::ViewSoundFolder>, kFailed},
  };
  return kRows;
}

std::string SoundClipboardType(const TClipboardFileOf& clipboardFile) {
  uint32_t age = 0;
  if (!FileExistsNotFolder(clipboardFile(kSoundClipboard), &age)) return {};
  // The typed file written with "SND" has nearly its age; an earlier type
  // wins a tie.
  std::string best;
  int64_t bestDistance = 0;
  for (const char* type : kSoundClipboardTypes) {
    uint32_t typed = 0;
    if (!FileExistsNotFolder(clipboardFile(type), &typed)) continue;
    const int64_t distance = std::llabs(int64_t(age) - int64_t(typed));
    if (best.empty() || distance < bestDistance) {
      best = type;
      bestDistance = distance;
    }
  }
  return best;
}

bool TSoundCommands::QueryHasSound(const std::string&) {
  return Card().HasSound();
}

bool TSoundCommands::QueryCanPasteSound(const std::string&) {
  if (!ClipboardFileExists(kSoundClipboard)) return false;
  const std::string type = ClipboardSoundType();
  return !type.empty() && FormatCheck(ClipboardFile(type), SoundFormatsFilter());
}

bool TSoundCommands::QueryCanPlay(const std::string&) {
  return Card().CanPlay();
}

bool TSoundCommands::QueryCanStop(const std::string&) {
  return Card().CanStop();
}

bool TSoundCommands::QueryHasVolumeControl(const std::string&) {
  return !Services().VolumeControlProgram().empty();
}

bool TSoundCommands::QuerySoundFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenSound).empty();
}

bool TSoundCommands::ClearSound(const std::string&) {
  if (!BeginChange(kUndoSound)) return false;
  const bool cleared = Card().SetSoundFromFile({});
  if (!cleared) Error() = Card().LastError();
  Changed();
  return cleared;
}

bool TSoundCommands::CutSound(const std::string&) {
  return Execute(kCopySound) && Execute(kClearSound);
}

bool TSoundCommands::CopySound(const std::string&) {
  Error() = err::kTaskFailed;
  const TLumigramInfo& info = Card().Info();
  // Typed files of earlier copies go, so that a paste cannot take one of
  // them for this copy's type when both were written within the same two
  // seconds the file ages can tell apart.
  for (const char* type : kSoundClipboardTypes)
    if (info.SoundType != type) DeleteFileIfExists(ClipboardFile(type));
  if (!WriteClipboardFile(kSoundClipboard, info.Sound)) return false;
  return WriteClipboardFile(info.SoundType, info.Sound);
}

bool TSoundCommands::PasteSound(const std::string&) {
  Error() = err::kTaskFailed;
  const std::string type = ClipboardSoundType();
  if (type.empty()) return false;
  return Execute(kLoadSoundFile, ClipboardFile(type));
}

bool TSoundCommands::LoadSoundFile(const std::string& file) {
  if (!BeginChange(kUndoSound)) return false;
  Error() = err::kTaskFailed;
  TLumigramInfo& info = Card().Info();
  const bool wasPlaying = Card().IsPlaying();
  std::string sound = info.Sound;
  std::string type = info.SoundType;
  const bool loaded = Card().SetSoundFromFile(file);
  if (!loaded) {
    const std::string error = Card().LastError();
    Error() = error.empty() ? err::kUnknownFormat : error;
    // The card lets go of its sound before reading the new one; a file it
    // cannot take must not cost the user the sound that was there.
    info.Sound = std::move(sound);
    info.SoundType = std::move(type);
    Card().Refresh(false);
  }
  if (wasPlaying && Execute(-kPlaySound)) Card().Play();
  Changed();
  return loaded;
}

bool TSoundCommands::SelectSound(const std::string& folder) {
  TOpenInfo& setting = DialogSetting(TDialogSetting::OpenSound);
  setting.Filter = SoundFormatsFilter();
  if (!RunFileDialog(TDialogSetting::OpenSound, TFileDialogKind::Open, folder)) return true;
  if (!FormatCheck(setting.FileName, setting.Filter)) return false;
  return Execute(kLoadSoundFile, setting.FileName);
}

bool TSoundCommands::PlaySound(const std::string&) {
  if (Card().Play()) return true;
  Error() = Card().LastError();
  return false;
}

bool TSoundCommands::StopSound(const std::string&) {
  if (Card().Stop()) return true;
  Error() = Card().LastError();
  return false;
}

bool TSoundCommands::VolumeControl(const std::string&) {
  Error() = err::kTaskFailed;
  const std::vector<std::string> program = Services().VolumeControlProgram();
  return !program.empty() && Platform().Desktop().StartProgram(program);
}

bool TSoundCommands::SaveSoundToFile(const std::string& file) {
  return WriteElementFile(file, Card().Info().Sound);
}

bool TSoundCommands::SaveSound(const std::string&) {
  TOpenInfo& setting = DialogSetting(TDialogSetting::SaveSound);
  setting.Filter = SaveSoundFilter(Card().Info().SoundType);
  setting.FilterIndex = 1;
  if (!RunFileDialog(TDialogSetting::SaveSound, TFileDialogKind::Save, {})) return true;
  return Execute(kSaveSoundToFile, setting.FileName);
}

bool TSoundCommands::ViewSoundFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenSound);
}

}  // namespace lumigram
