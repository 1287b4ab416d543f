// With a fontconfig setup that knows no font at all, text measures 0 and
// draws nothing. A program of its own: fontconfig reads its setup once.

#include <gtest/gtest.h>

#include <fstream>

#include "imaging/text/text.h"
#include "tests/support/scratch_folder.h"

namespace lumigram {
namespace {

TEST(TextWithoutFonts, MeasuresZeroAndDrawsNothing) {
  testing::ScratchFolder folder;
  std::ofstream(folder / "empty.conf") << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
  testing::ScopedEnvironment setup("FONTCONFIG_FILE", folder / "empty.conf");

  TFont font;
  font.Underline = true;
  EXPECT_EQ(FaceFamily(font), "");
  EXPECT_EQ(TextWidth(font, "text"), 0);
  EXPECT_EQ(TextHeight(font), 0);
  TBitmap bitmap;
  bitmap.SetSize(50, 20, kWhite);
  const TBitmap before = bitmap;
  TCanvas canvas(bitmap);
  TextOut(canvas, 0, 0, font, "text");
  EXPECT_EQ(bitmap, before);
}

}  // namespace
}  // namespace lumigram
