// The style code language: line and field splitting, tokens, and when
// reading stops.

#include "frames/style_code.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumigram {
namespace {

constexpr TColor kBase = 0xC0C0C0;
constexpr TColor kShade60 = 0x737373;  // 60 per cent of kBase: 115 a channel

std::vector<std::string> Fields(std::string_view line) {
  const TBandFields fields = SplitBandLine(line);
  return {fields.Field.begin(), fields.Field.begin() + fields.Count};
}

struct TBandRow {
  int Percent;
  TColor Outer, Inner;
  friend bool operator==(const TBandRow&, const TBandRow&) = default;
};

std::ostream& operator<<(std::ostream& out, const TBandRow& row) {
  return out << "{" << row.Percent << ", " << std::hex << row.Outer << ", " << row.Inner << std::dec
             << "}";
}

std::vector<TBandRow> Bands(std::string_view code, TColor base = kBase) {
  TStyleCodeReader reader(code, base);
  std::vector<TBandRow> rows;
  TFrameBand band;
  while (reader.Next(band)) rows.push_back({band.Percent, band.Outer, band.Inner});
  return rows;
}

TEST(SplitBandLine, CommasAndTheirEdgeCases) {
  EXPECT_EQ(Fields("40,s60,d"), (std::vector<std::string>{"40", "s60", "d"}));
  EXPECT_EQ(Fields("50"), (std::vector<std::string>{"50"}));
  // An empty field between commas is kept (it reads as "d").
  EXPECT_EQ(Fields("50,,d"), (std::vector<std::string>{"50", "", "d"}));
  EXPECT_EQ(Fields(",s60"), (std::vector<std::string>{"", "s60"}));
  // A comma ending the line belongs to the field before it.
  EXPECT_EQ(Fields("50,,"), (std::vector<std::string>{"50", ","}));
  EXPECT_EQ(Fields("50,s60,"), (std::vector<std::string>{"50", "s60,"}));
  EXPECT_EQ(Fields("50,"), (std::vector<std::string>{"50,"}));
  EXPECT_EQ(Fields(","), (std::vector<std::string>{","}));
  EXPECT_EQ(Fields("50,d,,"), (std::vector<std::string>{"50", "d", ","}));
  // Fields past the third are dropped; blanks stay.
  EXPECT_EQ(Fields("1,2,3,4,5"), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Fields(" 40 , d"), (std::vector<std::string>{" 40 ", " d"}));
}

TEST(WidthPercent, Tokens) {
  EXPECT_EQ(WidthPercent("d", 30), 100);
  EXPECT_EQ(WidthPercent("", 30), 100);
  EXPECT_EQ(WidthPercent("r", 30), 30);
  EXPECT_EQ(WidthPercent("r", -5), 0);
  EXPECT_EQ(WidthPercent("40", 30), 40);
  EXPECT_EQ(WidthPercent("40%", 30), 40);
  EXPECT_EQ(WidthPercent("150", 30), 100);
  EXPECT_EQ(WidthPercent("-20", 30), 0);
  EXPECT_EQ(WidthPercent(" 40", 30), 0);         // not trimmed
  EXPECT_EQ(WidthPercent("D", 30), 0);           // tokens are lower case
  EXPECT_EQ(WidthPercent("rest", 30), 0);        // only "r" itself
  EXPECT_EQ(WidthPercent("4294967295", 30), 0);  // wraps to -1, then clamps
}

TEST(BandColour, BaseShadesAndLiterals) {
  EXPECT_EQ(BandColour("d", kBase), kBase);
  EXPECT_EQ(BandColour("", kBase), kBase);
  EXPECT_EQ(BandColour("s60", kBase), kShade60);
  EXPECT_EQ(BandColour("s60,", kBase), kShade60);
  EXPECT_EQ(BandColour("s100", kBase), kBase);
  EXPECT_EQ(BandColour("s0", kBase), kBlack);
  EXPECT_EQ(BandColour("s", kBase), kBlack);
  EXPECT_EQ(BandColour("s-5", kBase), kBlack);
  EXPECT_EQ(BandColour("s-2147483648", kBase), kBlack);
  EXPECT_EQ(BandColour("s120", kBase), 0xCCCCCCu);  // 20 per cent towards white
  EXPECT_EQ(BandColour("s200", kBase), kWhite);
  EXPECT_EQ(BandColour("s2147483647", kBase), kWhite);
  EXPECT_EQ(BandColour("255", kBase), 0x0000FFu);       // red
  EXPECT_EQ(BandColour("16711680", kBase), 0xFF0000u);  // blue
  EXPECT_EQ(BandColour("S60", kBase), kBlack);
  EXPECT_EQ(BandColour(" d", kBase), kBlack);
  EXPECT_EQ(BandColour(",", kBase), kBlack);
}

TEST(StyleCodeReader, LinesCommentsAndBreaks) {
  // CR, LF and CR LF all end lines; empty lines and "//" lines are skipped,
  // but a blank before "//" makes a band line (width 0, black).
  EXPECT_EQ(Bands("// top\r\n\r\n10,d,d\n\n20,s60,s60\r30,0,0\r\n"),
            (std::vector<TBandRow>{{10, kBase, kBase}, {20, kShade60, kShade60}, {30, 0, 0}}));
  EXPECT_EQ(Bands(" // not a comment\n10,d,d"),
            (std::vector<TBandRow>{{0, 0, 0}, {10, kBase, kBase}}));
  EXPECT_EQ(Bands("/ one slash\n"), (std::vector<TBandRow>{{0, 0, 0}}));
  EXPECT_TRUE(Bands("// a\r\n//b\n//").empty());
  EXPECT_TRUE(Bands("").empty());
  EXPECT_TRUE(Bands("\r\n\r\n\n").empty());
}

TEST(StyleCodeReader, MissingFieldsAreBlackEmptyOnesAreBase) {
  EXPECT_EQ(Bands("50"), (std::vector<TBandRow>{{50, 0, 0}}));
  EXPECT_EQ(Bands("50,,d"), (std::vector<TBandRow>{{50, kBase, kBase}}));
  EXPECT_EQ(Bands("50,,"), (std::vector<TBandRow>{{50, 0, 0}}));
  EXPECT_EQ(Bands("50,s60,"), (std::vector<TBandRow>{{50, kShade60, 0}}));
  EXPECT_EQ(Bands("50,d,s60,255,xyz"), (std::vector<TBandRow>{{50, kBase, kShade60}}));
}

TEST(StyleCodeReader, RemainderAndStoppingAtOneHundred) {
  // The worked example's last band gets what the first three left: 7.
  EXPECT_EQ(Bands("40,s60,d\r\n15,d,s60\r\n38,s60,s60\r\nr,s120,s120").back(),
            (TBandRow{7, 0xCCCCCC, 0xCCCCCC}));
  // Lines after the percentages reach 100 are never read.
  EXPECT_EQ(Bands("150,d,d\r\n10,255,255"), (std::vector<TBandRow>{{100, kBase, kBase}}));
  EXPECT_EQ(Bands("60,d,d\r\n40,0,0\r\nr,255,255").size(), 2u);
  EXPECT_EQ(Bands("r,d,d\r\n10,0,0"), (std::vector<TBandRow>{{100, kBase, kBase}}));
  // Zero-width bands do not use anything up.
  EXPECT_EQ(Bands("0,d,d\r\nr,s60,s60"),
            (std::vector<TBandRow>{{0, kBase, kBase}, {100, kShade60, kShade60}}));
  // Overshooting counts as reaching 100.
  EXPECT_EQ(Bands("90\r\n20\r\nr").size(), 2u);
}

}  // namespace
}  // namespace lumigram
