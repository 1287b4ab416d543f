#include "imaging/metafile/metafile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "imaging/text/text.h"
#include "tests/support/fixture_file.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {
namespace {

// The pictures of tests/data/imaging/metafiles, made by make_metafiles.py
// there; the pixels checked here are the ones that script draws.
std::string FixturePath(const std::string& name) {
  const char* root = std::getenv("LUMIGRAM_TEST_DATA");
  return std::string(root ? root : ".") + "/imaging/metafiles/" + name;
}

std::string Fixture(const std::string& name) {
  return testing::ReadFixture(FixturePath(name));
}

TBitmap Played(const std::string& name, int width, int height) {
  TBitmap bitmap;
  std::string error;
  EXPECT_TRUE(ReadMetafile(Fixture(name), bitmap, error)) << name << ": " << error;
  EXPECT_EQ(bitmap.Width(), width) << name;
  EXPECT_EQ(bitmap.Height(), height) << name;
  return bitmap;
}

constexpr TColor kRed = RGB(255, 0, 0);
constexpr TColor kGreen = RGB(0, 255, 0);
constexpr TColor kBlue = RGB(0, 0, 255);
constexpr TColor kYellow = RGB(255, 255, 0);

struct TProbe {
  int X, Y;
  TColor Colour;
};

void ExpectPixels(const TBitmap& bitmap, const std::vector<TProbe>& probes) {
  for (const TProbe& p : probes)
    EXPECT_EQ(bitmap.GetPixel(p.X, p.Y), p.Colour) << "at " << p.X << ", " << p.Y;
}

TEST(Metafile, PlaceableWmfDrawsAtItsBoundingBoxSize) {
  // 1440 twips to the inch: 15 twips to the pixel.
  const TBitmap b = Played("shapes.wmf", 96, 64);
  ExpectPixels(b, {{10, 10, kRed},
                   {39, 29, kRed},
                   {40, 30, kWhite},
                   {9, 9, kWhite},
                   {70, 30, kBlue},
                   {70, 11, kBlue},
                   {52, 12, kWhite},
                   // the pie: the top right quarter of the circle at (20, 44)
                   {25, 39, kRed},
                   {15, 39, kWhite},
                   {25, 49, kWhite},
                   {15, 49, kWhite},
                   // the pen line to the right edge
                   {0, 60, kGreen},
                   {95, 60, kGreen},
                   {50, 59, kWhite},
                   {50, 61, kWhite}});
}

TEST(Metafile, PlainWmfTakesItsSizeFromTheWindowOrTheDrawing) {
  const TBitmap window = Played("window.wmf", 200, 100);
  ExpectPixels(window, {{10, 10, kBlack}, {29, 29, kBlack}, {9, 10, kWhite}, {30, 29, kWhite}});
  // No window extent: the bounds of the one rectangle, which fills the picture.
  const TBitmap bounds = Played("bounds.wmf", 40, 20);
  ExpectPixels(bounds, {{0, 0, kBlue}, {39, 19, kBlue}});
}

TEST(Metafile, EmfDrawsAtItsFrameSize) {
  const TBitmap b = Played("shapes.emf", 96, 48);
  ExpectPixels(b, {{8, 8, kRed},
                   {39, 23, kRed},
                   {40, 23, kWhite},
                   {68, 24, kBlack},
                   {68, 5, kBlack},
                   {50, 6, kWhite},
                   // the pen's polyline leaves out its last point
                   {0, 46, kGreen},
                   {94, 46, kGreen},
                   {95, 46, kWhite},
                   {50, 45, kWhite},
                   // the rounded rectangle: a round corner, green outline, red inside
                   {8, 28, kWhite},
                   {24, 28, kGreen},
                   {24, 43, kGreen},
                   {24, 36, kRed}});
  // Without a frame the inclusive bounds give the size.
  const TBitmap bounds = Played("bounds_only.emf", 50, 25);
  ExpectPixels(bounds, {{0, 0, kBlue}, {49, 24, kBlue}});
}

TEST(Metafile, FillRules) {
  // Two squares turning the same way: a hole for the alternate rule only.
  const TBitmap wmf = Played("fill_rules.wmf", 120, 60);
  ExpectPixels(wmf, {{10, 10, kBlack}, {30, 30, kWhite}, {70, 10, kBlack}, {90, 30, kBlack}});
  // Pentagrams: the middle winds twice.
  const TBitmap emf = Played("fill_rules.emf", 120, 48);
  ExpectPixels(emf, {{24, 24, kWhite}, {84, 24, kBlack}, {24, 8, kBlack}, {84, 8, kBlack}});
}

TEST(Metafile, Bitmaps) {
  // One 2 x 2 bitmap: red and green over blue and yellow.
  const TBitmap wmf = Played("bitmaps.wmf", 100, 50);
  ExpectPixels(wmf, {// StretchDIB over (0,0)-(40,40), its top left corner inverted
                     {10, 10, kRed},
                     {30, 10, kGreen},
                     {10, 30, kBlue},
                     {30, 30, kYellow},
                     {2, 2, RGB(0, 255, 255)},
                     {6, 6, kRed},
                     // DIBStretchBlt of the green pixel, DIBBitBlt unscaled
                     {60, 10, kGreen},
                     {71, 10, kWhite},
                     {80, 0, kRed},
                     {81, 0, kGreen},
                     {80, 1, kBlue},
                     {81, 1, kYellow},
                     {82, 0, kWhite},
                     // PatBlt with the black brush
                     {55, 35, kBlack},
                     {60, 35, kWhite}});
  const TBitmap emf = Played("bitmaps.emf", 96, 48);
  ExpectPixels(emf, {{10, 10, kRed},
                     {30, 10, kGreen},
                     {10, 30, kBlue},
                     {30, 30, kYellow},
                     {50, 0, kRed},
                     {51, 0, kGreen},
                     {50, 1, kBlue},
                     {51, 1, kYellow},
                     {70, 10, kYellow},
                     {55, 35, kBlack},
                     {60, 35, kWhite}});
}

TEST(Metafile, WorldTransformsAndMapModes) {
  const TBitmap b = Played("transform.emf", 96, 48);
  ExpectPixels(b, {// scaled by 2 and moved by (10, 4)
                   {10, 4, kBlue},
                   {29, 23, kBlue},
                   {30, 23, kWhite},
                   {9, 10, kWhite},
                   // a wide bar turned upright
                   {64, 4, kBlue},
                   {69, 43, kBlue},
                   {63, 20, kWhite},
                   {70, 20, kWhite},
                   {67, 44, kWhite},
                   // anisotropic: a window of 1000 x 1000 on the 96 x 48 pixels
                   {0, 42, kBlue},
                   {23, 47, kBlue},
                   {24, 45, kWhite},
                   {12, 41, kWhite}});
}

TEST(Metafile, ClippingAndSavedStates) {
  for (const char* name : {"clip.wmf", "clip.emf"}) {
    SCOPED_TRACE(name);
    TBitmap b;
    std::string error;
    ASSERT_TRUE(ReadMetafile(Fixture(name), b, error));
    const bool wmf = std::string(name) == "clip.wmf";
    // The clip rectangle holds the whole-picture fill inside it.
    const TRect clip = wmf ? TRect{20, 20, 60, 40} : TRect{20, 10, 60, 30};
    ExpectPixels(b, {{clip.Left, clip.Top, kBlack},
                     {clip.Right - 1, clip.Bottom - 1, kBlack},
                     {clip.Left - 1, clip.Top, kWhite},
                     {clip.Right, clip.Top, kWhite},
                     {clip.Left, clip.Bottom, kWhite}});
    // Restoring the state (and, in the EMF, selecting no region) lifts it.
    if (wmf)
      ExpectPixels(b, {{5, 55, kRed}});
    else
      ExpectPixels(b, {{88, 44, kRed}});
  }
}

TEST(Metafile, ObjectsPathsAndPens) {
  // A new WMF object takes the lowest free slot.
  const TBitmap objects = Played("objects.wmf", 20, 20);
  ExpectPixels(objects, {{0, 0, kBlue}, {19, 19, kBlue}});
  // A filled path of a Bézier dome, and a pen six pixels wide with flat ends
  // along row 24 from x 60 to 90.
  const TBitmap b = Played("path_pen.emf", 96, 48);
  ExpectPixels(b, {{30, 25, kRed},
                   {30, 39, kRed},
                   {11, 5, kWhite},
                   {30, 41, kWhite},
                   {75, 21, kBlue},
                   {75, 26, kBlue},
                   {75, 20, kWhite},
                   {75, 27, kWhite},
                   {60, 24, kBlue},
                   {59, 24, kWhite},
                   {89, 24, kBlue},
                   {90, 24, kWhite}});
  // The first saved state survives more saves than are kept.
  ExpectPixels(Played("deep_save.emf", 20, 20), {{10, 10, kRed}});
}

// Whether any pixel of the rectangle has the colour, and none outside it
// differs from white.
void ExpectTextOnlyIn(const TBitmap& b, const TRect& box, TColor ink) {
  int inkInside = 0, markedOutside = 0;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const TColor c = b.GetPixel(x, y);
      if (box.Contains(x, y))
        inkInside += c == ink;
      else
        markedOutside += c != kWhite;
    }
  }
  EXPECT_GT(inkInside, 20);
  EXPECT_EQ(markedOutside, 0);
}

