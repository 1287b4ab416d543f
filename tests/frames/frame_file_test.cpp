// Frame and frame style files: layout, scrambling, round trips, and damaged
// or forged files failing with "Unknown format" and the defaults restored.

#include "frames/frame_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "frames/frame_styles.h"
#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/files.h"
#include "util/scramble.h"

namespace lumigram {
namespace {

const TFrameInfo kRed = {0x0000FF, 12, "10,d,s60\r\nr,s120,d", "made by hand"};

// A file image put together by hand from its plain body.
std::string FileOf(std::string_view magic, const std::string& plainBody) {
  return std::string(magic) + '\0' + ScrambleSub(plainBody, FrameFileKey());
}

std::string FrameBody(int32_t size, int32_t colour, std::string_view code, std::string_view extra) {
  std::string body;
  AppendField(body, IntToBytes4(size));
  AppendField(body, IntToBytes4(colour));
  AppendField(body, code);
  AppendField(body, extra);
  return body;
}

void ExpectDefaults(const TFrame& frame) {
  EXPECT_EQ(frame.Settings(), DefaultFrameFileSettings());
}

TEST(FrameFile, KeyIsNinetyNinePrintableCharacters) {
  const std::string_view key = FrameFileKey();
  ASSERT_EQ(key.size(), 99u);
  for (char c : key) EXPECT_TRUE(c >= ' ' && c <= '~') << int(c);
}

TEST(FrameFile, DefaultsAndAssignClamp) {
  TFrame frame;
  EXPECT_EQ(frame.Settings(), (TFrameInfo{0xC0C0C0, 52, "100,s60,d", ""}));
  frame.Assign({1, 300, "x", "y"});
  EXPECT_EQ(frame.Settings().Size, 255);
  frame.Assign({1, -3, "x", "y"});
  EXPECT_EQ(frame.Settings().Size, 0);
  frame.Reset();
  ExpectDefaults(frame);
  EXPECT_EQ(NewCardFrame(), (TFrameInfo{kWhite, 52, kFrameStyles[kColoredInsertStyle].Code, ""}));
}

TEST(FrameFile, LayoutIsMagicZeroAndScrambledFields) {
  TFrame frame;
  frame.Assign(kRed);
  std::string bytes;
  ASSERT_TRUE(frame.ToBytes("FRM1.0", bytes));
  EXPECT_EQ(bytes, FileOf("FRM1.0", FrameBody(12, 0xFF, kRed.Code, kRed.Extra)));
  // The body really is scrambled: the code is not there in plain text.
  EXPECT_EQ(bytes.find(kRed.Code), std::string::npos);

  ASSERT_TRUE(frame.ToBytes("FRS1.0", bytes));
  std::string body;
  AppendField(body, kRed.Code);
  AppendField(body, kRed.Extra);
  EXPECT_EQ(bytes, FileOf("FRS1.0", body));
}

TEST(FrameFile, RoundTripsBothKinds) {
  TFrame writer;
  TFrameInfo odd = {0x80000005, 255, std::string("a\0b\r\n\xFF", 6), std::string(300, 'x')};
  for (const TFrameInfo& settings : {kRed, odd, TFrameInfo{0, 0, "", ""}}) {
    writer.Assign(settings);
    std::string bytes;
    ASSERT_TRUE(writer.ToBytes("FRM1.0", bytes));
    TFrame reader;
    ASSERT_TRUE(reader.FromBytes(bytes)) << reader.ErrorText();
    EXPECT_EQ(reader.Settings(), settings);
  }
  // A style file restyles: colour and size stay what the reader had.
  writer.Assign(kRed);
  std::string style;
  ASSERT_TRUE(writer.ToBytes("FRS1.0", style));
  TFrame card;
  card.Assign({0x00FF00, 75, "100,d,d", "old"});
  ASSERT_TRUE(card.FromBytes(style));
  EXPECT_EQ(card.Settings(), (TFrameInfo{0x00FF00, 75, kRed.Code, kRed.Extra}));
}

TEST(FrameFile, ShortBodiesReadMissingFieldsAsEmpty) {
  TFrame frame;
  // Only the magic and the zero byte: size 0, black, no code.
  ASSERT_TRUE(frame.FromBytes(std::string("FRM1.0\0", 7)));
  EXPECT_EQ(frame.Settings(), (TFrameInfo{0, 0, "", ""}));
  // The body ends after the code.
  std::string body;
  AppendField(body, IntToBytes4(20));
  AppendField(body, IntToBytes4(0x123456));
  AppendField(body, "100,d,d");
  ASSERT_TRUE(frame.FromBytes(FileOf("FRM1.0", body)));
  EXPECT_EQ(frame.Settings(), (TFrameInfo{0x123456, 20, "100,d,d", ""}));
  // Two stray bytes where a length would be count as nothing more.
  ASSERT_TRUE(frame.FromBytes(FileOf("FRM1.0", body + "\x05\x00")));
  EXPECT_EQ(frame.Settings().Extra, "");
}

TEST(FrameFile, IntegerFieldsOfOddLengths) {
  TFrame frame;
  std::string body;
  AppendField(body, "\x07\x00");                                  // too short: 0
  AppendField(body, std::string("\x10\x20\x30\x00\xEE\xEE", 6));  // extra bytes ignored
  ASSERT_TRUE(frame.FromBytes(FileOf("FRM1.0", body)));
  EXPECT_EQ(frame.Settings().Size, 0);
  EXPECT_EQ(frame.Settings().Color, 0x302010u);
  // Sizes out of range are clamped on reading.
  ASSERT_TRUE(frame.FromBytes(FileOf("FRM1.0", FrameBody(300, 0, "d", ""))));
  EXPECT_EQ(frame.Settings().Size, 255);
  ASSERT_TRUE(frame.FromBytes(FileOf("FRM1.0", FrameBody(-1, 0, "d", ""))));
  EXPECT_EQ(frame.Settings().Size, 0);
}

TEST(FrameFile, DamagedAndForgedFilesFailCleanly) {
  std::string tooLong;
  AppendField(tooLong, IntToBytes4(12));
  AppendField(tooLong, IntToBytes4(255));
  tooLong += IntToBytes4(50) + "only ten b";
  std::string negative = FrameBody(12, 255, "", "");
  negative.replace(16, 4, IntToBytes4(-1));
  std::string good;
  TFrame writer;
  ASSERT_TRUE(writer.ToBytes("FRM1.0", good));

  const std::string cases[] = {
      "",
      "FRM1.0",                     // no zero byte
      std::string("frm1.0\0", 7),   // case counts
      std::string("FRM1.0 \0", 8),  // exact magic only
      std::string("FRM1.1\0", 7),
      "\0FRM1.0" + good.substr(6),
      FileOf("FRM1.0", tooLong),   // code claims more than is left
      FileOf("FRM1.0", negative),  // negative length
      FileOf("FRS1.0", IntToBytes4(-7)),
      good.substr(0, good.size() - 5),  // cut inside the code
      std::string("FRM1.0\0", 7) + ScrambleSub(FrameBody(12, 255, "x", ""), "another key"),
  };
  for (const std::string& bytes : cases) {
    TFrame frame;
    frame.Assign(kRed);
    EXPECT_FALSE(frame.FromBytes(bytes)) << ::testing::PrintToString(bytes);
    EXPECT_EQ(frame.ErrorText(), err::kUnknownFormat);
    ExpectDefaults(frame);
  }
}

TEST(FrameFile, UnknownMagicForWritingResets) {
  TFrame frame;
  frame.Assign(kRed);
  std::string bytes = "untouched";
  EXPECT_FALSE(frame.ToBytes("FRM1.1", bytes));
  EXPECT_EQ(frame.ErrorText(), err::kUnknownFormat);
  ExpectDefaults(frame);
  EXPECT_EQ(bytes, "untouched");
}

TEST(FrameFile, TheExtensionChoosesTheKind) {
  testing::ScratchFolder folder;
  TFrame frame;
  frame.Assign(kRed);
  const struct {
    const char* name;
    const char* magic;
  } cases[] = {{"a.frs", "FRS1.0"},    {"b.FRS", "FRS1.0"}, {"c.Frs", "FRS1.0"},
               {"d.frm", "FRM1.0"},    {"e.fr", "FRM1.0"},  {"f", "FRM1.0"},
               {"g.frs.bak", "FRM1.0"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(frame.WriteToFile(folder / c.name)) << frame.ErrorText();
    std::string bytes, error;
    ASSERT_TRUE(ReadFileToString(folder / c.name, bytes, error));
    EXPECT_EQ(bytes.substr(0, 7), std::string(c.magic) + '\0') << c.name;
    TFrame reader;
    ASSERT_TRUE(reader.ReadFromFile(folder / c.name)) << reader.ErrorText();
    EXPECT_EQ(reader.Settings().Code, kRed.Code);
  }
  // Writing replaces an existing file.
  frame.Assign({0x00FF00, 3, "d", ""});
  ASSERT_TRUE(frame.WriteToFile(folder / "d.frm"));
  TFrame reader;
  ASSERT_TRUE(reader.ReadFromFile(folder / "d.frm"));
  EXPECT_EQ(reader.Settings(), (TFrameInfo{0x00FF00, 3, "d", ""}));
}

TEST(FrameFile, FileFailuresSayWhy) {
  testing::ScratchFolder folder;
  TFrame frame;
  frame.Assign(kRed);
  EXPECT_FALSE(frame.ReadFromFile(folder / "missing.frm"));
  EXPECT_EQ(frame.ErrorText(), err::kFileNotFound);
  EXPECT_EQ(frame.Settings(), kRed);  // nothing was read

  // Far larger than any frame file: refused before reading it in.
  const std::string huge = folder / "huge.frm";
  const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, kMaxFrameFileBytes + 1), 0);
  ::close(fd);
  EXPECT_FALSE(frame.ReadFromFile(huge));
  EXPECT_EQ(frame.ErrorText(), err::kOutOfMemory);

  // A folder in the way cannot be replaced; a missing folder has no room.
  ASSERT_TRUE(ForceFolder(folder / "taken.frm"));
  EXPECT_FALSE(frame.WriteToFile(folder / "taken.frm"));
  EXPECT_EQ(frame.ErrorText(), err::kFileInUse);
  EXPECT_FALSE(frame.WriteToFile(folder / "no/such/folder/x.frm"));
  EXPECT_EQ(frame.ErrorText(), err::kOutOfDiskSpace);
}

}  // namespace
}  // namespace lumigram
