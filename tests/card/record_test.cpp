// The content record's rules and the password hash.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "card/lumigram.h"
#include "card/password_hash.h"
#include "tests/card/card_fixtures.h"

namespace lumigram::testing {
namespace {

TEST(CardRecord, SoundTypesNormaliseOrEmptyBothSoundFields) {
  TLumigramInfo info;
  info.Sound = "RIFF....";
  info.SoundType = "aiff";
  NormaliseInfo(info);
  EXPECT_EQ(info.SoundType, "WAV");
  EXPECT_EQ(info.Sound, "RIFF....");

  info.SoundType = "m3u";
  NormaliseInfo(info);
  EXPECT_EQ(info.SoundType, "MP3");

  info.SoundType = "ogg";
  NormaliseInfo(info);
  EXPECT_EQ(info.SoundType, "");
  EXPECT_EQ(info.Sound, "");

  info.SoundType = "Midi";
  NormaliseInfo(info);
  EXPECT_EQ(info.SoundType, "") << "a valid type without data empties both";

  for (const char* alias : {"rmi", "MIDI"}) EXPECT_EQ(NormaliseSoundType(alias), "MID");
  for (const char* alias : {"snd", "AU", "aif", "aifc"})
    EXPECT_EQ(NormaliseSoundType(alias), "WAV");
  EXPECT_EQ(NormaliseSoundType("wma"), "WMA");
}

TEST(CardRecord, FrameSizeAndCodeNormalise) {
  TLumigramInfo info;
  info.Version = "LG9.9";
  info.Frame.Size = 300;
  EXPECT_TRUE(NormaliseInfo(info));
  EXPECT_EQ(info.Frame.Size, 255);
  EXPECT_EQ(info.Version, "LG1.0");
  info.Frame.Size = -4;
  EXPECT_TRUE(NormaliseInfo(info));
  EXPECT_EQ(info.Frame.Size, 0);
  info.Frame.Code.clear();
  EXPECT_TRUE(NormaliseInfo(info));
  EXPECT_EQ(info.Frame.Code, "40,s60,d\r\n15,d,s60\r\n38,s60,s60\r\nr,s120,s120");
  EXPECT_FALSE(NormaliseInfo(info)) << "nothing left to change";
}

TEST(CardRecord, ResetKeepsCreatorInfoOnly) {
  TCardOnDouble card;
  TLumigramInfo& info = card.Card->Info();
  info.CreatorInfo = "|made here";
  info.Author = "someone";
  info.Link = "http://example.com";
  info.Message = {"hello"};
  info.CanPrint = false;
  card.Card->Reset();
  TLumigramInfo expected;
  expected.CreatorInfo = "|made here";
  EXPECT_TRUE(SameContent(info, expected));
}

uint64_t Bits(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

TEST(PasswordHash, SumsSideBySide) {
  EXPECT_EQ(Bits(PasswordHash("")), (uint64_t(99) << 32) | 1);
  // "A" (65) at position 1 (odd): A = 2 + 65, B = 99 + 65.
  EXPECT_EQ(Bits(PasswordHash("A")), (uint64_t(164) << 32) | 67);
  // "3e": '3' (51) odd: A += 51 + 17, B += 51; 'E' (69) even: A += 69 + 3,
  // B += 69 + 825.
  EXPECT_EQ(Bits(PasswordHash("3e")), (uint64_t(99 + 51 + 69 + 825) << 32) | (3 + 68 + 72));
  EXPECT_GT(PasswordHash(""), 0.0);
}

TEST(PasswordHash, CaseAndLengthBeyond128DoNotMatter) {
  EXPECT_EQ(PasswordHash("letmein"), PasswordHash("LETMEIN"));
  EXPECT_NE(PasswordHash("letmein"), PasswordHash("letmeout"));
  const std::string longer(128, 'x');
  EXPECT_EQ(PasswordHash(longer + "tail"), PasswordHash(longer + "other"));
  EXPECT_NE(PasswordHash(longer.substr(1) + "a"), PasswordHash(longer.substr(1) + "b"));
}

}  // namespace
}  // namespace lumigram::testing