bool HaveFont() {
  TFont font;
  font.Name = "Arial";
  return !FaceFamily(font).empty();
}

TEST(Metafile, Text) {
  if (!HaveFont()) GTEST_SKIP() << "no font installed";
  // "HI" in blue, 32 pixels high, once as TextOut at (10, 5), once as
  // ExtTextOut at (10, 50) with both advances 40: the I starts at x 50.
  const TBitmap wmf = Played("text.wmf", 160, 100);
  ExpectTextOnlyIn(wmf, {10, 5, 130, 95}, kBlue);
  int first = 0, gap = 0, letter = 0;
  for (int y = 5; y < 45; ++y)
    for (int x = 10; x < 60; ++x) first += wmf.GetPixel(x, y) == kBlue;
  EXPECT_GT(first, 40);
  for (int y = 50; y < 95; ++y) {
    for (int x = 38; x < 50; ++x) gap += wmf.GetPixel(x, y) != kWhite;
    for (int x = 50; x < 70; ++x) letter += wmf.GetPixel(x, y) == kBlue;
  }
  EXPECT_EQ(gap, 0);
  EXPECT_GT(letter, 20);
  // The EMF's UTF-16 "HI" with the same advances at (10, 10).
  const TBitmap emf = Played("text.emf", 160, 80);
  ExpectTextOnlyIn(emf, {10, 10, 90, 50}, kBlue);
  for (int y = 10; y < 50; ++y)
    for (int x = 38; x < 50; ++x) EXPECT_EQ(emf.GetPixel(x, y), kWhite) << x << ", " << y;
}

