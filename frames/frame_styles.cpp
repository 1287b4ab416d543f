#include "frames/frame_styles.h"

#include "frames/frame_info.h"
#include "util/text.h"

namespace lumigram {

int FindFrameStyle(std::string_view code) {
  for (size_t i = 0; i < kFrameStyles.size(); ++i)
    if (code == kFrameStyles[i].Code) return int(i);
  return -1;
}

int FindFrameSizePreset(int32_t size) {
  for (size_t i = 0; i < kFrameSizePresets.size(); ++i)
    if (size == kFrameSizePresets[i].Size) return int(i);
  return -1;
}

std::string SizeMenuCaption(std::string_view caption, int32_t size) {
  return std::string(caption) + " [" + IntToText(size) + "]";
}

std::string SizePromptText(std::string_view prompt, std::string_view rangeOpening) {
  return std::string(prompt) + std::string(rangeOpening) + IntToText(kMaxFrameSize) + ")";
}

}  // namespace lumigram
