#include "storage/zlib_stream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

namespace lumigram {
namespace {

std::string NoiseThenText(size_t noise, size_t text) {
  std::mt19937 random(7);
  std::string bytes(noise, '\0');
  for (char& c : bytes) c = char(random());
  for (size_t i = 0; i < text; ++i) bytes += "lumigram "[i % 9];
  return bytes;
}

// Straight through zlib, not through the classes under test.
std::string Compress(std::string_view bytes, int level = 6) {
  uLongf size = compressBound(uLong(bytes.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(bytes.data()), uLong(bytes.size()), level);
  out.resize(size);
  return out;
}

std::string Uncompress(std::string_view packed, size_t size) {
  std::string out(size, '\0');
  uLongf got = size;
  const int result =
      uncompress(reinterpret_cast<Bytef*>(out.data()), &got,
                 reinterpret_cast<const Bytef*>(packed.data()), uLong(packed.size()));
  return result == Z_OK && got == size ? out : "<damaged>";
}

template <typename E>
void ExpectRaises(const std::function<void()>& action, const char* text) {
  try {
    action();
    ADD_FAILURE() << "nothing raised";
  } catch (const E& e) {
    EXPECT_STREQ(e.what(), text);
  }
}

TEST(CompressionStream, EveryLevelCodeWritesAWholeZlibStreamAfterTheDestinationPosition) {
  // More than one 65,536-byte buffer of output, so full buffers are flushed.
  const std::string input = NoiseThenText(150000, 50000);
  const struct {
    TCompressionLevel code;
    uint8_t flags;  // second header byte: zlib records the level class there
  } levels[] = {{TCompressionLevel::None, 0x01},
                {TCompressionLevel::Fastest, 0x01},
                {TCompressionLevel::Default, 0x9C},
                {TCompressionLevel::Max, 0xDA}};
  for (const auto& level : levels) {
    TMemoryStream dest(std::string("HEAD"));
    dest.Seek(0, TSeekOrigin::End);
    {
      TCompressionStream zip(level.code, dest);
      zip.WriteBuffer(input.data(), 70000);
      EXPECT_EQ(zip.Position(), 70000);
      zip.WriteBuffer(input.data() + 70000, int64_t(input.size()) - 70000);
    }  // the destructor finishes the stream
    const std::string& out = dest.Data();
    ASSERT_EQ(out.substr(0, 4), "HEAD");
    EXPECT_EQ(uint8_t(out[5]), level.flags);
    EXPECT_EQ(Uncompress(out.substr(4), input.size()), input);
    if (level.code == TCompressionLevel::None) {
      EXPECT_GT(out.size(), input.size());
    } else {
      EXPECT_LT(out.size(), 160000u);
    }
  }
}

TEST(CompressionStream, GoesBackToItsOwnPlaceWhenTheDestinationWasMoved) {
  const std::string input = NoiseThenText(200000, 0);
  TMemoryStream dest;
  TCompressionStream zip(TCompressionLevel::Fastest, dest);
  zip.WriteBuffer(input.data(), 100000);
  dest.SetPosition(0);  // someone else used the destination meanwhile
  zip.WriteBuffer(input.data() + 100000, 100000);
  zip.Finish();
  EXPECT_EQ(Uncompress(dest.Data(), input.size()), input);
}

TEST(CompressionStream, RefusesReadingAndSeeking) {
  TMemoryStream dest;
  TCompressionStream zip(TCompressionLevel::Fastest, dest);
  zip.WriteText("abc");
  EXPECT_EQ(zip.Seek(0, TSeekOrigin::Current), 3);
  char byte;
  ExpectRaises<ECompressionError>([&] { zip.Read(&byte, 1); }, "Invalid stream operation");
  ExpectRaises<ECompressionError>([&] { zip.Seek(1, TSeekOrigin::Current); },
                                  "Invalid stream operation");
  ExpectRaises<EZlibError>([&] { zip.Seek(0, TSeekOrigin::Beginning); },
                           "Invalid stream operation");
  ExpectRaises<EZlibError>([&] { zip.Seek(0, TSeekOrigin::End); }, "Invalid stream operation");
  zip.Finish();
  ExpectRaises<ECompressionError>([&] { zip.WriteText("more"); }, "Invalid stream operation");
  EXPECT_EQ(Uncompress(dest.Data(), 3), "abc");
}

TEST(DecompressionStream, ReadsFromTheSourcePositionAndStopsAtTheEndOfTheZlibStream) {
  const std::string input = NoiseThenText(100000, 100000);
  TMemoryStream source("prefix" + Compress(input) + "trailing");
  source.SetPosition(6);
  TDecompressionStream zip(source);
  int reads = 0;
  zip.OnProgress = [&](TCustomZlibStream&) { ++reads; };
  std::string out;
  char chunk[777];
  for (int64_t n; (n = zip.Read(chunk, sizeof chunk)) > 0;) {
    out.append(chunk, size_t(n));
    source.SetPosition(0);  // the stream keeps its own place in the source
  }
  EXPECT_EQ(out, input);
  EXPECT_TRUE(zip.Ended());
  EXPECT_GE(reads, 2);  // one report per buffer taken from the source
  EXPECT_EQ(zip.Read(chunk, 1), 0);
}

TEST(DecompressionStream, SeeksForwardAndBackToTheStartOnly) {
  const std::string input = NoiseThenText(0, 20000);
  TMemoryStream source("xx" + Compress(input));
  source.SetPosition(2);
  TDecompressionStream zip(source);
  char chunk[10] = {};
  EXPECT_EQ(zip.Seek(100, TSeekOrigin::Current), 100);
  zip.ReadBuffer(chunk, 10);
  EXPECT_EQ(std::string(chunk, 10), input.substr(100, 10));
  EXPECT_EQ(zip.Seek(9000, TSeekOrigin::Beginning), 9000);  // forward, in 4,096-byte steps
  zip.ReadBuffer(chunk, 10);
  EXPECT_EQ(std::string(chunk, 10), input.substr(9000, 10));
  EXPECT_EQ(zip.Position(), 9010);

  ExpectRaises<EDecompressionError>([&] { zip.Seek(10, TSeekOrigin::Beginning); },
                                    "Invalid stream operation");
  ExpectRaises<EDecompressionError>([&] { zip.Seek(9010, TSeekOrigin::Beginning); },
                                    "Invalid stream operation");
  ExpectRaises<EDecompressionError>([&] { zip.Seek(-1, TSeekOrigin::Current); },
                                    "Invalid stream operation");
  ExpectRaises<EZlibError>([&] { zip.Seek(0, TSeekOrigin::End); }, "Invalid stream operation");
  ExpectRaises<EDecompressionError>([&] { zip.WriteText("x"); }, "Invalid stream operation");

  // Back to the start of the compressed data, which need not be the source's start.
  EXPECT_EQ(zip.Seek(0, TSeekOrigin::Beginning), 0);
  zip.ReadBuffer(chunk, 10);
  EXPECT_EQ(std::string(chunk, 10), input.substr(0, 10));
  // A seek past the end stops there.
  EXPECT_EQ(zip.Seek(50000, TSeekOrigin::Current), int64_t(input.size()));
}

TEST(DecompressionStream, DamagedDataRaisesInsteadOfLooping) {
  std::string packed = Compress(NoiseThenText(0, 5000));
  packed[packed.size() / 2] ^= 0x55;
  packed[packed.size() - 1] ^= 0x01;  // the Adler-32 trailer at least
  char chunk[8192];
  {
    TMemoryStream source(packed);
    TDecompressionStream zip(source);
    ExpectRaises<EDecompressionError>(
        [&] {
          while (zip.Read(chunk, sizeof chunk) > 0) {
          }
        },
        "error");
  }
  {
    TMemoryStream source(std::string("not zlib at all"));
    TDecompressionStream zip(source);
    ExpectRaises<EDecompressionError>([&] { zip.Read(chunk, sizeof chunk); }, "error");
  }
  {
    // A stream that asks for a preset dictionary would stall inflate for ever.
    z_stream z{};
    deflateInit(&z, 6);
    deflateSetDictionary(&z, reinterpret_cast<const Bytef*>("dictionary"), 10);
    std::string out(256, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>("dictionary text"));
    z.avail_in = 15;
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    TMemoryStream source(out);
    TDecompressionStream zip(source);
    ExpectRaises<EDecompressionError>([&] { zip.Read(chunk, sizeof chunk); }, "error");
  }
}

}  // namespace
}  // namespace lumigram
