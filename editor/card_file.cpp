// Card files: the viewer program padded to a fixed size, then the card data.
// Writing goes beside the target and is renamed over it, so a failed save
// leaves the old file as it was.

#include <cstdio>
#include <memory>

#include "card/lumigram.h"
#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "util/error_texts.h"
#include "util/event.h"
#include "util/files.h"

namespace lumigram {

namespace {

// What a saved card's file holds before its card data.
constexpr size_t kViewerPartSize = size_t(kCardDataOffset);

}  // namespace

bool TLumigramCreator::WriteCardFile(const std::string& file) {
  last_error_ = editor_text::kDataCorrupt;
  if (viewer_image_.empty()) return false;
  last_error_ = err::kOutOfMemory;
  std::string bytes = viewer_image_.substr(0, kViewerPartSize);
  bytes.resize(kViewerPartSize, '\0');
  std::string data;
  if (!card_->SaveToString(data)) {
    last_error_ = card_->LastError().empty() ? err::kOutOfMemory : card_->LastError();
    return false;
  }
  bytes += data;
  data.clear();
  last_error_ = err::kOutOfDiskSpace;
  std::string error;
  if (!WriteStringToFile(file, bytes, error, true)) {
    if (!error.empty()) last_error_ = error;
    return false;
  }
  return true;
}

bool TLumigramCreator::SaveCard(const std::string& file) {
  const bool written = WriteCardFile(file);
  if (written) {
    SetCardPath(file);
    saved_ = true;
  }
  Fire(OnChanged, *this);
  return written;
}

bool TLumigramCreator::IsCardFile(const std::string& file) {
  if (!FileExistsNotFolder(file)) return true;
  last_error_ = err::kFileInUse;
  bool card = false;
  const std::unique_ptr<FILE, int (*)(FILE*)> in(std::fopen(file.c_str(), "rb"), std::fclose);
  if (in && std::fseek(in.get(), long(kCardDataOffset), SEEK_SET) == 0) {
    char magic[5] = {};
    card = std::fread(magic, 1, sizeof magic, in.get()) == sizeof magic &&
           std::string_view(magic, sizeof magic) == kCardMagic;
  }
  if (!card) last_error_ = editor_text::kProgramExists;
  return card;
}

bool TLumigramCreator::LoadCardData(const std::string& file) {
  last_error_ = err::kOutOfMemory;
  const bool wasPlaying = card_->IsPlaying();
  card_->Stop();
  const bool loaded = card_->LoadFromFile(file, kCardDataOffset + 1);
  if (!loaded) {
    last_error_ = card_->LastError().empty() ? err::kUnknownFormat : card_->LastError();
    // Whatever was read of a card that failed, or a password it was refused,
    // must not stay behind in the editor.
    card_->Reset();
    card_->ApplyCursor();
  }
  const std::string error = last_error_;
  RefreshMessageWindow();
  RefreshStyleCodeWindow();
  MessageTyped();
  if (wasPlaying && card_->CanPlay()) card_->Play();
  last_error_ = error;
  Fire(OnChanged, *this);
  return loaded;
}

bool TLumigramCreator::LoadCard(const std::string& file) {
  const bool loaded = LoadCardData(file);
  const std::string error = last_error_;
  // A card that could not be opened is a new one: saving it must not
  // overwrite the file it came from, nor the card shown before.
  SetCardPath(loaded ? file : std::string(editor_text::kUntitled));
  saved_ = true;
  BeginChange(kUndoNone);
  last_error_ = error;
  Fire(OnChanged, *this);
  return loaded;
}

bool TLumigramCreator::PasteAllFrom(const std::string& file) {
  // The loader's own changes belong to this one undo step.
  pasting_all_ = true;
  bool loaded = false;
  try {
    loaded = LoadCardData(file);
  } catch (...) {
    pasting_all_ = false;
    throw;
  }
  pasting_all_ = false;
  saved_ = false;
  Fire(OnChanged, *this);
  return loaded;
}

}  // namespace lumigram
