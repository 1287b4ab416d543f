// `lumigram card`, run as the built program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card/lumigram.h"
#include "card/message_file.h"
#include "imaging/bmp/bmp_file.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

#ifndef LUMIGRAM_CLI
#error "LUMIGRAM_CLI names the lumigram program"
#endif

namespace lumigram::testing {
namespace {

class CardCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    TBitmap picture;
    picture.SetSize(64, 40, RGB(200, 30, 30));
    std::string error;
    ASSERT_TRUE(SaveBmpFile(folder / "pic.bmp", picture, error));
    ASSERT_TRUE(WriteStringToFile(folder / "tone.wav", "RIFF....WAVEfmt ", error));
  }

  TProgramRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {LUMIGRAM_CLI, "card"});
    return RunProgram(args);
  }

  std::string Read(const std::string& path) {
    std::string bytes, error;
    EXPECT_TRUE(ReadFileToString(path, bytes, error)) << path << ": " << error;
    return bytes;
  }

  ScratchFolder folder;
};

TEST_F(CardCommand, MakeThenInfoListsEveryField) {
  const TProgramRun made = Run({"make",
                                "--picture",
                                folder / "pic.bmp",
                                "--sound",
                                folder / "tone.wav",
                                "--link",
                                "me@example.com",
                                "--message",
                                "Gr\xC3\xBC\xC3\x9F"
                                "e\nzwei",
                                "--font",
                                "DejaVu Sans",
                                "--font-style",
                                "bu",
                                "--halign",
                                "right",
                                "--flash",
                                "--password",
                                "",
                                "--author",
                                "Ann",
                                "--no-print",
                                "--data-only",
                                "--out",
                                folder / "card.dat"});
  ASSERT_EQ(made.Status, 0) << made.Err;
  const TProgramRun info = Run({"info", folder / "card.dat"});
  ASSERT_EQ(info.Status, 0) << info.Err;
  const std::string expected =
      "Password: 0100000063000000\n"
      "Version: LG1.0\n"
      "Picture: ";
  ASSERT_EQ(info.Out.substr(0, expected.size()), expected);
  for (const char* line :
       {"x40\n", "\nCursor: 0 bytes\n", "\nSound: 16 bytes\n", "\nSoundType: WAV\n",
        "\nLink: mailto:me@example.com\n", "\nFrame.Size: 52\n", "\nFont.Charset: 1\n",
        "\nFont.Name: DejaVu Sans\n", "\nFont.Style: 1010\n",
        "\nMessage: Gr\xFC\xDF"
        "e\\r\\nzwei\\r\\n\n",
        "\nHAlign: 1\n", "\nVAlign: 0\n", "\nFlash: 1\n",
        "\nCreatorInfo: |Brimble Lumigram Creator\\r\\n|Version| 2.00.2181", "\nAuthor: Ann\n",
        "\nCanEdit: 1\nCanPrint: 0\n"})
    EXPECT_NE(info.Out.find(line), std::string::npos) << line << "\n" << info.Out;
  size_t lines = 0;
  for (char c : info.Out) lines += c == '\n';
  EXPECT_EQ(lines, 25u);
}

TEST_F(CardCommand, CardFileFromAViewerProgram) {
  std::string error;
  ASSERT_TRUE(WriteStringToFile(folder / "viewer",
                                "\x7f"
                                "ELF viewer",
                                error, true));
  // A companion with no viewer beside it asks for one.
  ASSERT_TRUE(CopyFileChecked(LUMIGRAM_CLI, folder / "lumigram", error)) << error;
  const TProgramRun missing = RunProgram({folder / "lumigram", "card", "make", "--picture",
                                          folder / "pic.bmp", "--out", folder / "a"});
  EXPECT_EQ(missing.Status, 1);
  EXPECT_NE(missing.Err.find("--data-only"), std::string::npos) << missing.Err;
  EXPECT_FALSE(FileExistsNotFolder(folder / "a"));

  // The built one takes the viewer built beside it.
  const TProgramRun beside = Run({"make", "--picture", folder / "pic.bmp", "--out", folder / "c"});
  ASSERT_EQ(beside.Status, 0) << beside.Err;
  std::string viewer;
  ASSERT_TRUE(ReadFileToString(LUMIGRAM_VIEWER, viewer, error)) << error;
  EXPECT_EQ(Read(folder / "c").substr(0, viewer.size()), viewer);

  const TProgramRun made = Run({"make", "--picture", folder / "pic.bmp", "--viewer",
                                folder / "viewer", "--out", folder / "card"});
  ASSERT_EQ(made.Status, 0) << made.Err;
  const std::string file = Read(folder / "card");
  ASSERT_GT(file.size(), size_t(kCardDataOffset));
  EXPECT_EQ(file.substr(0, 11),
            "\x7f"
            "ELF viewer");
  EXPECT_EQ(file.substr(11, size_t(kCardDataOffset) - 11), std::string(kCardDataOffset - 11, '\0'));
  EXPECT_EQ(file.substr(size_t(kCardDataOffset), 6), std::string("LG1.0") + '\0');
  EXPECT_EQ(::access((folder / "card").c_str(), X_OK), 0);
  EXPECT_EQ(Run({"info", folder / "card"}).Status, 0);

  ASSERT_TRUE(WriteStringToFile(folder / "big", std::string(kCardDataOffset + 1, 'v'), error));
  const TProgramRun big = Run(
      {"make", "--picture", folder / "pic.bmp", "--viewer", folder / "big", "--out", folder / "b"});
  EXPECT_EQ(big.Status, 1);
  EXPECT_NE(big.Err.find("larger than 205,823 bytes"), std::string::npos) << big.Err;
}

