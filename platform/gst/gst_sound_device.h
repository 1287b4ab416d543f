#pragma once
// A sound device on GStreamer's playbin: WAV, MP3, WMA and MIDI files, one at
// a time. The file's extension says what it holds, as with the files the card
// writes (".WAV", ".MID", ".MP3", ".WMA"); other extensions are refused.
//
// Open prerolls the file, so that a file GStreamer cannot play fails there
// with GStreamer's own text. The end of playback, or an error while playing,
// arrives on GStreamer's threads and is handed to the GUI thread through the
// dispatcher; SoundEnded is only ever called there, once per Start, and never
// after Close.

#include <memory>
#include <string>

#include "media/gui_dispatcher.h"
#include "media/sound_device.h"

namespace lumigram {

struct TGstSoundOptions {
  // A gst-launch description of the audio output ("fakesink sync=true" plays
  // in real time without a sound card); empty: the desktop's default output.
  std::string AudioSink;
  // The GStreamer library to load.
  std::string Library = "libgstreamer-1.0.so.0";
  // How long Open (and Start, to play again) waits for the file to be ready.
  int OpenTimeoutMs = 20000;
};

class TGstSoundDevice final : public TSoundDevice {
 public:
  // The dispatcher must outlive the device.
  explicit TGstSoundDevice(TGuiDispatcher& dispatcher, TGstSoundOptions options = {});
  ~TGstSoundDevice() override;
  TGstSoundDevice(const TGstSoundDevice&) = delete;
  TGstSoundDevice& operator=(const TGstSoundDevice&) = delete;

  void SetEvents(TSoundDeviceEvents* events) override;
  bool Open(const std::string& file, std::string& error) override;
  bool Start(std::string& error) override;
  bool Close(std::string& error) override;

 private:
  struct TImpl;
  // Shared with the reports queued for the GUI thread, which hold it weakly:
  // they find the device gone instead of calling into freed memory.
  std::shared_ptr<TImpl> impl_;
};

}  // namespace lumigram
