// The line-by-line translation, run through both tables.

#include <gtest/gtest.h>

#include "tests/lang/language_fixtures.h"

namespace lumigram::testing {
namespace {

template <typename Table>
class TranslateTest : public ::testing::Test {
 protected:
  void SetUp() override { Load(table, ContentOf(FrenchPairs())); }
  Table table;
  Table english;
};

using Tables = ::testing::Types<TLanguage, TLiteLanguage>;
TYPED_TEST_SUITE(TranslateTest, Tables);

TYPED_TEST(TranslateTest, WithoutEntriesOnlyTheAcceleratorMovesToTheFirstOccurrence) {
  bool allFound = true;
  EXPECT_EQ(this->english.Translate("Save &As...", &allFound), "S&ave As...");
  EXPECT_FALSE(allFound);
  EXPECT_EQ(this->english.Translate("&Open"), "&Open");
  EXPECT_EQ(this->english.Translate("Print &setup"), "Print &setup");
  EXPECT_EQ(this->english.Translate("Fish && Chips"), "Fish && Chips");
  EXPECT_EQ(this->english.Translate("Exit&"), "Exit");
  EXPECT_EQ(this->english.Translate(""), "");
}

TYPED_TEST(TranslateTest, TrailingPunctuationIsKeptAndNotLookedUp) {
  bool allFound = false;
  EXPECT_EQ(this->table.Translate("Exit.", &allFound), "Quitter.");
  EXPECT_TRUE(allFound);
  EXPECT_EQ(this->table.Translate("Save As..."), "Enregistrer sous...");
  EXPECT_EQ(this->table.Translate("Exit ,. "), "Quitter ,. ");
  // Only punctuation: looked up whole.
  EXPECT_EQ(this->table.Translate("..."), "\x85");
  EXPECT_EQ(this->english.Translate(". ."), ". .");
}

TYPED_TEST(TranslateTest, LookupIgnoresCaseAndTheAcceleratorFollowsItsLetter) {
  EXPECT_EQ(this->table.Translate("&Open..."), "&Ouvrir...");
  EXPECT_EQ(this->table.Translate("OPEN"), "Ouvrir");
  // The first "o" in either case takes it, even a lower-case one.
  EXPECT_EQ(this->table.Translate("&Options..."), "Ch&oix des options...");
  EXPECT_EQ(this->table.Translate("&Error"), "&Erreur");
  EXPECT_EQ(this->table.Translate("E&rror"), "E&rreur");
  // No such letter in the translation: no accelerator at all.
  EXPECT_EQ(this->table.Translate("E&xit"), "Quitter");
}

TYPED_TEST(TranslateTest, EachLineIsTranslatedAndLinesAreJoinedByCrLf) {
  bool allFound = false;
  EXPECT_EQ(this->table.Translate("&Open\r\nExit.", &allFound), "&Ouvrir\r\nQuitter.");
  EXPECT_TRUE(allFound);
  EXPECT_EQ(this->table.Translate("Open\nExit\rError"), "Ouvrir\r\nQuitter\r\nErreur");
  EXPECT_EQ(this->table.Translate("Open\r\n\r\nExit\n"), "Ouvrir\r\n\r\nQuitter\r\n");
  EXPECT_EQ(this->table.Translate("Open\r\nUnknown words", &allFound), "Ouvrir\r\nUnknown words");
  EXPECT_FALSE(allFound);
}

}  // namespace
}  // namespace lumigram::testing
