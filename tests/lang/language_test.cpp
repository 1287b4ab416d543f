// The main table and its file, "language.llf".

#include "lang/language.h"

#include <gtest/gtest.h>

#include "lang/language_keys.h"
#include "tests/lang/language_fixtures.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/scramble.h"

namespace lumigram::testing {
namespace {

const std::string kKeyA = "a key of our own for the sources";
const std::string kKeyB = "and another one for translations!";
const std::string kEnd("\0\0", 2);

std::string StringProperty(std::string_view name, std::string_view value) {
  if (value.size() <= 255) return Short(name) + "\x06" + Short(value);
  return Short(name) + "\x0C" + IntToBytes4(int32_t(value.size())) + std::string(value);
}

std::string Tli(std::string_view source, std::string_view translation,
                std::string_view keyA = kKeyA, std::string_view keyB = kKeyB) {
  return "TPF0" + Short("TLI") + Short("") +
         StringProperty("X", ScrambleAdd(std::string(source), keyA)) +
         StringProperty("Y", ScrambleAdd(std::string(translation), keyB)) + kEnd;
}

std::string LanguageRecord(const std::string& properties) {
  return "TPF0" + Short("TLanguage") + Short("Language1") + properties + kEnd;
}

std::string KeyProperties() {
  return StringProperty("pA", ScrambleSub(kKeyA, LanguageFixedKey1())) +
         StringProperty("pB", ScrambleSub(kKeyB, LanguageFixedKey2()));
}

TEST(Language, ReadsARecordMadeByHand) {
  const std::string run = Tli("Open",
                              "\xD6"
                              "ffnen") +
                          Tli("E&xit", "Beenden");
  const std::string bytes = LanguageRecord(
      StringProperty("pC", "Deutsch") + StringProperty("pP", "kept as it is") + KeyProperties() +
      StringProperty("pD", ScrambleSub("hidden note", kKeyA)) + StringProperty("pI", run));
  TLanguage table;
  ASSERT_TRUE(table.LoadFromBytes(bytes)) << table.LastError();
  EXPECT_EQ(table.LanguageName(), "Deutsch");
  EXPECT_EQ(table.PlainText(), "kept as it is");
  EXPECT_EQ(table.HiddenText(), "hidden note");
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Entry(0).Source, "Open");
  EXPECT_EQ(table.Entry(0).Translation,
            "\xD6"
            "ffnen");
  EXPECT_EQ(table.Entry(1).UpperSource, "E&XIT");
  EXPECT_EQ(table.Translate("open."),
            "\xD6"
            "ffnen.");
}

TEST(Language, PropertiesApplyInFileOrder) {
  // Entries before the keys are read under the default keys, and a key only
  // counts for what follows it.
  const std::string run = Tli("Open", "Ouvrir", LanguageDefaultKeyA(), LanguageDefaultKeyB());
  const std::string bytes = LanguageRecord(
      StringProperty("pI", run) +
      StringProperty("pD", ScrambleSub("before", LanguageDefaultKeyA())) + KeyProperties() +
      StringProperty("pC",
                     "Fran\xE7"
                     "ais"));
  TLanguage table;
  ASSERT_TRUE(table.LoadFromBytes(bytes)) << table.LastError();
  EXPECT_EQ(table.Translate("Open"), "Ouvrir");
  EXPECT_EQ(table.HiddenText(), "before");
  EXPECT_EQ(table.LanguageName(),
            "Fran\xE7"
            "ais");
}

TEST(Language, WriterRoundTripsLongTextsUnderFreshKeys) {
  TLanguageFileContent content = ContentOf(FrenchPairs());
  content.Entries.push_back({std::string(300, 's'), std::string(700, 't')});
  content.PlainText = "plain";
  content.HiddenText = "hidden";
  const std::string first = LlfBytes(content);
  EXPECT_NE(first, LlfBytes(content)) << "each file gets its own keys";

  TLanguage table;
  ASSERT_TRUE(table.LoadFromBytes(first)) << table.LastError();
  EXPECT_EQ(table.LanguageName(), content.Name);
  EXPECT_EQ(table.PlainText(), "plain");
  EXPECT_EQ(table.HiddenText(), "hidden");
  ASSERT_EQ(table.Count(), int(content.Entries.size()));
  for (int i = 0; i < table.Count(); ++i) {
    EXPECT_EQ(table.Entry(i).Source, content.Entries[size_t(i)].Source);
    EXPECT_EQ(table.Entry(i).Translation, content.Entries[size_t(i)].Translation);
  }
}

TEST(Language, WriterRefusesWhatTheTableCannotHold) {
  std::string bytes, error;
  EXPECT_FALSE(WriteLanguageLlf(ContentOf({{"Open", ""}}), bytes, error));
  EXPECT_EQ(error, err::kEmpty);
  EXPECT_FALSE(WriteLanguageLlf(
      ContentOf(std::vector<TLanguagePair>(TLanguage::kCapacity + 1, {"a", "b"})), bytes, error));
  EXPECT_EQ(error, err::kCapacityReached);
  EXPECT_TRUE(WriteLanguageLlf(ContentOf({}), bytes, error)) << "an empty table is a valid file";
}

TEST(Language, EntriesStopAtCapacityOrAtTheFirstUnreadableRecord) {
  std::string run;
  for (int i = 0; i <= TLanguage::kCapacity; ++i) run += Tli("Text " + std::to_string(i), "T");
  TLanguage table;
  ASSERT_TRUE(table.LoadFromBytes(LanguageRecord(KeyProperties() + StringProperty("pI", run))));
  EXPECT_EQ(table.Count(), TLanguage::kCapacity);
  EXPECT_EQ(table.FindEntry("Text 4000"), -1);

  const std::string unknownProperty =
      "TPF0" + Short("TLI") + Short("") + StringProperty("Z", "?") + kEnd;
  for (const std::string& bad :
       {std::string("filler"), unknownProperty, Tli("x", "y").substr(0, 9)}) {
    const std::string damaged =
        Tli("Open", "Ouvrir") + Tli("Exit", "Quitter") + bad + Tli("Error", "Erreur");
    ASSERT_TRUE(
        table.LoadFromBytes(LanguageRecord(KeyProperties() + StringProperty("pI", damaged))));
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Translate("Error"), "Error");
  }
}

