#include "imaging/jpeg/optimised_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "imaging/bmp/bmp_file.h"
#include "imaging/jpeg/jpeg_writer.h"
#include "imaging/jpeg/omi_search.h"
#include "storage/pack_string.h"
#include "tests/imaging/pixel_map.h"
#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"
#include "util/fields.h"

namespace lumigram {
namespace {

using testing::MakeBitmap;

const std::string kHeader("OMIV1.0\0", 8);

std::string Field(const std::string& bytes) {
  std::string field;
  AppendField(field, bytes);
  return field;
}

std::string OmiBytes(const std::string& encoding, const std::string& data,
                     const std::string& info1 = "", const std::string& info2 = "",
                     const std::string& info3 = "") {
  return kHeader + Field(info1) + Field(info2) + Field(info3) + Field(encoding) + Field(data);
}

struct TFields {
  std::string magic, info1, info2, info3, encoding, data;
};

TFields Split(const std::string& bytes) {
  TFields f;
  const size_t zero = bytes.find('\0');
  f.magic = bytes.substr(0, zero);
  const std::string body = bytes.substr(zero + 1);
  size_t offset = 0;
  for (std::string* field : {&f.info1, &f.info2, &f.info3, &f.encoding, &f.data})
    EXPECT_TRUE(ReadField(body, offset, *field));
  EXPECT_EQ(offset, body.size());
  return f;
}

// Squares of two colours with a little noise: depending on the square size,
// the picture size and the noise, every way the encoding search can end.
TBitmap Checker(int side, int square, int noise) {
  std::mt19937 random(unsigned(side * 31 + square * 7 + noise));
  return MakeBitmap(side, side, [&](int x, int y) {
    int v = (x / square + y / square) % 2 ? 40 : 220;
    if (noise) v += int(random() % unsigned(2 * noise + 1)) - noise;
    return TColor(v) | TColor(255 - v) << 8 | TColor(v / 2) << 16;
  });
}

TBitmap Photograph(int width, int height, int noise) {
  std::mt19937 random(99);
  return MakeBitmap(width, height, [&](int x, int y) {
    const int r = (x * 255 / width + int(random() % unsigned(2 * noise + 1)) - noise);
    const int g = (y * 255 / height + int(random() % unsigned(2 * noise + 1)) - noise);
    const int b = ((x + y) * 127 / (width + height) + 64);
    return TColor(std::clamp(r, 0, 255)) | TColor(std::clamp(g, 0, 255)) << 8 | TColor(b) << 16;
  });
}

// The encoding choice written out as plainly as possible, from the sizes of
// files made by the JPEG writer and PackString.
struct TExpected {
  std::string encoding;
  int quality = 0;
  std::string data;
};

TExpected ChooseByHand(const TBitmap& picture) {
  std::string error;
  std::string packed = WriteBmpFile(picture);
  EXPECT_TRUE(PackString(packed, error));
  const size_t p = packed.size();
  std::string j20;
  EXPECT_TRUE(WriteJpeg(picture, 20, j20, error));
  std::string j = j20;
  int q = 20;
  while (!(q != 20 && j.size() > j20.size() + 12000) && q < 90 && p > j20.size() && p > j.size()) {
    q = std::min(q + 10, 90);
    EXPECT_TRUE(WriteJpeg(picture, q, j, error));
  }
  if (p < j.size()) return {"BMP", q, packed};
  return {"JPG", q, j};
}

TEST(OptimisedImageTest, EncodingChoiceFollowsTheRuleAndDecodesBack) {
  std::vector<TBitmap> cases;
  cases.push_back(MakeBitmap(64, 48, [](int, int) { return TColor(0x3366CC); }));  // flat
  for (const int side : {160, 256, 300}) {  // from 256 x 256 on, the search uses threads
    for (const int square : {8, 10, 12}) {
      for (const int noise : {0, 1}) cases.push_back(Checker(side, square, noise));
    }
  }
  cases.push_back(Checker(300, 4, 3));  // a packed bitmap beyond the first 64 KiB of zlib output
  // The quality-20 JPEG just below the first 64 KiB of packed bitmap, the
  // quality-30 one just above: the packing may pause and be woken again.
  cases.push_back(Checker(650, 3, 3));
  cases.push_back(Photograph(320, 240, 2));
  cases.push_back(Photograph(640, 480, 12));
  int packedAfterRising = 0;
  int jpegBelowNinety = 0;
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    const TExpected expected = ChooseByHand(cases[i]);
    packedAfterRising += expected.encoding == "BMP" && expected.quality > 20;
    jpegBelowNinety += expected.encoding == "JPG" && expected.quality < 90;

    TOptimisedImage image;
    image.Assign(cases[i]);
    std::string bytes;
    ASSERT_TRUE(image.ToBytes(bytes)) << image.ErrorText();
    const TFields f = Split(bytes);
    EXPECT_EQ(f.magic, "OMIV1.0");
    EXPECT_EQ(f.encoding, expected.encoding);
    EXPECT_TRUE(f.data == expected.data) << "the written data differ from the rule's choice";
    for (const bool threads : {true, false}) {
      TOmiChoice choice;
      std::string error;
      ASSERT_TRUE(threads ? ChooseOmiEncoding(cases[i], choice, error)
                          : ChooseOmiEncodingSequentially(cases[i], choice, error));
      EXPECT_EQ(choice.quality, expected.quality);
      EXPECT_TRUE(choice.data == expected.data);
    }

    TOptimisedImage decoded;
    ASSERT_TRUE(decoded.FromBytes(bytes)) << decoded.ErrorText();
    EXPECT_EQ(decoded.Encoding(), expected.encoding);
    EXPECT_EQ(decoded.Width(), cases[i].Width());
    EXPECT_EQ(decoded.Height(), cases[i].Height());
    if (expected.encoding == "BMP") {
      EXPECT_EQ(decoded.Picture(), cases[i]);
    }
  }
  EXPECT_EQ(ChooseByHand(cases.front()).encoding, "BMP");
  EXPECT_EQ(ChooseByHand(cases.back()).encoding, "JPG");
  // The cases reach the less obvious ends of the search too.
  EXPECT_GT(packedAfterRising, 0);
  EXPECT_GT(jpegBelowNinety, 0);
}

bool IsResetWhite(const TOptimisedImage& image) {
  if (image.Width() != 300 || image.Height() != 300) return false;
  for (int y = 0; y < 300; y += 7) {
    for (int x = 0; x < 300; x += 7) {
      if (image.Picture().GetPixel(x, y) != kWhite) return false;
    }
  }
  return image.Encoding().empty() && image.Info1().empty() && image.Info2().empty() &&
         image.Info3().empty();
}

TEST(OptimisedImageTest, BadFilesResetToWhiteWithUnknownFormat) {
  std::string good;
  {
    TOptimisedImage image;
    image.Assign(MakeBitmap(10, 10, [](int, int) { return TColor(0x112233); }));
    ASSERT_TRUE(image.ToBytes(good));
  }
  std::string packedGarbage = "not a bitmap file";
  std::string error;
  ASSERT_TRUE(PackString(packedGarbage, error));

  const std::vector<std::pair<const char*, std::string>> bad = {
      {"empty", ""},
      {"no zero byte", "OMIV1.0 and no terminator at all"},
      {"later version", "OMIV1.1" + good.substr(7)},
      {"magic without version", std::string("OMI\0", 4) + good.substr(8)},
      {"lower-case encoding", OmiBytes("jpg", Split(good).data)},
      {"unknown encoding", OmiBytes("PNG", Split(good).data)},
      {"encoding with a space", OmiBytes("BMP ", Split(good).data)},
      {"data field runs past the end", good.substr(0, good.size() - 1)},
      {"only three fields", kHeader + Field("a") + Field("b") + Field("c")},
      {"negative length", kHeader + std::string("\xFF\xFF\xFF\xFF", 4)},
      {"JPEG that is none", OmiBytes("JPG", "\xFF\xD8 not really")},
      {"packed bytes that are no bitmap", OmiBytes("BMP", packedGarbage)},
  };
  TOptimisedImage padded;
  EXPECT_TRUE(padded.FromBytes(good + std::string("junk\0\xFF", 6)));  // ignored after the fields
  EXPECT_EQ(padded.Width(), 10);
  for (const auto& [name, bytes] : bad) {
    SCOPED_TRACE(name);
    TOptimisedImage image;
    image.Assign(MakeBitmap(5, 5, [](int, int) { return TColor(0); }));
    EXPECT_FALSE(image.FromBytes(bytes));
    EXPECT_EQ(image.ErrorText(), err::kUnknownFormat);
    EXPECT_TRUE(IsResetWhite(image));
  }
}

TEST(OptimisedImageTest, SizeCapCoversPicturesAndWhatPackedDataInflateTo) {
  for (const bool photo : {false, true}) {
    TOptimisedImage image;
    image.Assign(photo ? Photograph(40, 30, 40)
                       : MakeBitmap(40, 30, [](int, int) { return kWhite; }));
    std::string bytes;
    ASSERT_TRUE(image.ToBytes(bytes));
    ASSERT_EQ(Split(bytes).encoding, photo ? "JPG" : "BMP");
    TOptimisedImage decoded;
    decoded.SetMaxSide(40);
    EXPECT_TRUE(decoded.FromBytes(bytes)) << decoded.ErrorText();
    decoded.SetMaxSide(39);
    EXPECT_FALSE(decoded.FromBytes(bytes));
    EXPECT_EQ(decoded.ErrorText(), err::kUnknownFormat);
  }
  // A megabyte of zeros packs into a few kilobytes. It inflates (and is no
  // bitmap), but not past the 30054-byte file of a 100 x 100 picture.
  std::string bomb(1 << 20, '\0');
  std::string error;
  ASSERT_TRUE(PackString(bomb, error));
  TOptimisedImage image;
  EXPECT_FALSE(image.FromBytes(OmiBytes("BMP", bomb)));
  EXPECT_EQ(image.ErrorText(), err::kUnknownFormat);
  image.SetMaxSide(100);
  EXPECT_FALSE(image.FromBytes(OmiBytes("BMP", bomb)));
  EXPECT_EQ(image.ErrorText(), err::kOutOfMemory);
  EXPECT_TRUE(IsResetWhite(image));
  // Unpacking's own texts: a packed field announcing more than follows, and a
  // damaged zlib stream.
  EXPECT_FALSE(image.FromBytes(OmiBytes("BMP", std::string("\x10\x00\x00\x00xx", 6))));
  EXPECT_EQ(image.ErrorText(), err::kUnknownFormat);
  EXPECT_FALSE(image.FromBytes(OmiBytes("BMP", Field("this is not zlib"))));
  EXPECT_EQ(image.ErrorText(), err::kOutOfMemory);
}

TEST(OptimisedImageTest, InfoTextsAreKeptThroughDecodeAndEncodeButNotAssigned) {
  std::string packed = WriteBmpFile(MakeBitmap(3, 2, [](int, int) { return kWhite; }));
  std::string error;
  ASSERT_TRUE(PackString(packed, error));
  const std::string bytes = OmiBytes("BMP", packed, "first", std::string("se\0cond", 7), "");
  TOptimisedImage image;
  ASSERT_TRUE(image.FromBytes(bytes)) << image.ErrorText();
  EXPECT_EQ(image.Info1(), "first");
  EXPECT_EQ(image.Info2(), std::string("se\0cond", 7));
  EXPECT_EQ(image.Width(), 3);

  std::string again;
  ASSERT_TRUE(image.ToBytes(again));
  const TFields f = Split(again);
  EXPECT_EQ(f.info1, "first");
  EXPECT_EQ(f.info2, std::string("se\0cond", 7));
  EXPECT_EQ(f.info3, "");

  TOptimisedImage copy;
  copy.Assign(image);
  EXPECT_EQ(copy.Encoding(), "BMP");
  EXPECT_EQ(copy.Picture(), image.Picture());
  EXPECT_TRUE(copy.Info1().empty());
  EXPECT_TRUE(copy.Info2().empty());
}

TEST(OptimisedImageTest, StreamsReportProgressAndRaiseOnFailure) {
  TOptimisedImage image;
  std::vector<std::string> reports;
  image.OnProgress = [&](TOptimisedImage::TProgressStage, int percent, const TRect& rect,
                         const std::string& message) {
    reports.push_back(message + " " + std::to_string(percent) + " " + std::to_string(rect.Right) +
                      "x" + std::to_string(rect.Bottom));
  };
  image.Assign(MakeBitmap(4, 3, [](int, int) { return kBlack; }));
  TMemoryStream stream;
  stream.WriteText("prefix");
  image.SaveToStream(stream);
  EXPECT_EQ(reports, (std::vector<std::string>{"Saving 0 4x3", "Saving 100 4x3"}));

  reports.clear();
  stream.SetPosition(6);
  TOptimisedImage loaded;
  loaded.OnProgress = image.OnProgress;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.Picture(), image.Picture());

