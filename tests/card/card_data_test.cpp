// The card data stream: hand-made streams from the format's tables, the
// failure rows, passwords and the round trip through a card.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "card/card_data.h"
#include "card/lumigram.h"
#include "card/password_hash.h"
#include "imaging/bmp/bmp_file.h"
#include "storage/pack_string.h"
#include "tests/card/card_fixtures.h"
#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/files.h"
#include "util/scramble.h"

namespace lumigram::testing {
namespace {

// A zlib stream of stored blocks, made by hand so that the fixtures do not
// rest on the code under test.
std::string StoredZlib(const std::string& bytes) {
  std::string out = "\x78\x01";
  size_t at = 0;
  do {
    const size_t n = std::min<size_t>(bytes.size() - at, 65535);
    const bool last = at + n == bytes.size();
    out += char(last ? 1 : 0);
    out += char(n & 0xFF);
    out += char(n >> 8);
    out += char(~n & 0xFF);
    out += char((~n >> 8) & 0xFF);
    out += bytes.substr(at, n);
    at += n;
  } while (at < bytes.size());
  uint32_t a = 1, b = 0;
  for (unsigned char c : bytes) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  const uint32_t adler = (b << 16) | a;
  for (int shift = 24; shift >= 0; shift -= 8) out += char((adler >> shift) & 0xFF);
  return out;
}

std::string Field(const std::string& content) {
  std::string field;
  AppendField(field, content);
  return field;
}

// The 21 fields of the table, each as its bytes.
std::vector<std::string> TableFields() {
  std::string font;
  font += Field(IntToBytes4(204));       // character set
  font += Field(IntToBytes4(0x0000FF));  // colour: red
  font += Field(IntToBytes4(-16));       // height
  font += Field("Courier New");
  font += Field("1010");  // bold, underline
  return {
      DoubleToBytes8(0),
      "LG1.0",
      "",           // picture: none
      "CURSOR",     // not a cursor: dropped when applied
      "RIFFsound",  // sound
      "wav",        // sound type
      "http://example.com/page?x=1",
      "16711680",  // link colour: blue
      "12",        // frame size
      "-1",        // frame colour
      "r,s100",    // frame code
      font,
      "first\r\nsecond\r\n",
      "1",        // right
      "7",        // centred
      "1",        // flash
      "BMPFILE",  // message bitmap, taken as it is by the reader
      HideText("|creator", THideVariant::Binary),
      HideText("Ann\r\nBee", THideVariant::Binary),
      "0",
      "1",
  };
}

std::string Stream(const std::vector<std::string>& fields, int count = 21) {
  std::string body;
  for (int i = 0; i < count && i < int(fields.size()); ++i) body += Field(fields[size_t(i)]);
  return std::string("LG1.0") + '\0' + Field(StoredZlib(body));
}

TEST(CardData, ReadsEveryFieldOfTheTable) {
  TLumigramInfo info;
  info.CreatorInfo = "|mine";
  const TCardReadOutcome outcome = ReadCardData(Stream(TableFields()), info);
  ASSERT_TRUE(outcome.Complete) << outcome.Error;
  EXPECT_EQ(info.Password, 0.0);
  EXPECT_EQ(info.Cursor, "CURSOR");
  EXPECT_EQ(info.Sound, "RIFFsound");
  EXPECT_EQ(info.SoundType, "WAV");
  EXPECT_EQ(info.Link, "http://example.com/page?x=1");
  EXPECT_EQ(info.LinkColor, 0xFF0000u);
  EXPECT_EQ(info.Frame.Size, 12);
  EXPECT_EQ(info.Frame.Color, 0xFFFFFFFFu);
  EXPECT_EQ(info.Frame.Code, "r,s100");
  EXPECT_EQ(info.Font.Charset, 204);
  EXPECT_EQ(info.Font.Color, 0x0000FFu);
  EXPECT_EQ(info.Font.Height, -16);
  EXPECT_EQ(info.Font.Name, "Courier New");
  EXPECT_TRUE(info.Font.Bold && info.Font.Underline);
  EXPECT_FALSE(info.Font.Italic || info.Font.StrikeOut);
  EXPECT_EQ(info.Message, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(info.HAlign, kAlignRight);
  EXPECT_EQ(info.VAlign, kAlignCentre) << "7 reads as centred";
  EXPECT_TRUE(info.Flash);
  EXPECT_EQ(info.Author, "Ann\r\nBee");
  EXPECT_FALSE(info.CanEdit);
  EXPECT_TRUE(info.CanPrint);
  // Only a standalone card takes these two; the reader hands them over.
  EXPECT_EQ(info.CreatorInfo, "|mine");
  EXPECT_EQ(outcome.CreatorInfo, "|creator");
  EXPECT_EQ(outcome.MessageBitmapFile, "BMPFILE");
}

TEST(CardData, WriterFollowsTheTable) {
  TLumigramInfo info;
  info.Password = PasswordHash("x");
  info.Link = "mailto:a@b.c";
  info.LinkColor = 0xFFFFFFFF;
  info.Message = {"one", "", "three"};
  info.Font.Italic = info.Font.StrikeOut = true;
  info.Author = "me";
  std::string data, error;
  ASSERT_TRUE(WriteCardData(info, "BM..", data, error));
  ASSERT_EQ(data.substr(0, 6), std::string("LG1.0") + '\0');
  std::string body = data.substr(6);
  ASSERT_TRUE(UnpackString(body, error));
  std::vector<std::string> fields;
  size_t offset = 0;
  std::string field;
  while (offset < body.size() && ReadField(body, offset, field)) fields.push_back(field);
  ASSERT_EQ(fields.size(), 21u);
  EXPECT_EQ(fields[0], DoubleToBytes8(PasswordHash("x")));
  EXPECT_EQ(fields[1], "LG1.0");
  EXPECT_EQ(fields[6], "mailto:a@b.c");
  EXPECT_EQ(fields[7], "-1");
  EXPECT_EQ(fields[8], "52");
  EXPECT_EQ(fields[9], "16777215");
  EXPECT_EQ(fields[12], "one\r\n\r\nthree\r\n");
  EXPECT_EQ(fields[13], "0");
  EXPECT_EQ(fields[15], "0");
  EXPECT_EQ(fields[16], "BM..");
  EXPECT_EQ(fields[17], "") << "an empty text is stored empty";
  EXPECT_EQ(RevealText(fields[18], THideVariant::Binary), "me");
  EXPECT_EQ(fields[19], "1");
  EXPECT_EQ(fields[20], "1");
  TFont font;
  size_t at = 0;
  std::string part;
  std::vector<std::string> parts;
  while (at < fields[11].size() && ReadField(fields[11], at, part)) parts.push_back(part);
  EXPECT_EQ(parts, (std::vector<std::string>{IntToBytes4(1), IntToBytes4(0), IntToBytes4(-11),
                                             "Arial", "0101"}));
}

TEST(CardData, FailureRows) {
  const std::vector<std::string> fields = TableFields();
  struct TRow {
    const char* Name;
    std::string Data;
    bool Magic;
    const char* Error;
    std::string LinkAfter;  // what was read before the failure stays
  };
  std::vector<std::string> shortPassword = fields;
  shortPassword[0] = "1234567";
  std::vector<std::string> negative = fields;
  negative[0] = DoubleToBytes8(-1.0);
  std::string negativeLength = Stream(fields, 7);  // up to the link
  {
    std::string body;
    for (int i = 0; i < 7; ++i) body += Field(fields[size_t(i)]);
    body += IntToBytes4(-3) + "abc";
    negativeLength = std::string("LG1.0") + '\0' + Field(StoredZlib(body));
  }
  std::string damaged = Stream(fields);
  damaged[damaged.size() - 1] ^= 0x55;  // the checksum
  const std::vector<TRow> rows = {
      {"no magic", "PK\3\4 nothing", false, err::kUnknownFormat, ""},
      {"other magic", std::string("LG2.0") + '\0' + Field(StoredZlib("")), false,
       err::kUnknownFormat, ""},
      {"zero byte after byte 20", std::string("LG1.0") + std::string(15, ' ') + '\0', false,
       err::kUnknownFormat, ""},
      {"damaged body", damaged, true, err::kUnknownFormat, ""},
      {"password not 8 bytes", Stream(shortPassword), true, err::kUnknownFormat, ""},
      {"negative password", Stream(negative), true, err::kUnknownFormat, ""},
      {"cut after the link", Stream(fields, 7), true, err::kUnknownFormat,
       "http://example.com/page?x=1"},
      {"negative length", negativeLength, true, err::kUnknownFormat, "http://example.com/page?x=1"},
      {"nothing", "", false, err::kUnknownFormat, ""},
  };
  for (const TRow& row : rows) {
    TLumigramInfo info;
    info.Link = "before";
    const TCardReadOutcome outcome = ReadCardData(row.Data, info);
    EXPECT_FALSE(outcome.Complete) << row.Name;
    EXPECT_EQ(outcome.MagicMatched, row.Magic) << row.Name;
    EXPECT_EQ(outcome.Error, row.Error) << row.Name;
    EXPECT_EQ(info.Link, row.LinkAfter) << row.Name << ": defaults, then what was read";
  }
}

TEST(CardData, BodyLargerThanTheCapIsRefused) {
  std::vector<std::string> fields = TableFields();
  fields[4] = std::string(4000, 's');
  TLumigramInfo info;
  TCardReadOptions options;
  options.MaxBodyBytes = 2000;
  const TCardReadOutcome outcome = ReadCardData(Stream(fields), info, options);
  EXPECT_TRUE(outcome.MagicMatched);
  EXPECT_FALSE(outcome.Complete);
  EXPECT_EQ(outcome.Error, err::kOutOfMemory);
}

// The body is inflated field by field into the record's own strings: what
// that must keep from reading a flat body.
TEST(CardData, FieldsInflateInPlaceWithTheFlatBodyRules) {
  std::vector<std::string> fields = TableFields();
  std::string sound;
  for (int i = 0; i < 700000; ++i)
    sound += char((unsigned(i) * 7919u) >> 3);  // several append pieces
  fields[4] = sound;
  auto body = [&](int count) {
    std::string b;
    for (int i = 0; i < count; ++i) b += Field(fields[size_t(i)]);
    return b;
  };
  auto card = [](const std::string& b) {
    return std::string("LG1.0") + '\0' + Field(StoredZlib(b));
  };
  {
    // A large field arrives whole; bytes after the last field are ignored.
    TLumigramInfo info;
    const TCardReadOutcome outcome = ReadCardData(card(body(21) + "trailing"), info);
    ASSERT_TRUE(outcome.Complete) << outcome.Error;
    EXPECT_EQ(info.Sound, sound);
    EXPECT_EQ(info.Author, "Ann\r\nBee");
  }
  {
    // The body ends inside the sound: what it held of it is kept.
    TLumigramInfo info;
    const std::string cut = body(5).substr(0, body(4).size() + 4 + 1000);
    const TCardReadOutcome outcome = ReadCardData(card(cut), info);
    EXPECT_FALSE(outcome.Complete);
    EXPECT_EQ(outcome.Error, err::kUnknownFormat);
    EXPECT_EQ(info.Cursor, "CURSOR");
    EXPECT_EQ(info.Sound, sound.substr(0, 1000));
    EXPECT_EQ(info.SoundType, "");
  }
  {
    // A length of 2 GB over a few bytes: refused as the short field it is.
    TLumigramInfo info;
    const TCardReadOutcome outcome =
        ReadCardData(card(body(4) + IntToBytes4(0x7FFFFFFF) + "RIFF"), info);
    EXPECT_EQ(outcome.Error, err::kUnknownFormat);
    EXPECT_EQ(info.Sound, "RIFF");
  }
  {
    // Trailing bytes count towards the cap, and a cut stream is damaged
    // even when all 21 fields came before the cut.
    TLumigramInfo info;
    TCardReadOptions options;
    options.MaxBodyBytes = int64_t(body(21).size()) + 3;
    EXPECT_EQ(ReadCardData(card(body(21) + "1234"), info, options).Error, err::kOutOfMemory);
    EXPECT_TRUE(info.Sound.empty());
    std::string cutStream = StoredZlib(body(21) + "1234");
    cutStream.resize(cutStream.size() - 6);
    const TCardReadOutcome outcome =
        ReadCardData(std::string("LG1.0") + '\0' + Field(cutStream), info);
    EXPECT_EQ(outcome.Error, err::kUnknownFormat);
    EXPECT_TRUE(info.Sound.empty()) << "a damaged body gives the defaults";
  }
}

// A card with every element, written and read back.
TLumigramInfo EveryElement() {
  TLumigramInfo info;
  info.Picture = PictureBytes(40, 30, RGB(10, 200, 30));
  std::string error;
  ReadFileToString(TestDataFile("imaging/windows/mask4.ico"), info.Cursor, error);
  info.Sound = std::string(1000, '\x7f');
  info.SoundType = "MID";
  info.Link = "https://example.org/a?b";
  info.LinkColor = RGB(0, 0, 255);
  info.CreatorInfo = "|made #here#";
  info.Author = "Author\r\nStreet 1";
  info.CanEdit = false;
  info.Frame = {RGB(200, 100, 0), 9, "r,s80", ""};
  info.Font.Name = "DejaVu Sans";
  info.Font.Height = -14;
  info.Font.Color = RGB(255, 255, 0);
  info.Font.Bold = true;
  info.Font.Charset = 238;
  info.Message = {"Hello",
                  "\xC8"
                  "au"};
  info.HAlign = kAlignCentre;
  info.VAlign = kAlignBottom;
  info.Flash = true;
  info.Password = PasswordHash("Secret");
  return info;
}

TEST(CardData, RoundTripThroughTheCard) {
  TCardOnDouble writer;
  writer.Card->Info() = EveryElement();
  std::string data;
  ASSERT_TRUE(writer.Card->SaveToString(data)) << writer.Card->LastError();
  EXPECT_FALSE(writer.Card->Info().Cursor.empty()) << "a real cursor survives";

  TCardOnDouble editor;  // embedded: asks for the password
  editor.Card->Info().CreatorInfo = "|made #here#";
  editor.Platform.DialogsDouble.Passwords = {std::string("secret")};
  ASSERT_TRUE(editor.Card->LoadFromString(data)) << editor.Card->LastError();
  EXPECT_TRUE(SameContent(editor.Card->Info(), writer.Card->Info()));
  EXPECT_EQ(editor.Card->PictureBitmap().Width(), 40);
  ASSERT_EQ(editor.Platform.DialogsDouble.Shown.size(), 1u);
  EXPECT_EQ(editor.Platform.DialogsDouble.Shown[0].Text, "Enter password");
}

// The picture starts decoding before the rest of the body has arrived; the
// card shows it only if the body then reads without a fault.
TEST(CardData, PictureDecodedEarlyIsShownOnlyFromASoundBody) {
  std::vector<std::string> fields = TableFields();
  fields[2] = PictureBytes(40, 30, RGB(10, 200, 30));
  fields[4] = std::string(300000, 's');
  const std::string good = Stream(fields);
  std::string damaged = good;
  damaged[damaged.size() - 1] ^= 0x55;
  std::vector<std::string> broken = fields;
  broken[2] = broken[2].substr(0, broken[2].size() / 2);  // a picture that does not decode

  TCardOnDouble card;
  ASSERT_TRUE(card.Card->LoadFromString(good)) << card.Card->LastError();
  EXPECT_EQ(card.Card->PictureBitmap().Width(), 40);
  EXPECT_EQ(card.Card->PictureBitmap().GetPixel(5, 5), RGB(10, 200, 30));

  EXPECT_FALSE(card.Card->LoadFromString(damaged));
  EXPECT_EQ(card.Card->LastError(), err::kUnknownFormat);
  EXPECT_TRUE(card.Card->Info().Picture.empty());
  EXPECT_EQ(card.Card->PictureBitmap().Width(), 300) << "the white square, not the early picture";

  ASSERT_TRUE(card.Card->LoadFromString(Stream(broken))) << card.Card->LastError();
  EXPECT_TRUE(card.Card->Info().Picture.empty());
  EXPECT_EQ(card.Card->PictureBitmap().Width(), 300);
  EXPECT_EQ(card.Card->PictureBitmap().GetPixel(5, 5), kWhite);
}

TEST(CardData, WrongOrCancelledPasswordShowsTheDefaults) {
  TCardOnDouble writer;
  writer.Card->Info() = EveryElement();
  std::string data;
  ASSERT_TRUE(writer.Card->SaveToString(data));
  for (const std::optional<std::string>& answer :
       {std::optional<std::string>("wrong"), std::optional<std::string>()}) {
    TCardOnDouble editor;
    editor.Platform.DialogsDouble.Passwords = {answer};
    EXPECT_FALSE(editor.Card->LoadFromString(data));
    EXPECT_EQ(editor.Card->LastError(), err::kAccessDenied);
    TLumigramInfo expected;
    expected.Password = PasswordHash("secret");
    EXPECT_TRUE(SameContent(editor.Card->Info(), expected)) << "only the password was read";
    EXPECT_EQ(editor.Card->PictureBitmap().Width(), 300);
  }
  TCardOnDouble viewer(true);
  EXPECT_TRUE(viewer.Card->LoadFromString(data)) << "the viewer never asks";
  EXPECT_TRUE(viewer.Platform.DialogsDouble.Shown.empty());
}

TEST(CardData, OnlyAStandaloneCardTakesCreatorTextAndMessageBitmap) {
  TCardOnDouble writer;
  writer.Card->Info() = EveryElement();
  writer.Card->Info().Password = 0;
  std::string data;
  ASSERT_TRUE(writer.Card->SaveToString(data));
  const TBitmap written = writer.Card->MessageBitmap();
  ASSERT_EQ(written.Width(), 40);
  EXPECT_EQ(written.GetPixel(0, 0), RGB(0, 0, 255)) << "the inverse of yellow text";

  TCardOnDouble editor;
  editor.Card->Info().CreatorInfo = "|editor's own";
  ASSERT_TRUE(editor.Card->LoadFromString(data));
  EXPECT_EQ(editor.Card->Info().CreatorInfo, "|editor's own");
  EXPECT_TRUE(editor.Card->MessageBitmap().Empty());

  TCardOnDouble viewer(true);
  ASSERT_TRUE(viewer.Card->LoadFromString(data));
  EXPECT_EQ(viewer.Card->Info().CreatorInfo, "|made #here#");
  EXPECT_EQ(viewer.Card->MessageBitmap(), written);
}

TEST(CardData, EmptyMessageStillCarriesItsBitmap) {
  TCardOnDouble card;
  card.Card->Info().Font.Color = RGB(0, 0, 0);
  std::string data;
  ASSERT_TRUE(card.Card->SaveToString(data));
  TLumigramInfo info;
  const TCardReadOutcome outcome = ReadCardData(data, info);
  ASSERT_TRUE(outcome.Complete);
  TBitmap bitmap, expected;
  int depth = 0;
  std::string error;
  ASSERT_TRUE(ReadBmpFile(outcome.MessageBitmapFile, bitmap, depth, error));
  expected.SetSize(300, 300, kWhite);
  EXPECT_EQ(bitmap, expected);
}

TEST(CardData, LoadsFromTheCardFileOffset) {
  TCardOnDouble writer;
  writer.Card->Info().Link = "http://example.net";
  std::string data;
  ASSERT_TRUE(writer.Card->SaveToString(data));
  ScratchFolder folder;
  std::string error;
  const std::string viewerOnly = std::string(size_t(kCardDataOffset), 'V');
  ASSERT_TRUE(WriteStringToFile(folder / "card", viewerOnly + data, error));
  ASSERT_TRUE(WriteStringToFile(folder / "empty", viewerOnly, error));

  TCardOnDouble viewer(true);
  ASSERT_TRUE(viewer.Card->LoadFromFile(folder / "card", kCardDataOffset + 1));
  EXPECT_EQ(viewer.Card->Info().Link, "http://example.net");
  EXPECT_EQ(viewer.Card->CardFile(), folder / "card");
  EXPECT_FALSE(viewer.Card->LoadFromFile(folder / "empty", kCardDataOffset + 1));
  EXPECT_EQ(viewer.Card->LastError(), err::kUnknownFormat);
  EXPECT_FALSE(viewer.Card->LoadFromFile(folder / "missing", kCardDataOffset + 1));
  EXPECT_EQ(viewer.Card->LastError(), err::kFileNotFound);
}

}  // namespace
}  // namespace lumigram::testing
