// The light table and its file, "language.ll2".

#include "lang/lite_language.h"

#include <gtest/gtest.h>

#include "lang/language_keys.h"
#include "tests/lang/language_fixtures.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/scramble.h"

namespace lumigram::testing {
namespace {

const std::string kKeyA = "light key A";
const std::string kKeyB = "light key B, a little longer";

// A light file laid out field by field, with any count.
std::string LiteFile(int32_t count, const std::vector<TLanguagePair>& pairs,
                     std::string_view magic = "LLF2.0") {
  std::string out = std::string(magic) + '\0';
  AppendField(out, ScrambleSub(kKeyA, LanguageFixedKey1()));
  AppendField(out, ScrambleSub(kKeyB, LanguageFixedKey2()));
  AppendField(out, ScrambleSub(IntToBytes4(count), kKeyA));
  AppendField(out, ScrambleSub("Deutsch", kKeyA));
  for (const char* text : {"one", "two", "three", "four"})
    AppendField(out, ScrambleSub(text, kKeyA));
  for (const TLanguagePair& pair : pairs) {
    AppendField(out, ScrambleAdd(pair.Source, kKeyA));
    AppendField(out, ScrambleAdd(pair.Translation, kKeyB));
  }
  return out;
}

std::vector<TLanguagePair> ManyPairs(int count) {
  std::vector<TLanguagePair> pairs;
  for (int i = 0; i < count; ++i) pairs.push_back({"Text " + std::to_string(i), "T"});
  return pairs;
}

void ExpectFails(TLiteLanguage& table, const std::string& bytes, const char* error) {
  Load(table, ContentOf(FrenchPairs()));
  EXPECT_FALSE(table.LoadFromBytes(bytes));
  EXPECT_EQ(table.LastError(), error);
  ExpectEnglish(table);
}

TEST(LiteLanguage, ReadsAFileMadeByHand) {
  TLiteLanguage table;
  ASSERT_TRUE(table.LoadFromBytes(LiteFile(2, {{"Open",
                                                "\xD6"
                                                "ffnen"},
                                               {"Exit", "Beenden"}})))
      << table.LastError();
  EXPECT_EQ(table.LanguageName(), "Deutsch");
  EXPECT_EQ(table.Texts()[0], "one");
  EXPECT_EQ(table.Texts()[3], "four");
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Entry(0).Translation,
            "\xD6"
            "ffnen");
  EXPECT_EQ(table.Translate("Exit."), "Beenden.");
}

TEST(LiteLanguage, CountMustBeOneTo5000) {
  TLiteLanguage table;
  for (int32_t count : {0, -1, 5001, 0x7FFFFFFF})
    ExpectFails(table, LiteFile(count, ManyPairs(3)), err::kUnknownFormat);
  ASSERT_TRUE(table.LoadFromBytes(LiteFile(5000, ManyPairs(5000))));
  EXPECT_EQ(table.Count(), 5000);
  EXPECT_EQ(table.Translate("text 4999"), "T");
}

TEST(LiteLanguage, HeaderIsLlf20EndedByAZeroWithinTwentyBytes) {
  TLiteLanguage table;
  const auto pairs = FrenchPairs();
  for (std::string_view magic : {"LLF2.1", "llf2.0", "LLF2.0 ", "LLF2", ""})
    ExpectFails(table, LiteFile(int32_t(pairs.size()), pairs, magic), err::kUnknownFormat);
  ExpectFails(table, "LLF2.0" + std::string(30, 'x'), err::kUnknownFormat);
  ExpectFails(table, "LLF2.0", err::kUnknownFormat);
}

TEST(LiteLanguage, TheSameSourceTwiceKeepsTheLaterTranslation) {
  TLiteLanguage table;
  ASSERT_TRUE(table.LoadFromBytes(
      LiteFile(3, {{"Open", "Ouvrir"}, {"Exit", "Quitter"}, {"OPEN", "Ouvrez"}})));
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Translate("&Open"), "&Ouvrez");
  EXPECT_EQ(table.Entry(0).Source, "Open");
}