  reports.clear();
  TMemoryStream junk(std::string("OMIV2.0\0", 8));
  try {
    loaded.LoadFromStream(junk);
    ADD_FAILURE() << "no error raised";
  } catch (const EGeneralError& e) {
    EXPECT_STREQ(e.what(), err::kUnknownFormat);
  }
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1], "Loading 100 300x300");

  // An empty picture has no JPEG to compare with.
  TOptimisedImage empty;
  TMemoryStream target;
  EXPECT_THROW(empty.SaveToStream(target), EGeneralError);
  EXPECT_EQ(empty.ErrorText(), err::kUnexpectedError);
  EXPECT_EQ(target.Size(), 0);
}

TEST(OptimisedImageTest, FilesRoundTripAndReportTheirErrors) {
  testing::ScratchFolder folder;
  TOptimisedImage image;
  image.Assign(Photograph(120, 90, 30));
  ASSERT_TRUE(image.WriteToFile(folder / "card.omi")) << image.ErrorText();
  // Writing again replaces the file.
  ASSERT_TRUE(image.WriteToFile(folder / "card.omi")) << image.ErrorText();

  TOptimisedImage read;
  ASSERT_TRUE(read.ReadFromFile(folder / "card.omi")) << read.ErrorText();
  EXPECT_EQ(read.Width(), 120);
  EXPECT_EQ(read.Encoding(), "JPG");

  EXPECT_FALSE(read.ReadFromFile(folder / "missing.omi"));
  EXPECT_EQ(read.ErrorText(), err::kFileNotFound);
  EXPECT_FALSE(image.WriteToFile(folder / "no such folder/card.omi"));
  EXPECT_FALSE(image.ErrorText().empty());
}

}  // namespace
}  // namespace lumigram
