#include "card/lumigram_info.h"

#include "util/text.h"

namespace lumigram {

bool SameContent(const TLumigramInfo& a, const TLumigramInfo& b) {
  return a.Version == b.Version && a.Password == b.Password && a.Picture == b.Picture &&
         a.Sound == b.Sound && a.SoundType == b.SoundType && a.Cursor == b.Cursor &&
         a.Link == b.Link && a.LinkColor == b.LinkColor && a.CreatorInfo == b.CreatorInfo &&
         a.Author == b.Author && a.CanEdit == b.CanEdit && a.CanPrint == b.CanPrint &&
         a.Frame.Color == b.Frame.Color && a.Frame.Size == b.Frame.Size &&
         a.Frame.Code == b.Frame.Code && a.Font == b.Font && a.Message == b.Message &&
         a.HAlign == b.HAlign && a.VAlign == b.VAlign && a.Flash == b.Flash;
}

void SetDefaults(TLumigramInfo& info) {
  TLumigramInfo defaults;
  defaults.CreatorInfo = std::move(info.CreatorInfo);
  defaults.State = info.State;
  info = std::move(defaults);
}

std::string NormaliseSoundType(const std::string& type) {
  const std::string upper = UpperAscii(type);
  if (upper == "WAV" || upper == "MID" || upper == "MP3" || upper == "WMA") return upper;
  if (upper == "RMI" || upper == "MIDI") return "MID";
  if (upper == "SND" || upper == "AU" || upper == "AIF" || upper == "AIFC" || upper == "AIFF")
    return "WAV";
  if (upper == "M3U") return "MP3";
  return {};
}

bool HasSound(const TLumigramInfo& info) {
  const std::string& type = info.SoundType;
  return (type == "WMA" || type == "MP3" || type == "WAV" || type == "MID") && !info.Sound.empty();
}

bool NormaliseInfo(TLumigramInfo& info) {
  if (info.Version != kCardMagic) info.Version = kCardMagic;
  info.SoundType = NormaliseSoundType(info.SoundType);
  if (!HasSound(info)) {
    info.Sound.clear();
    info.SoundType.clear();
  }
  bool layoutChanged = false;
  const int32_t size = ClampFrameSize(info.Frame.Size);
  if (size != info.Frame.Size) {
    info.Frame.Size = size;
    layoutChanged = true;
  }
  if (info.Frame.Code.empty()) {
    info.Frame.Code = NewCardFrame().Code;
    layoutChanged = true;
  }
  return layoutChanged;
}

uint8_t AlignmentOf(int32_t value) {
  if (value == 0) return 0;
  if (value == 1) return 1;
  return kAlignCentre;
}

}  // namespace lumigram
