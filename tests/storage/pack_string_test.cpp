#include "storage/pack_string.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/scratch_folder.h"
#include "util/fields.h"

namespace lumigram {
namespace {

std::string SampleBytes() {
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += char((i * 7919) % 251);
  return bytes + std::string(50000, '\0') + "end";
}

TEST(PackString, PacksToALengthAndAZlibStreamThatUnpacksBack) {
  for (const std::string& original : {std::string(), std::string("\0\xFF\r\n", 4), SampleBytes()}) {
    std::string data = original, error;
    ASSERT_TRUE(PackString(data, error));
    EXPECT_EQ(Bytes4ToInt(data), int32_t(data.size() - 4));
    EXPECT_EQ(data.substr(4, 2), "\x78\x01");  // zlib header, fastest level
    data += "bytes after the field";
    ASSERT_TRUE(UnpackString(data, error));
    EXPECT_EQ(data, original);
  }
}

TEST(UnpackString, RefusesLengthsThatDoNotFitAndDamagedStreams) {
  std::string error;
  // Fewer than 4 bytes read as a length of 0: an empty field, an empty result.
  for (std::string data : {std::string(), std::string("ab\x01")}) {
    EXPECT_TRUE(UnpackString(data, error));
    EXPECT_EQ(data, "");
  }
  std::string packed = SampleBytes();
  ASSERT_TRUE(PackString(packed, error));
  std::string damaged = packed;
  damaged[damaged.size() - 2] ^= 0x40;  // Adler-32 no longer matches
  std::string cut;                      // a consistent field around a zlib stream that stops early
  AppendField(cut, packed.substr(4, packed.size() / 2));
  const std::pair<std::string, const char*> cases[] = {
      {packed.substr(0, packed.size() - 1), "Unknown format"},
      // 2 GB claimed by a 10-byte string: refused before anything is allocated.
      {IntToBytes4(0x7FFFFFFF) + "\x78\x01zzzz", "Unknown format"},
      {IntToBytes4(-4) + "\x78\x01zzzz", "Unknown format"},
      {damaged, "Out of memory"},
      {cut, "Out of memory"}};
  for (const auto& [bytes, text] : cases) {
    std::string data = bytes;
    EXPECT_FALSE(UnpackString(data, error));
    EXPECT_EQ(error, text);
    EXPECT_EQ(data, bytes);
  }
}

TEST(UnpackString, CapsWhatAZlibBombMayInflateTo) {
  std::string bomb(1 << 20, '\0'), error;
  ASSERT_TRUE(PackString(bomb, error));
  std::string data = bomb;
  EXPECT_TRUE(UnpackString(data, error, 1 << 20));
  EXPECT_EQ(data.size(), size_t(1) << 20);
  data = bomb;
  EXPECT_FALSE(UnpackString(data, error, (1 << 20) - 1));
  EXPECT_EQ(error, "Out of memory");

  // One byte past the default cap, deflated a buffer at a time: about 1 MB.
  TMemoryStream packed;
  {
    const std::string zeros(1 << 20, '\0');
    TCompressionStream zip(TCompressionLevel::Fastest, packed);
    for (int64_t left = kMaxInflatedBytes + 1; left > 0; left -= int64_t(zeros.size()))
      zip.WriteBuffer(zeros.data(), std::min<int64_t>(left, int64_t(zeros.size())));
    zip.Finish();
  }
  data.clear();
  AppendField(data, packed.Data());
  EXPECT_FALSE(UnpackString(data, error));
  EXPECT_EQ(error, "Out of memory");
}

// The other side of the format is plain zlib, so another zlib must agree.
TEST(PackString, AgreesWithPythonZlib) {
  if (std::system("python3 -c pass >/dev/null 2>&1") != 0) GTEST_SKIP() << "no python3";
  testing::ScratchFolder scratch;
  const std::string in = scratch / "in", out = scratch / "out";
  auto python = [&](const std::string& program, const std::string& input) {
    std::ofstream(in, std::ios::binary) << input;
    const std::string command =
        "python3 -c 'import sys, zlib\n" + program + "' '" + in + "' '" + out + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return std::string("<python failed>");
    std::ifstream result(out, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(result), std::istreambuf_iterator<char>());
  };

  std::string data = SampleBytes(), error;
  ASSERT_TRUE(PackString(data, error));
  EXPECT_EQ(python("d = open(sys.argv[1], \"rb\").read()\n"
                   "n = int.from_bytes(d[:4], \"little\")\n"
                   "assert n == len(d) - 4\n"
                   "open(sys.argv[2], \"wb\").write(zlib.decompress(d[4:4 + n]))\n",
                   data),
            SampleBytes());

  for (const char* level : {"0", "6", "9"}) {
    data = python(std::string("d = zlib.compress(open(sys.argv[1], \"rb\").read(), ") + level +
                      ")\nopen(sys.argv[2], \"wb\").write(len(d).to_bytes(4, \"little\") + d)\n",
                  SampleBytes());
    ASSERT_TRUE(UnpackString(data, error)) << "level " << level << ": " << error;
    EXPECT_EQ(data, SampleBytes());
  }
}

}  // namespace
}  // namespace lumigram
