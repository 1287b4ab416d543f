#include "imaging/bitmap/byte_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumigram {
namespace {

// A memory stream that counts its reads and writes and can be told to move
// fewer bytes than asked.
class TCountingStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  int reads = 0;
  int writes = 0;
  int64_t readLimit = -1;  // bytes per call at most; -1 no limit
  int64_t writeLimit = -1;

  int64_t Read(void* buffer, int64_t count) override {
    ++reads;
    return TMemoryStream::Read(buffer, readLimit >= 0 ? std::min(count, readLimit) : count);
  }
  int64_t Write(const void* buffer, int64_t count) override {
    ++writes;
    return TMemoryStream::Write(buffer, writeLimit >= 0 ? std::min(count, writeLimit) : count);
  }
};

std::string Pattern(int size) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes.push_back(char(i * 7 % 251));
  return bytes;
}

std::vector<int> PopAll(TNumberStack& stack) {
  std::vector<int> numbers;
  uint16_t n = 0;
  while (TByteStream::PopNumber(stack, n)) numbers.push_back(n);
  return numbers;
}

TEST(ByteStream, ReadsThroughOneWindowPer2048Bytes) {
  const std::string data = Pattern(10000);
  TCountingStream stream(data);
  TByteStream bytes(&stream);
  uint8_t b = 7;
  for (int i = 0; i < 10000; ++i) {
    ASSERT_TRUE(bytes.ReadByte(i, b));
    ASSERT_EQ(b, uint8_t(data[size_t(i)]));
  }
  EXPECT_EQ(stream.reads, 5);
  EXPECT_FALSE(bytes.ReadByte(10000, b));
  EXPECT_FALSE(bytes.ReadByte(-1, b));
  TMemoryStream small(Pattern(4096));
  ASSERT_TRUE(bytes.Attach(&small));
  EXPECT_FALSE(bytes.ReadByte(5000, b));
}

TEST(ByteStream, ReadAheadPlacesTheWindowBeforeTheByte) {
  const std::string data = Pattern(10000);
  TCountingStream stream(data);
  TByteStream bytes(&stream);
  bytes.SetReadAhead(1);  // the window ends at the byte: reading backwards
  uint8_t b = 0;
  for (int i = 9999; i >= 0; --i) {
    ASSERT_TRUE(bytes.ReadByte(i, b));
    ASSERT_EQ(b, uint8_t(data[size_t(i)]));
  }
  EXPECT_EQ(stream.reads, 5);
  bytes.SetReadAhead(7);  // clamped to 2: 1023 bytes before, 1024 after
  ASSERT_TRUE(bytes.ReadByte(5000, b));
  ASSERT_TRUE(bytes.ReadByte(5000 - 1023, b));
  ASSERT_TRUE(bytes.ReadByte(5000 + 1024, b));
  EXPECT_EQ(stream.reads, 6);
  ASSERT_TRUE(bytes.ReadByte(5000 - 1024, b));
  EXPECT_EQ(stream.reads, 7);
}

TEST(ByteStream, WritesAppendAndReachTheStreamWhenFreed) {
  TCountingStream stream;
  {
    TByteStream bytes(&stream);
    for (int i = 0; i < 5000; ++i) ASSERT_TRUE(bytes.WriteByte(i, uint8_t(i % 256)));
    EXPECT_EQ(bytes.Size(), 5000);
  }
  ASSERT_EQ(stream.Size(), 5000);
  for (int i = 0; i < 5000; ++i) ASSERT_EQ(uint8_t(stream.Data()[size_t(i)]), i % 256);
  EXPECT_EQ(stream.writes, 3);
}

TEST(ByteStream, WritesBackTheWindowBeforeLoadingTheNext) {
  TCountingStream stream(std::string(4096, 'a'));
  TByteStream bytes(&stream);
  for (int i = 0; i < 2048; ++i) ASSERT_TRUE(bytes.WriteByte(i, 'w'));
  EXPECT_EQ(stream.writes, 0);
  uint8_t b = 0;
  ASSERT_TRUE(bytes.ReadByte(3000, b));
  EXPECT_EQ(b, 'a');
  EXPECT_EQ(stream.Data(), std::string(2048, 'w') + std::string(2048, 'a'));
  EXPECT_TRUE(bytes.Flush());  // nothing left to write
  EXPECT_EQ(stream.writes, 1);
}

