// Every sample file of the library loads through the program's own readers.

#include <map>

#include "card/message_file.h"
#include "frames/frame_file.h"
#include "frames/frame_painter.h"
#include "imaging/bmp/cursor_image.h"
#include "imaging/image_registry.h"
#include "tests/content/content_fixtures.h"

namespace lumigram {
namespace {

using testing::ContentPath;
using testing::Extension;
using testing::ReadWhole;

std::vector<std::string> SupportNames() {
  return testing::SplitList(LUMIGRAM_SUPPORT_NAMES);
}

std::vector<std::string> NamesWith(const std::string& extension) {
  std::vector<std::string> names;
  for (const std::string& name : SupportNames())
    if (Extension(name) == extension) names.push_back(name);
  return names;
}

std::string SupportPath(const std::string& name) {
  return ContentPath("support/" + name);
}

TBitmap LoadPicture(const std::string& path, int64_t background = -1) {
  TBitmap bitmap;
  TImageInfoRec request;
  request.FileName = path;
  request.Target = &bitmap;
  request.IconBackground = background;
  EXPECT_TRUE(TOpenImage::Shared().Load(request)) << path << ": " << request.ErrorText;
  return bitmap;
}

// How many different colours a picture has, up to a limit: a blank or
// single-colour picture means the drawing went wrong.
size_t ColourCount(const TBitmap& bitmap, size_t limit = 50) {
  std::map<TColor, int> seen;
  for (int y = 0; y < bitmap.Height() && seen.size() < limit; ++y)
    for (int x = 0; x < bitmap.Width(); ++x) seen[bitmap.GetPixel(x, y)]++;
  return seen.size();
}

TEST(SupportFiles, TheLibraryGetsThirtyOneFilesOfTheExpectedKinds) {
  std::map<std::string, int> kinds;
  for (const std::string& name : SupportNames()) {
    ++kinds[Extension(name)];
    EXPECT_GT(FileSize(SupportPath(name)), 0) << name;
  }
  const std::map<std::string, int> expected = {{"ico", 10}, {"ani", 3}, {"mid", 4},
                                               {"msg", 7},  {"frs", 5}, {"jpg", 2}};
  EXPECT_EQ(kinds, expected);
}

TEST(SupportFiles, IconsLoadAsPicturesWithTransparentCornersAndAsCursors) {
  for (const std::string& name : NamesWith("ico")) {
    SCOPED_TRACE(name);
    const TBitmap onRed = LoadPicture(SupportPath(name), RGB(255, 0, 0));
    const TBitmap onBlue = LoadPicture(SupportPath(name), RGB(0, 0, 255));
    ASSERT_EQ(onRed.Width(), 48);
    ASSERT_EQ(onRed.Height(), 48);
    // The corners are transparent and show the background; the drawing does not.
    EXPECT_EQ(onRed.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(onBlue.GetPixel(47, 47), RGB(0, 0, 255));
    int same = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x) same += onRed.GetPixel(x, y) == onBlue.GetPixel(x, y);
    EXPECT_GT(same, 48 * 48 / 10) << "too little of the icon is opaque";
    EXPECT_GT(ColourCount(onRed), 5u);

    TCursorImage cursor;
    std::string error;
    ASSERT_TRUE(ReadCursorFile(ReadWhole(SupportPath(name)), cursor, error)) << error;
    ASSERT_EQ(cursor.Frames.size(), 1u);
    EXPECT_EQ(cursor.Frames[0].Width, 32);  // the size a cursor is shown at
  }
}

TEST(SupportFiles, AnimatedCursorsHaveEightTimedFramesWithTheirHotSpot) {
  for (const std::string& name : NamesWith("ani")) {
    SCOPED_TRACE(name);
    TCursorImage cursor;
    std::string error;
    ASSERT_TRUE(ReadCursorFile(ReadWhole(SupportPath(name)), cursor, error)) << error;
    EXPECT_TRUE(cursor.Animated());
    ASSERT_EQ(cursor.Frames.size(), 8u);
    ASSERT_EQ(cursor.Sequence.size(), 8u);
    ASSERT_EQ(cursor.Rates.size(), 8u);
    for (size_t i = 0; i < cursor.Frames.size(); ++i) {
      const TCursorFrame& frame = cursor.Frames[i];
      EXPECT_EQ(frame.Width, 32);
      EXPECT_EQ(frame.Height, 32);
      EXPECT_EQ(cursor.Sequence[i], int(i));
      EXPECT_GT(cursor.Rates[i], 0);
      // The point that clicks lies on the drawing, not on a transparent pixel.
      const uint32_t hot = frame.Pixels[size_t(frame.HotSpotY) * 32 + frame.HotSpotX];
      EXPECT_GT(hot >> 24, 128u);
      EXPECT_EQ(frame.Pixels[0] >> 24, 0u);
    }
    EXPECT_NE(cursor.Frames[0].Pixels, cursor.Frames[1].Pixels) << "the frames should move";
  }
}

uint32_t Big(const std::string& bytes, size_t at, int count) {
  uint32_t n = 0;
  for (int i = 0; i < count; ++i) n = (n << 8) | uint8_t(bytes[at + size_t(i)]);
  return n;
}

// Walks one track's events; counts notes started and ended and checks the
// track ends with its end-of-track event.
void CheckTrack(const std::string& track, int& notesOn, int& notesOff) {
  size_t at = 0;
  uint8_t status = 0;
  bool ended = false;
  while (at < track.size()) {
    ASSERT_FALSE(ended) << "events after the end of track";
    for (int i = 0; i < 4 && (uint8_t(track[at++]) & 0x80); ++i) ASSERT_LT(at, track.size());
    ASSERT_LT(at, track.size());
    if (uint8_t(track[at]) & 0x80) status = uint8_t(track[at++]);
    if (status == 0xFF) {
      ASSERT_LE(at + 2, track.size());
      const uint8_t type = uint8_t(track[at]);
      const size_t length = uint8_t(track[at + 1]);
      at += 2 + length;
      ended = type == 0x2F && length == 0;
    } else {
      const uint8_t kind = status & 0xF0;
      ASSERT_NE(kind, 0xF0) << "no system events expected";
      const size_t size = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
      ASSERT_LE(at + size, track.size());
      if (kind == 0x90 || kind == 0x80) {
        EXPECT_LT(uint8_t(track[at]), 128);
        (kind == 0x90 && track[at + 1] != 0 ? notesOn : notesOff)++;
      }
      at += size;
    }
  }
  EXPECT_EQ(at, track.size());
  EXPECT_TRUE(ended);
}

TEST(SupportFiles, TunesAreWellFormedMidiFilesWithBalancedNotes) {
  for (const std::string& name : NamesWith("mid")) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadWhole(SupportPath(name));
    ASSERT_GE(bytes.size(), 14u);
    ASSERT_EQ(bytes.substr(0, 4), "MThd");
    ASSERT_EQ(Big(bytes, 4, 4), 6u);
    EXPECT_EQ(Big(bytes, 8, 2), 1u);  // format 1
    const uint32_t tracks = Big(bytes, 10, 2);
    EXPECT_GE(tracks, 2u);
    EXPECT_GT(Big(bytes, 12, 2), 0u);
    EXPECT_LT(Big(bytes, 12, 2), 0x8000u);  // ticks a quarter, not SMPTE
    size_t at = 14;
    uint32_t found = 0;
    int notesOn = 0, notesOff = 0;
    while (at < bytes.size()) {
      ASSERT_LE(at + 8, bytes.size());
      ASSERT_EQ(bytes.substr(at, 4), "MTrk");
      const uint32_t length = Big(bytes, at + 4, 4);
      ASSERT_LE(at + 8 + length, bytes.size());
      CheckTrack(bytes.substr(at + 8, length), notesOn, notesOff);
      at += 8 + length;
      ++found;
    }
    EXPECT_EQ(found, tracks);
    EXPECT_GT(notesOn, 20);
    EXPECT_EQ(notesOn, notesOff);
  }
}

TEST(SupportFiles, MessagesReadCompletelyWithTheirFontAndText) {
  for (const std::string& name : NamesWith("msg")) {
    SCOPED_TRACE(name);
    TLumigramInfo info;
    info.Font.Color = RGB(1, 2, 3);
    ASSERT_EQ(ReadMessageFile(ReadWhole(SupportPath(name)), info), TMessageFileResult::Complete);
    ASSERT_FALSE(info.Message.empty());
    for (const std::string& line : info.Message) EXPECT_FALSE(line.empty());
    EXPECT_FALSE(info.Font.Name.empty());
    EXPECT_LT(info.Font.Height, -15) << "a card message should be large enough to read";
    EXPECT_NE(info.Font.Color, RGB(1, 2, 3));
    EXPECT_LE(info.HAlign, 2);
    EXPECT_LE(info.VAlign, 2);
  }
}

TEST(SupportFiles, FrameStylesKeepTheCardsColourAndSizeAndPaintTheWholeRim) {
  for (const std::string& name : NamesWith("frs")) {
    SCOPED_TRACE(name);
    TFrame frame;
    frame.Assign({RGB(200, 0, 0), 12, "100,d,d", ""});
    ASSERT_TRUE(frame.ReadFromFile(SupportPath(name))) << frame.ErrorText();
    const TFrameInfo& settings = frame.Settings();
    EXPECT_EQ(settings.Color, RGB(200, 0, 0));
    EXPECT_EQ(settings.Size, 12);
    EXPECT_NE(settings.Code, "100,d,d");
    EXPECT_FALSE(settings.Extra.empty());

    // Every ring of the rim is painted, from the edge to the picture.
    TBitmap bitmap;
    bitmap.SetSize(100, 80, RGB(0, 255, 0));
    PaintFrame({RGB(200, 150, 90), 30, settings.Code, ""}, &bitmap);
    for (int inset = 0; inset < 30; ++inset)
      EXPECT_NE(bitmap.GetPixel(inset, 40), RGB(0, 255, 0)) << "ring " << inset;
    EXPECT_EQ(bitmap.GetPixel(30, 40), RGB(0, 255, 0));
  }
}

TEST(SupportFiles, PicturesAndTheSplashAreJpegsWithSomethingDrawn) {
  for (const std::string& name : NamesWith("jpg")) {
    SCOPED_TRACE(name);
    const TBitmap picture = LoadPicture(SupportPath(name));
    EXPECT_EQ(picture.Width(), 480);
    EXPECT_EQ(picture.Height(), 360);
    EXPECT_GE(ColourCount(picture), 50u);
  }
  const TBitmap splash = LoadPicture(ContentPath("splash/A.JPG"));
  EXPECT_EQ(splash.Width(), 334);
  EXPECT_GE(splash.Height(), 163);
  EXPECT_GE(ColourCount(splash), 50u);
  // The lower left, where white text is printed, stays dark enough to read it.
  for (int y = splash.Height() - 60; y < splash.Height(); y += 5)
    for (int x = 0; x < 120; x += 5) EXPECT_LT(MaxChannel(splash.GetPixel(x, y)), 200);
}

}  // namespace
}  // namespace lumigram
