// The button glyphs read back from their Text Picture strings.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/toolbar/toolbar_glyphs.h"
#include "imaging/text_formats/text_picture.h"

namespace lumigram::testing {
namespace {

const char* const* const kAll[] = {
    &kGlyphNew,         &kGlyphOpen,    &kGlyphSaveAs,    &kGlyphPrint,  &kGlyphUndo,
    &kGlyphCenter,      &kGlyphPicture, &kGlyphCursor,    &kGlyphSound,  &kGlyphFrame,
    &kGlyphMessage,     &kGlyphStop,    &kGlyphPlay,      &kGlyphVolume, &kGlyphFrameSize,
    &kGlyphFrameColor,  &kGlyphLink,    &kGlyphLinkColor, &kGlyphText,   &kGlyphTextColor,
    &kGlyphInformation, &kGlyphHelp,
};

TEST(ToolbarGlyphs, EveryGlyphDecodesTo16By16WithABackgroundAndAPicture) {
  std::set<std::string> distinct;
  for (const char* const* text : kAll) {
    const TBitmap glyph = TextPictureToBitmap(*text);
    ASSERT_EQ(glyph.Width(), 16) << *text;
    ASSERT_EQ(glyph.Height(), 16) << *text;
    const TColor background = glyph.GetPixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += glyph.GetPixel(x, y) != background;
    // Something to see, and some background around it.
    EXPECT_GT(drawn, 20) << *text;
    EXPECT_LT(drawn, 256) << *text;
    // The strings are written whole: reading stops at their end mark.
    EXPECT_EQ(std::string(*text).back(), '#');
    distinct.insert(*text);
  }
  EXPECT_EQ(distinct.size(), std::size(kAll));
}

}  // namespace
}  // namespace lumigram::testing