TEST(ByteStream, WritesKeepTheBytesAroundAndZeroGaps) {
  // Short reads still fill the window, so a write never loses its neighbours.
  TCountingStream stream(std::string(4096, 'a'));
  stream.readLimit = 100;
  {
    TByteStream bytes(&stream);
    ASSERT_TRUE(bytes.WriteByte(0, 'w'));
    ASSERT_TRUE(bytes.WriteByte(1000, 'w'));
    int64_t position = 4098;  // past the end
    ASSERT_TRUE(bytes.WriteText(position, "xy"));
    EXPECT_EQ(position, 4100);
  }
  EXPECT_EQ(stream.Data(), "w" + std::string(999, 'a') + "w" + std::string(3095, 'a') +
                               std::string(2, '\0') + "xy");
}

TEST(ByteStream, AFailedWriteBackFailsAndLosesOnlyThatWindow) {
  TCountingStream stream(std::string(4096, 'a'));
  stream.writeLimit = 0;
  TByteStream bytes(&stream);
  ASSERT_TRUE(bytes.WriteByte(200, 'w'));
  EXPECT_FALSE(bytes.WriteByte(3000, 'w'));
  stream.writeLimit = -1;
  EXPECT_TRUE(bytes.Flush());  // the window is gone
  uint8_t b = 0;
  ASSERT_TRUE(bytes.ReadByte(200, b));
  EXPECT_EQ(b, 'a');
  // Attaching another stream writes back first and refuses when it cannot.
  ASSERT_TRUE(bytes.WriteByte(0, 'v'));
  stream.writeLimit = 0;
  TMemoryStream other(std::string("other"));
  EXPECT_FALSE(bytes.Attach(&other));
  stream.writeLimit = -1;
  ASSERT_TRUE(bytes.WriteByte(1, 'v'));  // still on the first stream
  EXPECT_TRUE(bytes.Attach(&other));
  EXPECT_EQ(stream.Data().substr(0, 3), "ava");
  EXPECT_EQ(bytes.Size(), 5);
}

TEST(ByteStream, ReadLineSkipsLineBreaksAndEmptyLines) {
  TMemoryStream stream(std::string("AB\r\n\r\nC"));
  TByteStream bytes(&stream);
  int64_t position = 0, marker = 0, end = 0, start = 0;
  ASSERT_TRUE(bytes.ReadLine(position, -1, marker, '#', end, start));
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(position, 6);
  ASSERT_TRUE(bytes.ReadLine(position, -1, marker, '#', end, start));
  EXPECT_EQ(start, 6);
  EXPECT_EQ(end, 6);
  EXPECT_EQ(position, 7);
  EXPECT_FALSE(bytes.ReadLine(position, -1, marker, '#', end, start));
}

TEST(ByteStream, ReadLineFindsTheMarkerAndStopsAtTheLastPosition) {
  TMemoryStream stream(std::string("P3 # a # b\n\n5 6"));
  TByteStream bytes(&stream);
  int64_t position = -4, marker = 0, end = 0, start = 0;
  ASSERT_TRUE(bytes.ReadLine(position, 1000, marker, '#', end, start));
  EXPECT_EQ(bytes.ReadText(start, end), "P3 # a # b");
  EXPECT_EQ(marker, 3);
  EXPECT_EQ(position, 12);
  ASSERT_TRUE(bytes.ReadLine(position, 12, marker, '#', end, start));
  EXPECT_EQ(bytes.ReadText(start, end), "5");
  EXPECT_EQ(position, 13);  // just beyond the last position
  EXPECT_EQ(marker, -1);
  position = 0;  // breaks are passed over no further than the last position
  ASSERT_TRUE(bytes.ReadLine(position, 10, marker, '#', end, start));
  EXPECT_EQ(position, 11);
  EXPECT_EQ(bytes.IndexOf('#', 4, 100), 7);
  EXPECT_EQ(bytes.IndexOf('#', 8, 100), -1);
  EXPECT_EQ(bytes.ReadText(12, 1000000000000), "5 6");
}

