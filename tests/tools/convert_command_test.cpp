// `lumigram convert`, run as the built program.

#include <gtest/gtest.h>

#include "imaging/bmp/bmp_file.h"
#include "imaging/image_registry.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"

namespace lumigram {
namespace {

using testing::RunProgram;
using testing::ScratchFolder;

class ConvertCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    // Two flat halves: every format keeps them exactly (PBM: black and white).
    picture_.SetSize(17, 9, 0x00FFFFFF);
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 8; ++x) picture_.SetPixel(x, y, 0);
    std::string error;
    ASSERT_TRUE(SaveBmpFile(folder_ / "in.bmp", picture_, error));
  }

  TBitmap Load(const std::string& path) {
    TBitmap target;
    TImageInfoRec request;
    request.FileName = path;
    request.Target = &target;
    EXPECT_TRUE(TOpenImage::Shared().Load(request)) << path << ": " << request.ErrorText;
    return target;
  }

  ScratchFolder folder_;
  TBitmap picture_;
};

TEST_F(ConvertCommand, WritesEveryFormatByExtension) {
  for (const char* name :
       {"out.omi", "out.tep", "out.ppm", "out.pgm", "out.pbm", "out.xbm", "out.bmp"}) {
    const auto run = RunProgram({LUMIGRAM_CLI, "convert", folder_ / "in.bmp", folder_ / name});
    ASSERT_EQ(run.Status, 0) << name << ": " << run.Err;
    EXPECT_EQ(Load(folder_ / name), picture_) << name;
  }
  const auto jpeg = RunProgram(
      {LUMIGRAM_CLI, "convert", folder_ / "in.bmp", folder_ / "out.jpg", "--quality", "95"});
  ASSERT_EQ(jpeg.Status, 0) << jpeg.Err;
  const TBitmap back = Load(folder_ / "out.jpg");
  EXPECT_EQ(back.Width(), 17);
  EXPECT_LT(back.GetPixel(1, 4) & 0xFF, 40u);  // still dark where it was black
}

TEST_F(ConvertCommand, ReportsBadInputAndOptions) {
  auto run = RunProgram({LUMIGRAM_CLI, "convert", folder_ / "missing.bmp", folder_ / "o.bmp"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("File not found"), std::string::npos);
  run = RunProgram({LUMIGRAM_CLI, "convert", folder_ / "in.bmp", folder_ / "o.gif"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("Unsupported format"), std::string::npos);
  run =
      RunProgram({LUMIGRAM_CLI, "convert", folder_ / "in.bmp", folder_ / "o.tep", "--depth", "9"});
  EXPECT_EQ(run.Status, 2);
  run = RunProgram({LUMIGRAM_CLI, "convert", folder_ / "in.bmp"});
  EXPECT_EQ(run.Status, 2);
}

}  // namespace
}  // namespace lumigram
