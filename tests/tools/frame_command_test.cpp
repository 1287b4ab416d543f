// `lumigram frame`, run as the built program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/bmp/bmp_file.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

#ifndef LUMIGRAM_CLI
#error "LUMIGRAM_CLI names the lumigram program"
#endif

namespace lumigram::testing {
namespace {

class FrameCommand : public ::testing::Test {
 protected:
  TProgramRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {LUMIGRAM_CLI, "frame"});
    return RunProgram(args);
  }

  TBitmap Read(const std::string& path) {
    std::string bytes, error;
    EXPECT_TRUE(ReadFileToString(path, bytes, error)) << error;
    TBitmap card;
    int depth = 0;
    EXPECT_TRUE(ReadBmpFile(bytes, card, depth, error)) << error;
    EXPECT_EQ(depth, 24);
    return card;
  }

  ScratchFolder folder;
};

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000;

TEST_F(FrameCommand, PaintsAroundAWhitePicture) {
  const std::string out = folder / "card.bmp";
  ASSERT_EQ(Run({"--width", "2", "--height", "1", "--size", "3", "--code", "100,255,16711680", out})
                .Status,
            0);
  const TBitmap card = Read(out);
  ASSERT_EQ(card.Width(), 8);
  ASSERT_EQ(card.Height(), 7);
  EXPECT_EQ(card.GetPixel(0, 0), kRed);
  EXPECT_EQ(card.GetPixel(7, 6), kRed);
  EXPECT_EQ(card.GetPixel(1, 3), RGB(170, 0, 84));  // a third of the way to blue
  EXPECT_EQ(card.GetPixel(2, 3), RGB(86, 0, 168));
  EXPECT_EQ(card.GetPixel(3, 3), kWhite);  // the picture
  EXPECT_EQ(card.GetPixel(4, 3), kWhite);
}

TEST_F(FrameCommand, ColoursAndDefaults) {
  const std::string out = folder / "card.BMP";
  ASSERT_EQ(Run({"--width", "5", "--height", "4", "--size", "2", "--color", "#0000FF", "--code",
                 "100,d,d", out})
                .Status,
            0);
  EXPECT_EQ(Read(out).GetPixel(0, 0), kBlue);
  ASSERT_EQ(Run({"--width", "5", "--height", "4", "--size", "2", "--color", "255", "--code",
                 "100,d,d", out})
                .Status,
            0);
  EXPECT_EQ(Read(out).GetPixel(1, 4), kRed);
  // Automatic: a white picture gives a white frame, shaded here to half.
  ASSERT_EQ(Run({"--width", "5", "--height", "4", "--size", "2", "--color", "auto", "--code",
                 "100,s50,s50", out})
                .Status,
            0);
  EXPECT_EQ(Read(out).GetPixel(0, 0), RGB(127, 127, 127));
  // The card's defaults: white, 52 pixels, "Colored Insert" (ring 0 at 60 per cent).
  ASSERT_EQ(Run({"--width", "3", "--height", "3", out}).Status, 0);
  const TBitmap card = Read(out);
  EXPECT_EQ(card.Width(), 107);
  EXPECT_EQ(card.GetPixel(50, 0), RGB(153, 153, 153));
  // Sizes are kept within 0..255 as the card keeps them.
  ASSERT_EQ(Run({"--width", "1", "--height", "1", "--size", "-4", out}).Status, 0);
  EXPECT_EQ(Read(out).Width(), 1);
}

TEST_F(FrameCommand, RefusesWhatItCannotDo) {
  const std::string out = folder / "card.bmp";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--width", "2", "--height", "2"},
           {"--width", "2", out},
           {"--width", "0", "--height", "2", out},
           {"--width", "19001", "--height", "2", out},
           {"--width", "2", "--height", "2x", out},
           {"--width", "2", "--height", "2", "--size", "big", out},
           {"--width", "2", "--height", "2", "--color", "#12345", out},
           {"--width", "2", "--height", "2", "--color", "#12345G", out},
           {"--width", "2", "--height", "2", "--color", "-1", out},
           {"--width", "2", "--height", "2", "--color", "4294967296", out},
           {"--width", "2", "--height", "2", "--shape", "round", out},
           {"--width", "2", "--height", "2", out, out},
       }) {
    EXPECT_EQ(Run(args).Status, 2) << ::testing::PrintToString(args);
  }
  EXPECT_FALSE(FileExistsNotFolder(out));
  TProgramRun run = Run({"--width", "2", "--height", "2", folder / "card.ppm"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("Unsupported format"), std::string::npos) << run.Err;
  run = Run({"--width", "2", "--height", "2", folder / "none/card.bmp"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("Out of disk space"), std::string::npos) << run.Err;
}

}  // namespace
}  // namespace lumigram::testing
