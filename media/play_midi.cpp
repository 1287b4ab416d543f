#include "media/play_midi.h"

#include <utility>

#include "util/error_texts.h"
#include "util/event.h"

namespace lumigram {

TPlayMidi::TPlayMidi(std::unique_ptr<TSoundDevice> device) : device_(std::move(device)) {
  if (device_) device_->SetEvents(this);
}

TPlayMidi::~TPlayMidi() {
  if (!device_) return;
  device_->SetEvents(nullptr);
  if (is_open_) {
    std::string ignored;
    device_->Close(ignored);
  }
}

bool TPlayMidi::Play(const std::string& file, bool force) {
  if (is_playing_ && !force) return false;
  if (force) Close();
  file_name_ = file;
  error_text_ = err::kFileInUse;
  const bool started = Open() && Start();
  if (!started) Close();
  Fire(OnChange, *this);
  return started;
}

bool TPlayMidi::Open() {
  if (is_open_) Close();
  std::string error;
  if (!device_ || !device_->Open(file_name_, error)) {
    error_text_ = error.empty() ? err::kFileInUse : error;
    return false;
  }
  is_open_ = true;
  return true;
}

bool TPlayMidi::Start() {
  if (!is_open_) return false;
  is_playing_ = true;
  std::string error;
  if (!device_->Start(error)) {
    // Nothing plays: saying otherwise would block every later Play without
    // force, should the close that follows fail.
    is_playing_ = false;
    error_text_ = error.empty() ? err::kUnexpectedError : error;
    return false;
  }
  return true;
}

void TPlayMidi::Close() {
  if (!is_open_) return;
  std::string error;
  if (device_->Close(error)) {
    is_open_ = false;
    is_playing_ = false;
  } else {
    error_text_ = error.empty() ? err::kUnexpectedError : error;
  }
  Fire(OnChange, *this);
  Fire(OnClosed, *this);
}

void TPlayMidi::SoundEnded(bool) {
  if (!is_playing_) return;
  // Cleared before the callback, so that whoever it tells sees the sound as
  // ended and may play again.
  is_playing_ = false;
  Fire(OnNotify, *this);
  // The callback may have started another sound: that one stays.
  if (auto_close_ && !is_playing_) Close();
}

}  // namespace lumigram