TEST(Language, ForeignOrDamagedRecordsLeaveEnglish) {
  const std::string good = KeyProperties() + StringProperty("pI", Tli("Open", "Ouvrir"));
  const std::string cases[] = {
      "",
      "TPF1" + LanguageRecord(good).substr(4),
      "TPF0" + Short("TBoxItem") + Short("") + good + kEnd,
      LanguageRecord(good + StringProperty("pQ", "unknown")),
      LanguageRecord(Short("pC") + std::string("\x02\x07", 2) + good),  // a number for a text
      LanguageRecord(good + Short("pI") + "\x0C" + IntToBytes4(0x7FFFFFF0) + "short"),
      LanguageRecord(good + Short("pC") + "\x0C" + IntToBytes4(-5)),
      LanguageRecord(good).substr(0, LanguageRecord(good).size() - 1) + "\x01",  // a child
  };
  TLanguage table;
  for (const std::string& bytes : cases) {
    Load(table, ContentOf(FrenchPairs()));
    EXPECT_FALSE(table.LoadFromBytes(bytes));
    EXPECT_EQ(table.LastError(), err::kUnsupportedFormat);
    ExpectEnglish(table);
  }
}

TEST(Language, EveryTruncationFailsCleanly) {
  const std::string bytes = LlfBytes(ContentOf(FrenchPairs()));
  TLanguage table;
  for (size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_FALSE(table.LoadFromBytes(bytes.substr(0, size))) << size;
    ExpectEnglish(table);
  }
  EXPECT_TRUE(table.LoadFromBytes(bytes + "trailing bytes are not read"));
}

TEST(Language, TheFirstOfTwoEqualSourcesWins) {
  TLanguage table;
  Load(table, ContentOf({{"Open", "Ouvrir"}, {"OPEN", "Ouvrez"}}));
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Translate("open"), "Ouvrir");
}

}  // namespace
}  // namespace lumigram::testing
