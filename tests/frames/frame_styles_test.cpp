// The Frame menu's tables and the texts built from them.

#include "frames/frame_styles.h"

#include <gtest/gtest.h>

namespace lumigram {
namespace {

TEST(FrameStyles, FindsOnlyExactCodes) {
  EXPECT_EQ(FindFrameStyle("100,s60,d"), kModernStyle);
  EXPECT_EQ(FindFrameStyle("100,d,s60"), 5);
  EXPECT_EQ(FindFrameStyle("80,s60,d\r\nr,d,s60"), 0);
  EXPECT_EQ(FindFrameStyle("10,s60,d\r\n10,d,s60\r\n67,s80,s80\r\nr,d,s120"), 9);
  EXPECT_EQ(FindFrameStyle("80,s60,d\nr,d,s60"), -1);  // another line break
  EXPECT_EQ(FindFrameStyle("100,S60,d"), -1);
  EXPECT_EQ(FindFrameStyle("100,s60,d\r\n"), -1);
  EXPECT_EQ(FindFrameStyle(""), -1);
  EXPECT_STREQ(kFrameStyles[kClassicStyle].Caption, "Class&ic");
  EXPECT_STREQ(kFrameStyles[9].Shortcut, "Ctrl+F10");
}

TEST(FrameStyles, SizePresetsAndTexts) {
  EXPECT_EQ(FindFrameSizePreset(1), 0);
  EXPECT_EQ(FindFrameSizePreset(52), 4);
  EXPECT_EQ(FindFrameSizePreset(100), 6);
  EXPECT_EQ(FindFrameSizePreset(53), -1);
  EXPECT_EQ(FindFrameSizePreset(0), -1);
  EXPECT_EQ(SizeMenuCaption(kSizeMenuCaption, 52), "S&ize [52]");
  EXPECT_EQ(SizeMenuCaption(kSizeMenuCaption, 0), "S&ize [0]");
  EXPECT_EQ(SizePromptText(kSizePrompt, kSizeRangeOpening), "Type a size for frame (0-255)");
}

}  // namespace
}  // namespace lumigram