TEST(LiteLanguage, DamagedEntriesFailTheWholeFile) {
  TLiteLanguage table;
  ExpectFails(table, LiteFile(2, {{"Open", "Ouvrir"}, {"", "rien"}}), err::kEmpty);
  ExpectFails(table, LiteFile(2, {{"Open", "Ouvrir"}, {"Exit", ""}}), err::kEmpty);
  ExpectFails(table, LiteFile(3, {{"Open", "Ouvrir"}, {"Exit", "Quitter"}}), err::kEmpty);

  // A field announcing more than the file holds, or a negative length.
  std::string forged = LiteFile(1, {});
  AppendField(forged, ScrambleAdd(std::string("Open"), kKeyA));
  ExpectFails(table, forged + IntToBytes4(0x7FFFFFFF) + "Ouvrir", err::kUnknownFormat);
  ExpectFails(table, forged + IntToBytes4(-6) + "Ouvrir", err::kUnknownFormat);
}

TEST(LiteLanguage, EveryTruncationFailsCleanly) {
  const std::string bytes = Ll2Bytes(ContentOf(FrenchPairs()));
  TLiteLanguage table;
  for (size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_FALSE(table.LoadFromBytes(bytes.substr(0, size))) << size;
    ExpectEnglish(table);
  }
  EXPECT_TRUE(table.LoadFromBytes(bytes + "trailing bytes are not read"));
}

TEST(LiteLanguage, AddEntryReplacesOrAppendsUpToCapacity) {
  TLiteLanguage table;
  EXPECT_EQ(table.AddEntry("", "x"), -1);
  EXPECT_EQ(table.LastError(), err::kEmpty);
  EXPECT_EQ(table.AddEntry("x", ""), -1);
  for (int i = 0; i < TLiteLanguage::kCapacity; ++i)
    ASSERT_EQ(table.AddEntry("Text " + std::to_string(i), "T"), i);
  EXPECT_EQ(table.AddEntry("one too many", "T"), -1);
  EXPECT_EQ(table.LastError(), err::kCapacityReached);
  EXPECT_EQ(table.AddEntry("TEXT 17", "replaced"), 17);
  EXPECT_EQ(table.Translate("Text 17"), "replaced");
  EXPECT_EQ(table.Count(), TLiteLanguage::kCapacity);
}

TEST(LiteLanguage, WriterRoundTripsUnderFreshKeys) {
  TLanguageFileContent content = ContentOf(FrenchPairs());
  content.Texts = {"a", "", "c", std::string(300, 'd')};
  const std::string first = Ll2Bytes(content);
  EXPECT_NE(first, Ll2Bytes(content)) << "each file gets its own keys";
  TLiteLanguage table;
  ASSERT_TRUE(table.LoadFromBytes(first)) << table.LastError();
  EXPECT_EQ(table.LanguageName(), content.Name);
  EXPECT_EQ(table.Texts(), content.Texts);
  ASSERT_EQ(table.Count(), int(content.Entries.size()));
  for (int i = 0; i < table.Count(); ++i) {
    EXPECT_EQ(table.Entry(i).Source, content.Entries[size_t(i)].Source);
    EXPECT_EQ(table.Entry(i).Translation, content.Entries[size_t(i)].Translation);
  }

  std::string bytes, error;
  EXPECT_FALSE(WriteLanguageLl2(ContentOf({}), bytes, error)) << "the reader needs an entry";
  EXPECT_EQ(error, err::kEmpty);
  EXPECT_FALSE(WriteLanguageLl2(ContentOf(ManyPairs(TLiteLanguage::kCapacity + 1)), bytes, error));
  EXPECT_EQ(error, err::kCapacityReached);
}

}  // namespace
}  // namespace lumigram::testing
