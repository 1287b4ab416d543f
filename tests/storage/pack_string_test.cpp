#include "storage/pack_string.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "tests/support/scratch_folder.h"
#include "util/fields.h"

namespace lumigram {
namespace {

using testing::ScratchFolder;

bool HavePython() {
  return std::system("python3 -c pass >/dev/null 2>&1") == 0;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs a python program with the file names as arguments; false when it fails.
bool RunPython(const std::string& program, const std::string& in, const std::string& out) {
  const std::string command =
      "python3 -c '" + program + "' '" + in + "' '" + out + "' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

std::string SampleBytes() {
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += char((i * 7919) % 251);
  return bytes + std::string(50000, '\0') + "end";
}

TEST(PackString, EmptyInputPacksToALengthAndAnEmptyZlibStream) {
  std::string data, error;
  ASSERT_TRUE(PackString(data, error));
  ASSERT_GT(data.size(), 4u);
  EXPECT_EQ(Bytes4ToInt(data), int32_t(data.size() - 4));
  EXPECT_EQ(data.substr(4, 2), "\x78\x01");  // zlib header, fastest level
  ASSERT_TRUE(UnpackString(data, error));
  EXPECT_EQ(data, "");
}

TEST(PackString, RoundTripsAnyBytesAndIgnoresWhatFollowsTheField) {
  for (const std::string& original :
       {std::string("x"), std::string("\0\xFF\r\n", 4), SampleBytes()}) {
    std::string data = original, error;
    ASSERT_TRUE(PackString(data, error));
    data += "bytes after the field";
    ASSERT_TRUE(UnpackString(data, error));
    EXPECT_EQ(data, original);
  }
}

TEST(UnpackString, LengthFieldMustFitTheData) {
  std::string error;
  // Fewer than 4 bytes read as a length of 0: an empty field, an empty result.
  for (std::string data : {std::string(), std::string("\x05"), std::string("ab\x01")}) {
    EXPECT_TRUE(UnpackString(data, error));
    EXPECT_EQ(data, "");
  }
  std::string packed = "abc", data;
  ASSERT_TRUE(PackString(packed, error));
  data = packed.substr(0, packed.size() - 1);
  EXPECT_FALSE(UnpackString(data, error));
  EXPECT_EQ(error, "Unknown format");
  EXPECT_EQ(data, packed.substr(0, packed.size() - 1));
  // 2 GB claimed by a 10-byte string: refused before anything is allocated.
  data = IntToBytes4(0x7FFFFFFF) + "\x78\x01zzzz";
  EXPECT_FALSE(UnpackString(data, error));
  EXPECT_EQ(error, "Unknown format");
  data = IntToBytes4(-4) + "\x78\x01zzzz";
  EXPECT_FALSE(UnpackString(data, error));
  EXPECT_EQ(error, "Unknown format");
}

TEST(UnpackString, DamagedOrCutZlibStreamsFail) {
  std::string packed = SampleBytes(), error;
  ASSERT_TRUE(PackString(packed, error));
  std::string damaged = packed;
  damaged[damaged.size() - 2] ^= 0x40;  // Adler-32 no longer matches
  EXPECT_FALSE(UnpackString(damaged, error));
  EXPECT_EQ(error, "Out of memory");
  // A consistent field around a zlib stream that stops early is no file.
  std::string zlib = packed.substr(4, packed.size() / 2), cut;
  AppendField(cut, zlib);
  EXPECT_FALSE(UnpackString(cut, error));
  EXPECT_EQ(error, "Out of memory");
}

TEST(UnpackString, CapsWhatAZlibBombMayInflateTo) {
  std::string bomb(1 << 20, '\0'), error;
  ASSERT_TRUE(PackString(bomb, error));
  EXPECT_LT(bomb.size(), 5000u);
  std::string data = bomb;
  EXPECT_TRUE(UnpackString(data, error, 1 << 20));
  EXPECT_EQ(data.size(), size_t(1) << 20);
  data = bomb;
  EXPECT_FALSE(UnpackString(data, error, (1 << 20) - 1));
  EXPECT_EQ(error, "Out of memory");
  EXPECT_EQ(data, bomb);
}

TEST(UnpackString, DefaultCapStopsABombJustPastIt) {
  // One byte more than the cap, deflated a buffer at a time: about 250 KB.
  TMemoryStream packed;
  {
    const std::string zeros(1 << 20, '\0');
    TCompressionStream zip(TCompressionLevel::Fastest, packed);
    for (int64_t left = kMaxInflatedBytes + 1; left > 0; left -= int64_t(zeros.size()))
      zip.WriteBuffer(zeros.data(), std::min<int64_t>(left, int64_t(zeros.size())));
    zip.Finish();
  }
  std::string data, error;
  AppendField(data, packed.Data());
  EXPECT_FALSE(UnpackString(data, error));
  EXPECT_EQ(error, "Out of memory");
}

// The other side of the format is plain zlib, so another zlib must agree.
TEST(PackString, AgreesWithPythonZlib) {
  if (!HavePython()) GTEST_SKIP() << "python3 is not installed";
  ScratchFolder scratch;
  const std::string in = scratch / "in", out = scratch / "out";

  std::string data = SampleBytes(), error;
  ASSERT_TRUE(PackString(data, error));
  WriteFile(in, data);
  ASSERT_TRUE(
      RunPython("import sys, zlib\n"
                "d = open(sys.argv[1], \"rb\").read()\n"
                "n = int.from_bytes(d[:4], \"little\")\n"
                "assert n == len(d) - 4\n"
                "open(sys.argv[2], \"wb\").write(zlib.decompress(d[4:4 + n]))\n",
                in, out));
  EXPECT_EQ(ReadFile(out), SampleBytes());

  WriteFile(in, SampleBytes());
  for (const char* level : {"0", "6", "9"}) {
    SCOPED_TRACE(level);
    ASSERT_TRUE(
        RunPython(std::string("import sys, zlib\n"
                              "d = zlib.compress(open(sys.argv[1], \"rb\").read(), ") +
                      level +
                      ")\n"
                      "open(sys.argv[2], \"wb\").write(len(d).to_bytes(4, \"little\") + d)\n",
                  in, out));
    data = ReadFile(out);
    ASSERT_TRUE(UnpackString(data, error)) << error;
    EXPECT_EQ(data, SampleBytes());
  }
}

}  // namespace
}  // namespace lumigram