TEST_F(CardCommand, ExtractEachElement) {
  ASSERT_EQ(
      Run({"make", "--picture", folder / "pic.bmp", "--sound", folder / "tone.wav", "--message",
           "hi", "--valign", "bottom", "--data-only", "--out", folder / "card.dat"})
          .Status,
      0);
  ASSERT_EQ(Run({"extract", folder / "card.dat", "--sound", folder / "s.wav"}).Status, 0);
  EXPECT_EQ(Read(folder / "s.wav"), Read(folder / "tone.wav"));
  ASSERT_EQ(Run({"extract", folder / "card.dat", "--picture", folder / "p.bmp"}).Status, 0);
  TBitmap picture;
  int depth = 0;
  std::string error;
  ASSERT_TRUE(ReadBmpFile(Read(folder / "p.bmp"), picture, depth, error));
  EXPECT_EQ(picture.Width(), 64);
  EXPECT_EQ(picture.Height(), 40);
  ASSERT_EQ(Run({"extract", folder / "card.dat", "--message", folder / "m.msg"}).Status, 0);
  TLumigramInfo info;
  EXPECT_EQ(ReadMessageFile(Read(folder / "m.msg"), info), TMessageFileResult::Complete);
  EXPECT_EQ(info.Message, std::vector<std::string>{"hi"});
  EXPECT_EQ(info.VAlign, kAlignBottom);

  const TProgramRun noCursor = Run({"extract", folder / "card.dat", "--cursor", folder / "c.cur"});
  EXPECT_EQ(noCursor.Status, 1);
  EXPECT_EQ(Run({"extract", folder / "card.dat", "--sound", "a", "--cursor", "b"}).Status, 2);
}

TEST_F(CardCommand, BadInputFailsWithTheErrorText) {
  const TProgramRun junk = Run({"info", folder / "pic.bmp"});
  EXPECT_EQ(junk.Status, 1);
  EXPECT_NE(junk.Err.find("Unknown format"), std::string::npos);
  std::string error;
  ASSERT_TRUE(
      WriteStringToFile(folder / "cut", std::string("LG1.0") + '\0' + "\x40\0\0\0xyz", error));
  EXPECT_NE(Run({"info", folder / "cut"}).Err.find("Unknown format"), std::string::npos);
  const TProgramRun noPicture =
      Run({"make", "--picture", folder / "tone.wav", "--data-only", "--out", folder / "x"});
  EXPECT_EQ(noPicture.Status, 1);
  EXPECT_NE(noPicture.Err.find("Unsupported format"), std::string::npos);
  EXPECT_EQ(Run({"make", "--out", folder / "x"}).Status, 2);
  EXPECT_EQ(Run({"make", "--picture", folder / "pic.bmp", "--halign", "middle", "--data-only",
                 "--out", folder / "x"})
                .Status,
            2);
  const TProgramRun badSound = Run({"make", "--picture", folder / "pic.bmp", "--sound",
                                    folder / "pic.bmp", "--data-only", "--out", folder / "x"});
  EXPECT_EQ(badSound.Status, 1);
  EXPECT_NE(badSound.Err.find("Unknown format"), std::string::npos);
}

}  // namespace
}  // namespace lumigram::testing
