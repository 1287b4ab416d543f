#include "storage/ini_file.h"

#include <gtest/gtest.h>

#include <random>

namespace lumigram {
namespace {

using namespace std::string_literals;

TEST(IniFile, ReadsSectionsAndValuesTheWindowsWay) {
  TIniFile ini;
  ini.SetText(
      "\xEF\xBB\xBF[Settings]\r\n"
      "; OnTop=commented out\r\n"
      "  ontop =  1  \r\n"
      "Path = C:\\a=b \r\n"
      "no equals sign\n"
      "[Broken\n"
      "[ version ] trailing words\n"
      "SupportFiles=\" x \"\n"
      "[Settings]\n"
      "OnTop=0\n"
      "Later=second copy");
  EXPECT_EQ(ini.ReadString("SETTINGS", "OnTop"), "1");  // the first one wins
  EXPECT_EQ(ini.ReadString("Settings", "PATH"), "C:\\a=b");
  EXPECT_EQ(ini.ReadString("Settings", "Later"), "second copy");
  EXPECT_EQ(ini.ReadString("Version", "SupportFiles"), "\" x \"");
  EXPECT_EQ(ini.ReadString("Settings", "none", "fallback"), "fallback");
  EXPECT_FALSE(ini.SectionExists("Broken"));
  const auto pairs = ini.ReadSection("settings");
  ASSERT_EQ(pairs.size(), 4u);
  EXPECT_EQ(pairs[2], (std::pair<std::string, std::string>("OnTop", "0")));
}

TEST(IniFile, WritingChangesOnlyWhatItMust) {
  TIniFile ini;
  ini.SetText(
      "[Settings]\r\n"
      "OnTop = 1   ; part of the value\r\n"
      "Left=10\r\n"
      "\r\n"
      "; about the plugins\r\n"
      "[Plugins]\r\n"
      "Spell=on");  // no line end
  ASSERT_TRUE(ini.WriteString("settings", "ONTOP", "0"));
  ASSERT_TRUE(ini.WriteString("Settings", "Added", "yes"));
  ASSERT_TRUE(ini.WriteString("Version", "Version", "2.00.2181"));
  EXPECT_EQ(ini.Text(),
            "[Settings]\r\nOnTop = 0\r\nLeft=10\r\nAdded=yes\r\n\r\n; about the plugins\r\n"
            "[Plugins]\r\nSpell=on\r\n\r\n[Version]\r\nVersion=2.00.2181\r\n");

  TIniFile unix;  // added lines follow the file's own line ends
  unix.SetText("[A]\n; comment\n");
  ASSERT_TRUE(unix.WriteString("a", "k", "v"));
  EXPECT_EQ(unix.Text(), "[A]\nk=v\n; comment\n");
}

TEST(IniFile, RefusesWhatCouldNotBeReadBackAsWritten) {
  TIniFile ini;
  ini.SetText("[A]\nx=1\n");
  const char* bad[][3] = {{"A", "x", "1\n[Evil]"}, {"A", "x", "1\r"}, {"A]", "x", "1"},
                          {"A\n", "x", "1"},       {" A", "x", "1"},  {"A", "", "1"},
                          {"A", "x=y", "1"},       {"A", ";x", "1"},  {"A", "x ", "1"}};
  for (const auto& [section, name, value] : bad)
    EXPECT_FALSE(ini.WriteString(section, name, value)) << section << "/" << name;
  EXPECT_EQ(ini.Text(), "[A]\nx=1\n");
}

// Any bytes at all: the text comes back unchanged, and a value written into it
// reads back as written, also from a fresh parse of the written text.
TEST(IniFile, GarbageNeverBreaksReadingOrWriting) {
  std::mt19937 random(2181);
  const std::string alphabet = "[]=;#\r\n \tAaBb\0\xEF\xBB\xBF\xFF"s;
  for (int round = 0; round < 2000; ++round) {
    std::string text(random() % 200, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    TIniFile ini;
    ini.SetText(text);
    ASSERT_EQ(ini.Text(), text);
    ASSERT_TRUE(ini.WriteString("A", "b", "value"));
    TIniFile again;
    again.SetText(ini.Text());
    ASSERT_EQ(again.ReadString("a", "B"), "value") << ::testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace lumigram