TEST(ByteStream, ParseNumbersKeepsTextOrderTheLastFiveDigitsAndTheLimit) {
  TMemoryStream stream(std::string("12 345x1234567 70000"));
  TByteStream bytes(&stream);
  TNumberStack stack;
  ASSERT_TRUE(bytes.ParseNumbers(0, 13, stack, -1));
  EXPECT_EQ(PopAll(stack), (std::vector<int>{12, 345, 34567}));
  ASSERT_TRUE(bytes.ParseNumbers(0, 100, stack, 255));
  EXPECT_EQ(PopAll(stack), (std::vector<int>{12, 255, 255, 255}));
  for (const int limit : {-1, -20, 100000}) {  // all mean 65535
    ASSERT_TRUE(bytes.ParseNumbers(15, 100, stack, limit));
    EXPECT_EQ(PopAll(stack), (std::vector<int>{65535})) << limit;
  }
  EXPECT_FALSE(bytes.ParseNumbers(2, 2, stack, -1));  // a blank only
}

TEST(ByteStream, ParseNumbersOverLongRangesDropsTheEarliest) {
  std::string text;
  for (int i = 0; i < 2100; ++i) text += std::to_string(i) + " ";
  TMemoryStream stream(text);
  TByteStream bytes(&stream);
  TNumberStack stack;
  ASSERT_TRUE(bytes.ParseNumbers(0, int64_t(text.size()) - 1, stack, -1));
  const std::vector<int> numbers = PopAll(stack);
  ASSERT_EQ(numbers.size(), 2048u);
  EXPECT_EQ(numbers.front(), 52);
  EXPECT_EQ(numbers.back(), 2099);

  // A number straddling two 2048-byte chunks, read with one stream read each.
  const std::string spaced = "7" + std::string(3000, ' ') + "4321" + std::string(2046, ' ');
  TCountingStream counted(spaced);
  ASSERT_TRUE(bytes.Attach(&counted));
  bytes.SetReadAhead(1);
  ASSERT_TRUE(bytes.ParseNumbers(0, int64_t(spaced.size()) - 1, stack, -1));
  EXPECT_EQ(PopAll(stack), (std::vector<int>{7, 4321}));
  EXPECT_EQ(counted.reads, 3);
}

TEST(ByteStream, HexBytesAndHexText) {
  TMemoryStream stream(std::string("0x1f, 0XA0,xg1 x1"));
  TByteStream bytes(&stream);
  TByteSpan span;
  ASSERT_TRUE(bytes.ParseHexBytes(0, 9, span));
  ASSERT_EQ(span.Count, 2);
  EXPECT_EQ(span.Bytes[0], 0x1F);
  EXPECT_EQ(span.Bytes[1], 0xA0);
  span.Clear();
  ASSERT_TRUE(bytes.ParseHexBytes(10, 100, span));  // "g" counts as 0; "x1" is cut short
  ASSERT_EQ(span.Count, 1);
  EXPECT_EQ(span.Bytes[0], 0x01);
  span.Count = kByteBufferSize - 1;
  ASSERT_TRUE(bytes.ParseHexBytes(0, 100, span));
  EXPECT_EQ(span.Count, kByteBufferSize);

  span.Clear();
  EXPECT_TRUE(TByteStream::ByteToHex(0xA7, span));
  EXPECT_TRUE(TByteStream::ByteToHex(0x0C, span));
  EXPECT_EQ(std::string(span.Bytes.begin(), span.Bytes.begin() + span.Count), "0xa70x0c");
  span.Count = kByteBufferSize - 3;
  EXPECT_FALSE(TByteStream::ByteToHex(0x11, span));
}

}  // namespace
}  // namespace lumigram
