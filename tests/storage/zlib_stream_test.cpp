#include "storage/zlib_stream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>
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
std::string Compress(std::string_view bytes) {
  uLongf size = compressBound(uLong(bytes.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(bytes.data()), uLong(bytes.size()), 6);
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

// The text of the E that the action raises.
template <typename E>
std::string Raised(const std::function<void()>& action) {
  try {
    action();
  } catch (const E& e) {
    return e.what();
  }
  return "<nothing raised>";
}

TEST(CompressionStream, EveryLevelCodeWritesAWholeZlibStreamAtItsOwnPlace) {
  // Several 65,536-byte buffers of output, so full buffers are flushed.
  const std::string input = NoiseThenText(150000, 50000);
  const std::pair<TCompressionLevel, uint8_t> levels[] = {
      // second zlib header byte: it records the level class
      {TCompressionLevel::None, 0x01},
      {TCompressionLevel::Fastest, 0x01},
      {TCompressionLevel::Default, 0x9C},
      {TCompressionLevel::Max, 0xDA}};
  for (const auto& [level, flags] : levels) {
    TMemoryStream dest(std::string("HEAD"));
    dest.Seek(0, TSeekOrigin::End);
    {
      TCompressionStream zip(level, dest);
      zip.WriteBuffer(input.data(), 100000);
      EXPECT_EQ(zip.Position(), 100000);
      dest.SetPosition(0);  // someone else used the destination meanwhile
      zip.WriteBuffer(input.data() + 100000, int64_t(input.size()) - 100000);
    }  // the destructor finishes the stream
    const std::string& out = dest.Data();
    ASSERT_EQ(out.substr(0, 4), "HEAD");
    EXPECT_EQ(uint8_t(out[5]), flags);
    EXPECT_EQ(Uncompress(out.substr(4), input.size()), input);
    EXPECT_EQ(out.size() > input.size(), level == TCompressionLevel::None);
  }
}

TEST(CompressionStream, RefusesReadingSeekingAndWritingAfterTheEnd) {
  TMemoryStream dest;
  TCompressionStream zip(TCompressionLevel::Fastest, dest);
  zip.WriteText("abc");
  EXPECT_EQ(zip.Seek(0, TSeekOrigin::Current), 3);
  char byte;
  EXPECT_EQ(Raised<ECompressionError>([&] { zip.Read(&byte, 1); }), "Invalid stream operation");
  EXPECT_EQ(Raised<ECompressionError>([&] { zip.Seek(1, TSeekOrigin::Current); }),
            "Invalid stream operation");
  EXPECT_EQ(Raised<EZlibError>([&] { zip.Seek(0, TSeekOrigin::Beginning); }),
            "Invalid stream operation");
  zip.Finish();
  EXPECT_EQ(Raised<ECompressionError>([&] { zip.WriteText("more"); }), "Invalid stream operation");
  EXPECT_EQ(Uncompress(dest.Data(), 3), "abc");
}

TEST(DecompressionStream, ReadsFromItsOwnPlaceAndSeeksForwardOrToTheStart) {
  const std::string input = NoiseThenText(100000, 100000);
  TMemoryStream source("prefix" + Compress(input) + "trailing");
  source.SetPosition(6);
  TDecompressionStream zip(source);
  int reports = 0;
  zip.OnProgress = [&](TCustomZlibStream&) { ++reports; };
  std::string out;
  char chunk[777];
  for (int64_t n; (n = zip.Read(chunk, sizeof chunk)) > 0;) {
    out.append(chunk, size_t(n));
    source.SetPosition(0);  // the stream keeps its own place in the source
  }
  EXPECT_EQ(out, input);  // and stops at the end of the zlib stream
  EXPECT_TRUE(zip.Ended());
  EXPECT_GE(reports, 2);  // one per buffer taken from the source

  // Back to where the compressed data starts, then forward in both ways.
  EXPECT_EQ(zip.Seek(0, TSeekOrigin::Beginning), 0);
  EXPECT_EQ(zip.Seek(100, TSeekOrigin::Current), 100);
  zip.ReadBuffer(chunk, 10);
  EXPECT_EQ(std::string(chunk, 10), input.substr(100, 10));
  EXPECT_EQ(zip.Seek(9000, TSeekOrigin::Beginning), 9000);
  zip.ReadBuffer(chunk, 10);
  EXPECT_EQ(std::string(chunk, 10), input.substr(9000, 10));
  for (auto [offset, origin] :
       {std::pair{int64_t(10), TSeekOrigin::Beginning},
        std::pair{int64_t(9010), TSeekOrigin::Beginning},
        std::pair{int64_t(-1), TSeekOrigin::Current}, std::pair{int64_t(0), TSeekOrigin::End}})
    EXPECT_EQ(Raised<EDecompressionError>([&] { zip.Seek(offset, origin); }),
              "Invalid stream operation");
  EXPECT_EQ(Raised<EDecompressionError>([&] { zip.WriteText("x"); }), "Invalid stream operation");
  EXPECT_EQ(zip.Seek(500000, TSeekOrigin::Current), int64_t(input.size()));  // stops at the end
}

TEST(DecompressionStream, DamagedDataRaisesInsteadOfLooping) {
  std::string damaged = Compress(NoiseThenText(0, 5000));
  damaged[damaged.size() - 1] ^= 0x01;  // Adler-32 trailer
  // A stream that asks for a preset dictionary would stall inflate for ever.
  z_stream z{};
  deflateInit(&z, 6);
  deflateSetDictionary(&z, reinterpret_cast<const Bytef*>("dictionary"), 10);
  std::string withDictionary(256, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>("dictionary text"));
  z.avail_in = 15;
  z.next_out = reinterpret_cast<Bytef*>(withDictionary.data());
  z.avail_out = uInt(withDictionary.size());
  deflate(&z, Z_FINISH);
  withDictionary.resize(z.total_out);
  deflateEnd(&z);

  for (const std::string& bad : {damaged, std::string("not zlib at all"), withDictionary}) {
    TMemoryStream source(bad);
    TDecompressionStream zip(source);
    char chunk[8192];
    EXPECT_EQ(Raised<EDecompressionError>([&] {
                while (zip.Read(chunk, sizeof chunk) > 0) {
                }
              }),
              "error");
  }
}

}  // namespace
}  // namespace lumigram
