#include "util/stream.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

namespace lumigram {
namespace {

TEST(MemoryStream, ReadsWritesAndSeeks) {
  TMemoryStream stream;
  stream.WriteText("hello");
  EXPECT_EQ(stream.Position(), 5);
  stream.SetPosition(10);  // writing past the end fills the gap with zeros
  stream.WriteText("!");
  EXPECT_EQ(stream.Data(), std::string("hello\0\0\0\0\0!", 11));
  stream.SetPosition(1);
  char buffer[4];
  EXPECT_EQ(stream.Read(buffer, 4), 4);
  EXPECT_EQ(std::string(buffer, 4), "ello");
  EXPECT_EQ(stream.Seek(-2, TSeekOrigin::End), 9);
  EXPECT_EQ(stream.Read(buffer, 4), 2);
  EXPECT_EQ(stream.Read(buffer, 4), 0);
  EXPECT_THROW(stream.ReadBuffer(buffer, 1), EStreamError);
}

TEST(MemoryStream, CopyFromWholeSourceRewindsIt) {
  TMemoryStream source(std::string("abcdef"));
  source.SetPosition(4);
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(source, 0), 6);
  EXPECT_EQ(target.Data(), "abcdef");
  source.SetPosition(2);
  target.CopyFrom(source, 3);
  EXPECT_EQ(target.Data(), "abcdefcde");
}

TEST(FileStream, WritesAndReadsAFile) {
  testing::ScratchFolder folder;
  {
    TFileStream out(folder / "f.bin", TFileMode::Create);
    ASSERT_TRUE(out.IsOpen());
    out.WriteText("0123456789");
  }
  TFileStream in(folder / "f.bin", TFileMode::Read);
  ASSERT_TRUE(in.IsOpen());
  EXPECT_EQ(in.Size(), 10);
  in.SetPosition(7);
  char buffer[8];
  EXPECT_EQ(in.Read(buffer, 8), 3);
  EXPECT_FALSE(TFileStream(folder / "missing", TFileMode::Read).IsOpen());
}

}  // namespace
}  // namespace lumigram
