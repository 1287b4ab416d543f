#pragma once
// Plays one sound file at a time through a sound device and reports when it
// has ended. The card owns one player: it writes its sound to a temporary
// file whose extension names the type and plays that file.
//
// Everything runs on the GUI thread; the device reports the end of playback
// there. The callbacks may call back into the player.

#include <functional>
#include <memory>
#include <string>

#include "media/sound_device.h"

namespace lumigram {

class TPlayMidi final : private TSoundDeviceEvents {
 public:
  using TEvent = std::function<void(TPlayMidi&)>;

  explicit TPlayMidi(std::unique_ptr<TSoundDevice> device);
  // Closes the device without calling back: the owner is going away too.
  ~TPlayMidi();
  TPlayMidi(const TPlayMidi&) = delete;
  TPlayMidi& operator=(const TPlayMidi&) = delete;

  // Opens and starts the file; true when playback started. Without force a
  // sound that is still playing is left alone and the answer is false; with
  // force the device is closed first.
  bool Play(const std::string& file, bool force);
  // Closes the device when one is open.
  void Close();

  bool IsOpen() const { return is_open_; }
  bool IsPlaying() const { return is_playing_; }
  bool AutoClose() const { return auto_close_; }
  void SetAutoClose(bool on) { auto_close_ = on; }
  const std::string& FileName() const { return file_name_; }
  const std::string& ErrorText() const { return error_text_; }

  // Playback ended, played through or not.
  TEvent OnNotify;
  // A play request finished, or the device was closed.
  TEvent OnChange;
  // The device was closed (also when closing failed).
  TEvent OnClosed;

 private:
  bool Open();
  bool Start();
  void SoundEnded(bool succeeded) override;

  std::unique_ptr<TSoundDevice> device_;
  bool is_open_ = false;
  bool is_playing_ = false;
  bool auto_close_ = false;
  std::string file_name_;
  std::string error_text_;
};

}  // namespace lumigram
