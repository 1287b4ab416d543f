#include "storage/component_stream.h"

#include <gtest/gtest.h>

#include "util/fields.h"

namespace lumigram {
namespace {

std::string Short(std::string_view text) {
  return char(text.size()) + std::string(text);
}

// The start of a zip box item as the format lays it out, written byte by byte.
std::string HandMadeBoxItem() {
  std::string bytes = "TPF0" + Short("TBoxItem") + Short("_1");
  bytes += Short("pName") + "\x06" + Short("index.html");
  bytes += Short("pPath") + "\x06" + Short("\\");
  bytes += Short("pSize") + "\x04" + IntToBytes4(70000);
  bytes += Short("pSizeB") + std::string("\x03\x10\x27", 3);  // 10000
  bytes += Short("pM") + std::string("\x02\x01", 2);
  bytes += Short("pD") + "\x0C" + IntToBytes4(300) + std::string(300, 'd');
  bytes += std::string("\0\0", 2);
  return bytes;
}

TEST(ComponentStream, ReadsARecordMadeByHand) {
  TMemoryStream stream(HandMadeBoxItem() + "trailing filler");
  TComponentRecord record;
  ASSERT_TRUE(ReadComponent(stream, record, "TBoxItem"));
  EXPECT_EQ(record.ComponentName, "_1");
  ASSERT_EQ(record.Properties.size(), 6u);
  EXPECT_EQ(record.Find("pName")->Text, "index.html");
  EXPECT_EQ(record.Find("pSize")->Integer, 70000);
  EXPECT_EQ(record.Find("pSizeB")->Integer, 10000);
  EXPECT_EQ(record.Find("pM")->Integer, 1);
  EXPECT_EQ(record.Find("pD")->Text, std::string(300, 'd'));
  EXPECT_EQ(record.Find("missing"), nullptr);
  EXPECT_EQ(stream.Position(), int64_t(HandMadeBoxItem().size()));
}

TEST(ComponentStream, WriterProducesTheHandMadeBytes) {
  TComponentRecord record{"TBoxItem", "_1", {}};
  record.Properties = {TStreamedProperty::OfString("pName", "index.html"),
                       TStreamedProperty::OfString("pPath", "\\"),
                       TStreamedProperty::OfInteger("pSize", 70000),
                       TStreamedProperty::OfInteger("pSizeB", 10000),
                       TStreamedProperty::OfInteger("pM", 1),
                       TStreamedProperty::OfString("pD", std::string(300, 'd'))};
  EXPECT_EQ(ComponentToBytes(record), HandMadeBoxItem());
}

TEST(ComponentStream, IntegersTakeTheSmallestTagAndKeepTheirSign) {
  for (int32_t value : {0, -128, 127, 128, -129, 32767, -32768, 32768, INT32_MIN, INT32_MAX}) {
    TComponentRecord record{"T", "", {TStreamedProperty::OfInteger("v", value)}};
    const std::string bytes = ComponentToBytes(record);
    const size_t valueBytes = bytes.size() - (4 + 2 + 1 + 2 + 1 + 2);
    EXPECT_EQ(valueBytes, value >= -128 && value <= 127       ? 1u
                          : value >= -32768 && value <= 32767 ? 2u
                                                              : 4u);
    TMemoryStream stream(bytes);
    TComponentRecord back;
    ASSERT_TRUE(ReadComponent(stream, back));
    EXPECT_EQ(back.Properties.at(0).Integer, value);
  }
}

TEST(ComponentStream, RefusesDamagedRecords) {
  const std::string good = HandMadeBoxItem();
  TComponentRecord record;
  auto reads = [&](const std::string& bytes, std::string_view cls = {}) {
    TMemoryStream stream(bytes);
    return ReadComponent(stream, record, cls);
  };
  EXPECT_TRUE(reads(good));
  EXPECT_FALSE(reads("BM" + good));
  EXPECT_FALSE(reads(good, "TLanguage"));
  for (size_t cut = 0; cut < good.size(); cut += 7) EXPECT_FALSE(reads(good.substr(0, cut)));
  // A long string claiming 2 GB in a short stream fails without allocating it.
  std::string forged =
      "TPF0" + Short("T") + Short("") + Short("pD") + "\x0C" + IntToBytes4(0x7FFFFFFF) + "abc";
  EXPECT_FALSE(reads(forged));
  forged = "TPF0" + Short("T") + Short("") + Short("pD") + "\x0C" + IntToBytes4(-5) + "abc";
  EXPECT_FALSE(reads(forged));
  // Unknown tags and child components are not ours to read.
  EXPECT_FALSE(reads("TPF0" + Short("T") + Short("") + Short("b") + "\x09" + std::string(2, '\0')));
  EXPECT_FALSE(reads("TPF0" + Short("T") + Short("") + std::string(1, '\0') + "\x04"));
}

}  // namespace
}  // namespace lumigram
