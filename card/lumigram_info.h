#pragma once
// One card's content: everything a card file stores, plus the drawing state
// the card keeps while it is shown. The editor copies whole records for its
// undo snapshot.

#include <cstdint>
#include <string>
#include <vector>

#include "frames/frame_info.h"
#include "imaging/text/font.h"
#include "util/colour.h"

namespace lumigram {

inline constexpr const char* kCardMagic = "LG1.0";

// Message alignment: HAlign 0 left, 1 right, 2 centred; VAlign 0 top,
// 1 bottom, 2 centred.
inline constexpr uint8_t kAlignLeft = 0;
inline constexpr uint8_t kAlignRight = 1;
inline constexpr uint8_t kAlignTop = 0;
inline constexpr uint8_t kAlignBottom = 1;
inline constexpr uint8_t kAlignCentre = 2;

// The longest message text a card keeps, in bytes.
inline constexpr size_t kMessageMaxLength = 32767;

// Not stored; set by the card itself and by the editor's tools.
struct TLumigramDrawState {
  bool PaintLock = false;     // a composition is running
  bool LayoutDirty = true;    // size or labels changed: rebuild everything
  bool MessageDirty = false;  // redraw picture and message
  bool FrameDirty = false;    // repaint the frame only
  bool RepaintDue = false;    // the flash timer asks for a composition
  int64_t LastToggle = 0;     // millisecond tick of the last flash change
  bool FlashOn = true;        // the message is in its visible phase
  bool ForceMessage = false;  // show the message in the hidden phase too
};

struct TLumigramInfo {
  std::string Version = kCardMagic;
  // 0: no password; above 0: PasswordHash of the editing password.
  double Password = 0;
  // An optimised image's bytes; empty: no picture.
  std::string Picture;
  std::string Sound;
  // "WAV", "MID", "MP3" or "WMA" once normalised; empty without a sound.
  std::string SoundType;
  // The bytes of a cursor, animated cursor or icon file.
  std::string Cursor;
  // Web or mail address with its scheme.
  std::string Link;
  // Text colour of both hot spots.
  TColor LinkColor = kBlack;
  // Shown under the second heading of About; a reset keeps it.
  std::string CreatorInfo;
  std::string Author;
  bool CanEdit = true;
  bool CanPrint = true;
  TFrameInfo Frame = NewCardFrame();
  // Face, size, style, character set and colour of the message.
  TFont Font;
  std::vector<std::string> Message;
  uint8_t HAlign = kAlignLeft;
  uint8_t VAlign = kAlignTop;
  bool Flash = false;

  TLumigramDrawState State;
};

// Every stored field equal; the drawing state and Frame.Extra (never
// stored) do not count.
bool SameContent(const TLumigramInfo& a, const TLumigramInfo& b);

// Every field to its default except CreatorInfo; the drawing state stays.
void SetDefaults(TLumigramInfo& info);

// "WAV", "MID", "MP3" or "WMA" for the types a card plays (and their
// aliases: RMI, MIDI; SND, AU, AIF, AIFC, AIFF; M3U), in any case; empty
// for anything else.
std::string NormaliseSoundType(const std::string& type);

// The sound type is one the card plays and there are sound bytes.
bool HasSound(const TLumigramInfo& info);

// The record's own rules: the version back to "LG1.0", the sound type
// normalised (no playable sound empties both sound fields), the frame size
// kept within 0..255 and an empty style code replaced by the default one.
// True when the frame's size or code changed, which changes the layout.
bool NormaliseInfo(TLumigramInfo& info);

// Any number to an alignment: 0 and 1 stay, everything else is centred.
uint8_t AlignmentOf(int32_t value);

}  // namespace lumigram
