#pragma once
// The one thing sound playback needs from the desktop: a device that plays a
// file and says when it has ended. It lives with the player, below the card,
// so the sound layers implement it without knowing about cards.

#include <string>

namespace lumigram {

// Plays one sound file at a time. Completion is reported on the GUI thread.
class TSoundDeviceEvents {
 public:
  // Playback ended; succeeded tells whether it played to the end.
  virtual void SoundEnded(bool succeeded) = 0;

 protected:
  ~TSoundDeviceEvents() = default;
};

class TSoundDevice {
 public:
  virtual ~TSoundDevice() = default;
  virtual void SetEvents(TSoundDeviceEvents* events) = 0;
  // Opens the file (its type by its extension); false with error text.
  virtual bool Open(const std::string& file, std::string& error) = 0;
  // Starts playing from the start to the end; false with error text.
  virtual bool Start(std::string& error) = 0;
  // Stops and releases the file; false with error text.
  virtual bool Close(std::string& error) = 0;
};

}  // namespace lumigram