TEST(Metafile, DamagedRecordsEndOrAreSkipped) {
  // A record of size 0, or one reaching past the data, ends the playback;
  // what was drawn before stays.
  for (const char* name : {"zero_record.wmf", "overlong_record.wmf"}) {
    const TBitmap b = Played(name, 20, 20);
    ExpectPixels(b, {{5, 5, kRed}, {15, 15, kWhite}});
  }
  // Counts, offsets and object numbers that do not fit their records are
  // skipped with their record; the rectangle after them is drawn.
  ExpectPixels(Played("bad_counts.emf", 20, 20), {{10, 10, kRed}, {2, 2, kWhite}});
}

TEST(Metafile, RefusesWhatIsNoMetafileOrTooLarge) {
  TBitmap b;
  b.SetSize(3, 3, kRed);
  std::string error;
  for (const std::string& bytes :
       {std::string(), std::string("BM\x36\0\0\0", 6), std::string(100, '\x01'),
        Fixture("shapes.emf").substr(0, 87), Fixture("window.wmf").substr(0, 17),
        Fixture("huge_frame.wmf"), Fixture("huge_frame.emf")}) {
    EXPECT_FALSE(ReadMetafile(bytes, b, error));
    EXPECT_EQ(error, err::kUnknownFormat);
  }
  EXPECT_EQ(b.Width(), 3);  // untouched
  EXPECT_EQ(b.GetPixel(1, 1), kRed);
  // A lower cap refuses a frame that the usual one allows.
  EXPECT_FALSE(ReadMetafile(Fixture("shapes.wmf"), b, error, 64));
  EXPECT_TRUE(ReadMetafile(Fixture("shapes.wmf"), b, error, 96));

  EXPECT_EQ(MetafileKindOf(Fixture("shapes.wmf")), TMetafileKind::Wmf);
  EXPECT_EQ(MetafileKindOf(Fixture("window.wmf")), TMetafileKind::Wmf);
  EXPECT_EQ(MetafileKindOf(Fixture("shapes.emf")), TMetafileKind::Emf);
  EXPECT_EQ(MetafileKindOf("GIF89a"), TMetafileKind::None);

  EXPECT_FALSE(LoadMetafile(FixturePath("no such picture.wmf"), b, error));
  EXPECT_EQ(error, err::kFileNotFound);
  EXPECT_TRUE(LoadMetafile(FixturePath("shapes.emf"), b, error));
}

TEST(Metafile, EveryCutOffFileFailsCleanlyOrKeepsItsFrame) {
  // A cut-off header is no metafile; cut-off records end the playback. Where
  // the header gives the frame, a cut keeps it.
  for (const char* name : {"shapes.wmf", "bitmaps.wmf", "text.wmf", "shapes.emf", "bitmaps.emf",
                           "text.emf", "path_pen.emf", "transform.emf"}) {
    SCOPED_TRACE(name);
    const std::string whole = Fixture(name);
    TBitmap full;
    std::string error;
    ASSERT_TRUE(ReadMetafile(whole, full, error));
    for (size_t n = 0; n < whole.size(); ++n) {
      TBitmap b;
      if (ReadMetafile(whole.substr(0, n), b, error)) {
        EXPECT_EQ(b.Width(), full.Width()) << n;
        EXPECT_EQ(b.Height(), full.Height()) << n;
      } else {
        EXPECT_EQ(error, err::kUnknownFormat) << n;
      }
    }
  }
}

}  // namespace
}  // namespace lumigram
