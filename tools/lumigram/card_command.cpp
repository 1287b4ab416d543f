// lumigram card: shows what a card holds, builds cards and takes their
// elements out again.

#include "tools/lumigram/card_command.h"

#include <cstdio>
#include <iostream>

#include "card/card_data.h"
#include "card/lumigram.h"
#include "card/message_file.h"
#include "card/message_text.h"
#include "imaging/bmp/bmp_file.h"
#include "imaging/jpeg/optimised_image.h"
#include "tools/lumigram/arguments.h"
#include "tools/lumigram/command.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram::cli {

namespace {

std::string Escaped(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "\r", "\\r"), "\n", "\\n");
}

std::string Bytes(const std::string& field) {
  return IntToText(int64_t(field.size())) + " bytes";
}

std::string Decimal(uint32_t value) {
  return IntToText(int32_t(value));
}

std::string Hex(const std::string& bytes) {
  static const char* const kDigits = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char c : bytes) {
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return hex;
}

std::string PictureLine(const std::string& picture) {
  std::string line = Bytes(picture);
  if (picture.empty()) return line;
  TOptimisedImage image;
  if (!image.FromBytes(picture)) return line + " unreadable";
  return line + " " + image.Encoding() + " " + IntToText(image.Width()) + "x" +
         IntToText(image.Height());
}

bool ReadCard(const std::string& path, TLumigramInfo& info, TCardReadOutcome& outcome,
              std::string& error) {
  std::string data;
  if (!ReadCardInput(path, data, error)) return false;
  outcome = ReadCardData(data, info);
  if (outcome.Complete) return true;
  error = outcome.Error;
  return false;
}

int RunInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError(kCardCommandName, "card info takes one FILE");
  TLumigramInfo info;
  TCardReadOutcome outcome;
  std::string error;
  if (!ReadCard(args[0], info, outcome, error)) return Fail(args[0] + ": " + error);
  std::string style;
  for (bool on : {info.Font.Bold, info.Font.Italic, info.Font.Underline, info.Font.StrikeOut})
    style += on ? '1' : '0';
  const std::pair<const char*, std::string> lines[] = {
      {"Password", Hex(DoubleToBytes8(info.Password))},
      {"Version", Escaped(info.Version)},
      {"Picture", PictureLine(info.Picture)},
      {"Cursor", Bytes(info.Cursor)},
      {"Sound", Bytes(info.Sound)},
      {"SoundType", Escaped(info.SoundType)},
      {"Link", Escaped(info.Link)},
      {"LinkColor", Decimal(info.LinkColor)},
      {"Frame.Size", IntToText(info.Frame.Size)},
      {"Frame.Color", Decimal(info.Frame.Color)},
      {"Frame.Code", Escaped(info.Frame.Code)},
      {"Font.Charset", IntToText(info.Font.Charset)},
      {"Font.Color", Decimal(info.Font.Color)},
      {"Font.Height", IntToText(info.Font.Height)},
      {"Font.Name", Escaped(info.Font.Name)},
      {"Font.Style", style},
      {"Message", Escaped(JoinMessageLines(info.Message))},
      {"HAlign", IntToText(info.HAlign)},
      {"VAlign", IntToText(info.VAlign)},
      {"Flash", BoolToText(info.Flash)},
      {"MessageBitmap", Bytes(outcome.MessageBitmapFile)},
      {"CreatorInfo", Escaped(outcome.CreatorInfo)},
      {"Author", Escaped(info.Author)},
      {"CanEdit", BoolToText(info.CanEdit)},
      {"CanPrint", BoolToText(info.CanPrint)},
  };
  for (const auto& [name, value] : lines) std::cout << name << ": " << value << "\n";
  return std::cout.good() ? kExitOk : Fail(err::kOutOfDiskSpace);
}

