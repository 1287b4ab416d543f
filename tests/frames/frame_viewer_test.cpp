// The frame preview picture.

#include "frames/frame_viewer.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/imaging/pixel_map.h"
#include "util/error_texts.h"
#include "util/general_error.h"

namespace lumigram {
namespace {

constexpr TColor kRed = 0x0000FF;

std::string FileBytes(const TFrameInfo& settings, std::string_view magic = kFrameFileMagic) {
  TFrame frame;
  frame.Assign(settings);
  std::string bytes;
  EXPECT_TRUE(frame.ToBytes(magic, bytes));
  return bytes;
}

TColor Hatch(int x, int y) {
  return ((x + y) & 7) == 7 ? kBlack : kWhite;
}

bool AllWhite(const TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.GetPixel(x, y) != kWhite) return false;
  return true;
}

TEST(FrameViewer, PreviewShowsTheTopLeftCornerOverAHatch) {
  TFrameViewer viewer;
  TMemoryStream stream(FileBytes({kRed, 12, "100,d,d", ""}));
  viewer.LoadFromStream(stream);
  ASSERT_EQ(viewer.GetWidth(), 150);
  ASSERT_EQ(viewer.GetHeight(), 150);
  const TBitmap& preview = viewer.Preview();
  EXPECT_EQ(preview.GetPixel(0, 0), kRed);
  EXPECT_EQ(preview.GetPixel(11, 75), kRed);
  EXPECT_EQ(preview.GetPixel(75, 11), kRed);
  // The inside is hatched; the right and bottom sides (from 152 on) lie
  // outside the preview.
  for (int x : {12, 13, 20, 149})
    for (int y : {12, 75, 149}) EXPECT_EQ(preview.GetPixel(x, y), Hatch(x, y)) << x << "," << y;
  EXPECT_EQ(viewer.Frame().Settings().Color, kRed);
}

TEST(FrameViewer, StyleFilesPreviewInTheDefaultColourAndSize) {
  TFrameViewer viewer;
  TMemoryStream stream(FileBytes({kRed, 12, "100,s60,d", "x"}, kFrameStyleFileMagic));
  viewer.LoadFromStream(stream);
  EXPECT_EQ(viewer.Frame().Settings().Size, 52);
  EXPECT_EQ(viewer.Preview().GetPixel(80, 0), 0x737373u);  // 60 per cent of silver
  EXPECT_EQ(viewer.Preview().GetPixel(80, 52), Hatch(80, 52));
}

TEST(FrameViewer, ReadsFromTheStreamPosition) {
  TFrameViewer viewer;
  TMemoryStream stream("junk!" + FileBytes({kRed, 3, "100,d,d", ""}));
  stream.SetPosition(5);
  viewer.LoadFromStream(stream);
  EXPECT_EQ(viewer.Preview().GetPixel(2, 40), kRed);
  EXPECT_EQ(viewer.Preview().GetPixel(3, 40), Hatch(3, 40));
}

TEST(FrameViewer, BadDataRaisesAndLeavesAWhitePreview) {
  TFrameViewer viewer;
  std::vector<std::tuple<TFrameViewer::TProgressStage, int, std::string>> reports;
  viewer.OnProgress = [&](TFrameViewer::TProgressStage stage, int percent,
                          const std::string& message) {
    reports.emplace_back(stage, percent, message);
  };
  TMemoryStream good(FileBytes({kRed, 12, "100,d,d", ""}));
  viewer.LoadFromStream(good);
  const std::string whole = FileBytes({kRed, 12, "100,d,d", "extra"});
  for (const std::string& bytes :
       {std::string("not a frame"), whole.substr(0, whole.size() - 3), std::string()}) {
    TMemoryStream bad(bytes);
    try {
      viewer.LoadFromStream(bad);
      ADD_FAILURE() << "loaded " << bytes;
    } catch (const EGeneralError& error) {
      EXPECT_STREQ(error.what(), err::kUnknownFormat);
    }
    EXPECT_EQ(viewer.ErrorText(), err::kUnknownFormat);
    EXPECT_EQ(viewer.GetWidth(), 150);
    EXPECT_EQ(viewer.GetHeight(), 150);
    EXPECT_TRUE(AllWhite(viewer.Preview()));
  }
  // Two reports a load, whether it worked or not.
  ASSERT_EQ(reports.size(), 8u);
  for (size_t i = 0; i < reports.size(); i += 2) {
    EXPECT_EQ(reports[i],
              std::make_tuple(TFrameViewer::TProgressStage::Starting, 0, std::string("Loading")));
    EXPECT_EQ(reports[i + 1],
              std::make_tuple(TFrameViewer::TProgressStage::Ending, 100, std::string("Loading")));
  }
}

TEST(FrameViewer, DrawAssignAndSize) {
  TFrameViewer viewer;
  TMemoryStream stream(FileBytes({kRed, 12, "100,d,d", ""}));
  viewer.LoadFromStream(stream);
  TMemoryStream out;
  viewer.SaveToStream(out);
  EXPECT_EQ(out.Size(), 0);

  // Drawn twice as large: each preview pixel becomes two by two.
  TBitmap target;
  target.SetSize(300, 300, 0x00FF00);
  TCanvas canvas(target);
  viewer.Draw(canvas, {0, 0, 300, 300});
  EXPECT_EQ(target.GetPixel(23, 151), kRed);
  EXPECT_EQ(target.GetPixel(26, 150), Hatch(13, 75));
  EXPECT_EQ(target.GetPixel(24, 150), Hatch(12, 75));

  TFrameViewer copy;
  copy.Assign(viewer);
  EXPECT_EQ(copy.Preview(), viewer.Preview());
  EXPECT_EQ(copy.Frame().Settings(), viewer.Frame().Settings());

  const TBitmap picture =
      testing::MakeBitmap(3, 2, [](int x, int y) { return TColor(x * 0x40 + y * 0x4000); });
  copy.Assign(picture);
  EXPECT_EQ(copy.Preview(), picture);
  copy.SetWidth(5);
  copy.SetHeight(1);
  EXPECT_EQ(copy.GetWidth(), 5);
  EXPECT_EQ(copy.GetHeight(), 1);
  EXPECT_EQ(copy.Preview().GetPixel(2, 0), 0x80u);
  EXPECT_EQ(copy.Preview().GetPixel(4, 0), kWhite);
  EXPECT_FALSE(copy.GetEmpty());
  copy.SetWidth(0);
  EXPECT_TRUE(copy.GetEmpty());
}

}  // namespace
}  // namespace lumigram
