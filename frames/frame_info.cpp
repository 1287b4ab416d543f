#include "frames/frame_info.h"

#include <algorithm>

#include "frames/frame_styles.h"

namespace lumigram {

int32_t ClampFrameSize(int64_t size) {
  return int32_t(std::clamp<int64_t>(size, 0, kMaxFrameSize));
}

TFrameInfo NewCardFrame() {
  return {kWhite, 52, kFrameStyles[kColoredInsertStyle].Code, ""};
}

TFrameInfo DefaultFrameFileSettings() {
  return {0xC0C0C0, 52, kFrameStyles[kModernStyle].Code, ""};
}

}  // namespace lumigram
