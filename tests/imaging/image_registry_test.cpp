#include "imaging/image_registry.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "imaging/bmp/bmp_file.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::ScratchFolder;

TEST(ImageRegistry, HoldsTheFourteenFormatsInFilterOrder) {
  const TOpenImageEventCollection& formats = TOpenImage::Shared().Formats();
  ASSERT_EQ(formats.Count(), 14);
  const char* order[] = {".BMP", ".DIB", ".RLE", ".JPG", ".JIF", ".ICO", ".WMF",
                         ".EMF", ".PPM", ".PGM", ".PBM", ".XBM", ".TEP", ".OMI"};
  for (int i = 0; i < 14; ++i) EXPECT_EQ(formats.Entry(i).Ext, order[i]);
  EXPECT_EQ(formats.Entry(10).Description, "Portable Bitmap (Monochrome)");
  EXPECT_EQ(formats.IndexOfFile("/x/Photo.Jpg"), 3);
  EXPECT_EQ(formats.IndexOfFile("/x.d/README"), -1);
  EXPECT_EQ(formats.IndexOfFile("archive.tar"), -1);
}

TEST(ImageRegistry, FiltersAreBuiltAsTheDialogsExpect) {
  const TOpenImageEventCollection& formats = TOpenImage::Shared().Formats();
  EXPECT_EQ(formats.Filter(0, 0), "Bitmap (*.BMP)|*.BMP|");
  EXPECT_EQ(formats.Filter(0, 1), "*.BMP");
  EXPECT_EQ(formats.Filter(99, 0), "");
  const std::string all = formats.Filter(-1, 0);
  EXPECT_EQ(all.rfind("All Pictures|*.BMP;*.DIB;*.RLE;", 0), 0u);
  EXPECT_EQ(all.substr(all.size() - 8), ";*.OMI;|");
  const std::string each = formats.Filter(-3, 0);
  EXPECT_EQ(each.rfind("Bitmap (*.bmp)|*.BMP;|Device Independant Bitmap (*.dib)|*.DIB;|", 0), 0u);
  EXPECT_EQ(formats.Filter(-2, 0), all + each);
  EXPECT_EQ(formats.Filter(-2, 1), formats.Filter(-1, 1) + formats.Filter(-3, 1));
}

TEST(ImageRegistry, AddReplacesInPlaceAndStopsAtCapacity) {
  TOpenImageEventCollection formats;
  EXPECT_EQ(formats.Add({".bmp", "Bitmap", nullptr, false}), 0);
  EXPECT_EQ(formats.Add({".PNG", "PNG", nullptr, false}), 1);
  EXPECT_EQ(formats.Add({".BMP", "Other", nullptr, false}), 0);
  EXPECT_EQ(formats.Entry(0).Description, "Other");
  for (int i = 2; i < 100; ++i)
    EXPECT_EQ(formats.Add({".X" + std::to_string(i), "", nullptr, false}), i);
  EXPECT_EQ(formats.Add({".ONE", "one too many", nullptr, false}), -1);
  TImageInfoRec request;
  EXPECT_FALSE(formats.Run(0, request));  // no loader
  EXPECT_EQ(request.ErrorText, "Index out of range");
}

TEST(ImageRegistry, LoadsByExtensionAndReportsDepthAndFailures) {
  ScratchFolder folder;
  TBitmap source;
  source.SetSize(3, 2, 0x00336699);
  std::string error;
  ASSERT_TRUE(SaveBmpFile(folder / "a.Bmp", source, error));
  ASSERT_TRUE(WriteStringToFile(folder / "one.pbm", "P1\n1 1\n1\n", error));
  ASSERT_TRUE(WriteStringToFile(folder / "bad.jif", "not a jpeg", error));

  TBitmap target;
  TImageInfoRec request;
  request.Target = &target;
  request.FileName = folder / "a.Bmp";
  ASSERT_TRUE(TOpenImage::Shared().Load(request)) << request.ErrorText;
  EXPECT_EQ(target, source);
  EXPECT_EQ(request.BitsPerPixel, 24);

  request.FileName = folder / "one.pbm";
  ASSERT_TRUE(TOpenImage::Shared().Load(request)) << request.ErrorText;
  EXPECT_EQ(target.Width(), 1);
  EXPECT_EQ(target.GetPixel(0, 0), 0u);
  EXPECT_EQ(request.BitsPerPixel, 1);

  request.FileName = folder / "bad.jif";
  EXPECT_FALSE(TOpenImage::Shared().Load(request));
  EXPECT_EQ(request.ErrorText, "Unknown format");
  EXPECT_EQ(target.Width(), 1);  // a failed load leaves the target alone

  request.FileName = folder / "missing.bmp";
  EXPECT_FALSE(TOpenImage::Shared().Load(request));
  EXPECT_EQ(request.ErrorText, "File not found");
  request.FileName = folder / "a.png";
  EXPECT_FALSE(TOpenImage::Shared().Load(request));
  EXPECT_EQ(request.ErrorText, "Index out of range");
  request.FileName = folder / "a.Bmp";
  request.Target = nullptr;
  EXPECT_FALSE(TOpenImage::Shared().Load(request));
  EXPECT_EQ(request.ErrorText, "Index out of range");
}

TEST(ImageRegistry, MetafilesLoadThroughBothExtensions) {
  const char* data = std::getenv("LUMIGRAM_TEST_DATA");
  ASSERT_NE(data, nullptr);
  for (const char* name : {"fill_rules.wmf", "fill_rules.emf"}) {
    TBitmap target;
    TImageInfoRec request;
    request.FileName = std::string(data) + "/imaging/metafiles/" + name;
    request.Target = &target;
    ASSERT_TRUE(TOpenImage::Shared().Load(request)) << name << ": " << request.ErrorText;
    EXPECT_FALSE(target.Empty());
    EXPECT_EQ(request.BitsPerPixel, 24);
  }
}

TEST(ImageRegistry, TextPictureKeepsItsOwnErrorText) {
  ScratchFolder folder;
  std::string error;
  ASSERT_TRUE(WriteStringToFile(folder / "broken.tep", "garbage", error));
  TBitmap target;
  TImageInfoRec request;
  request.FileName = folder / "broken.tep";
  request.Target = &target;
  EXPECT_FALSE(TOpenImage::Shared().Load(request));
  EXPECT_FALSE(request.ErrorText.empty());
  EXPECT_NE(request.ErrorText, "Index out of range");
}

}  // namespace
}  // namespace lumigram