int RunExtract(const std::vector<std::string>& args) {
  TArguments arguments({}, {"picture", "sound", "cursor", "message"});
  if (!arguments.Parse(args)) return UsageError(kCardCommandName, arguments.Problem());
  int chosen = 0;
  for (const char* name : {"picture", "sound", "cursor", "message"}) chosen += arguments.Has(name);
  if (arguments.Positional().size() != 1 || chosen != 1)
    return UsageError(kCardCommandName,
                      "card extract takes one FILE and one of --picture, --sound, --cursor, "
                      "--message with its OUT file");
  const std::string& path = arguments.Positional()[0];
  TLumigramInfo info;
  TCardReadOutcome outcome;
  std::string error;
  if (!ReadCard(path, info, outcome, error)) return Fail(path + ": " + error);

  std::string out, bytes;
  if (arguments.Has("picture")) {
    out = arguments.Option("picture");
    if (info.Picture.empty()) return Fail(path + ": no picture");
    bytes = info.Picture;
    if (LowerAscii(ExtractExtension(ExtractFileName(out))) == "bmp") {
      TOptimisedImage image;
      if (!image.FromBytes(info.Picture)) return Fail(path + ": picture: " + image.ErrorText());
      bytes = WriteBmpFile(image.Picture());
      if (bytes.empty()) return Fail(err::kOutOfMemory);
    }
  } else if (arguments.Has("sound")) {
    out = arguments.Option("sound");
    if (info.Sound.empty()) return Fail(path + ": no sound");
    bytes = info.Sound;
  } else if (arguments.Has("cursor")) {
    out = arguments.Option("cursor");
    if (info.Cursor.empty()) return Fail(path + ": no cursor");
    bytes = info.Cursor;
  } else {
    out = arguments.Option("message");
    bytes = WriteMessageFile(info);
  }
  if (!WriteStringToFile(out, bytes, error)) return Fail(out + ": " + error);
  return kExitOk;
}

int RunCard(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError(kCardCommandName, "say info, make or extract");
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "info") return RunInfo(rest);
  if (args[0] == "make") return RunCardMake(rest);
  if (args[0] == "extract") return RunExtract(rest);
  return UsageError(kCardCommandName, "unknown form " + args[0]);
}

}  // namespace

bool ReadCardInput(const std::string& path, std::string& data, std::string& error) {
  std::string bytes;
  if (!ReadFileToString(path, bytes, error)) return false;
  if (bytes.compare(0, 5, kCardMagic) == 0) {
    data = std::move(bytes);
    return true;
  }
  if (bytes.size() <= size_t(kCardDataOffset)) {
    error = err::kUnknownFormat;
    return false;
  }
  data = bytes.substr(size_t(kCardDataOffset));
  return true;
}

extern const TCommand kCardCommand = {
    kCardCommandName,
    "  card info FILE\n"
    "      list what a card file (or bare card data) holds, one NAME: VALUE line per\n"
    "      stored field in file order\n"
    "  card make --picture P [--cursor C] [--sound S] [--link L] [--link-color C]\n"
    "            [--message TEXT | --message-file F] [--font NAME] [--font-size PT]\n"
    "            [--font-color C] [--font-style BIUS] [--charset N]\n"
    "            [--halign left|right|centre] [--valign top|bottom|centre] [--flash]\n"
    "            [--frame-code CODE] [--frame-size N] [--frame-color C|auto]\n"
    "            [--password P] [--author TEXT] [--no-edit] [--no-print]\n"
    "            [--data-only | --viewer PATH] --out FILE\n"
    "      build a card: a runnable card file from the viewer program (found beside\n"
    "      lumigram as lumigram-viewer, or given), or bare card data with\n"
    "      --data-only. P is a BMP, JPEG or optimised image; colours are decimal\n"
    "      0x00BBGGRR values or #RRGGBB; BIUS are the letters of the font's styles\n"
    "      (bold, italic, underline, strike-out); texts on the command line are\n"
    "      UTF-8; a message file is a .msg file or plain UTF-8 text\n"
    "  card extract FILE --picture|--sound|--cursor|--message OUT\n"
    "      write one element of a card: the picture as an optimised image (or a\n"
    "      BMP when OUT ends in .bmp), the sound or cursor file as stored, the\n"
    "      message as a message file",
    RunCard};

}  // namespace lumigram::cli
