// lumigram card make: a whole card from the command line, saved as the
// creator saves it.

#include "card/about_text.h"
#include "card/headless_card_platform.h"
#include "card/links.h"
#include "card/lumigram.h"
#include "card/message_file.h"
#include "card/password_hash.h"
#include "frames/frame_painter.h"
#include "imaging/bmp/bmp_file.h"
#include "imaging/jpeg/jpeg_reader.h"
#include "imaging/jpeg/optimised_image.h"
#include "tools/lumigram/arguments.h"
#include "tools/lumigram/card_command.h"
#include "tools/lumigram/colour_option.h"
#include "tools/lumigram/command.h"
#include "util/code_page.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/os/process.h"
#include "util/text.h"

namespace lumigram::cli {

namespace {

constexpr const char* kViewerName = "lumigram-viewer";
constexpr int kWesternCharset = 0;

// Line breaks as the card keeps them: CR LF.
std::string WithCrLf(const std::string& text) {
  return ReplaceAll(ReplaceAll(ReplaceAll(text, "\r\n", "\n"), "\r", "\n"), "\n", "\r\n");
}

// The picture as an optimised image: kept as it is when it is one already.
bool PictureBytes(const std::string& path, std::string& picture, TBitmap& bitmap,
                  std::string& error) {
  std::string bytes;
  if (!ReadFileToString(path, bytes, error)) return false;
  int depth = 0;
  if (bytes.compare(0, 8, std::string("OMIV1.0") + '\0') == 0) {
    TOptimisedImage image;
    if (!image.FromBytes(bytes)) {
      error = image.ErrorText();
      return false;
    }
    bitmap = image.Picture();
    picture = std::move(bytes);
    return true;
  }
  bool read = false;
  if (bytes.compare(0, 2, "BM") == 0)
    read = ReadBmpFile(bytes, bitmap, depth, error);
  else if (bytes.compare(0, 2, "\xFF\xD8") == 0)
    read = ReadJpeg(bytes, bitmap, depth, error);
  else
    error = std::string(err::kUnsupportedFormat) + " (use BMP, JPEG or an optimised image)";
  if (!read) return false;
  TOptimisedImage image;
  image.Assign(bitmap);
  if (!image.ToBytes(picture)) {
    error = image.ErrorText();
    return false;
  }
  return true;
}

// The viewer program padded to where card data starts.
bool ViewerImage(const std::string& given, std::string& image, std::string& error) {
  std::string path = given;
  if (path.empty()) {
    const std::string self = os::OwnProgramPath();
    if (!self.empty()) path = ExtractFolder(self) + kViewerName;
  }
  if (path.empty() || !FileExistsNotFolder(path)) {
    error = "no viewer program " + (path.empty() ? std::string(kViewerName) : path) +
            ": give --viewer PATH, or --data-only for bare card data";
    return false;
  }
  if (!ReadFileToString(path, image, error, kCardDataOffset) ||
      image.size() > size_t(kCardDataOffset)) {
    if (error == err::kOutOfMemory || image.size() > size_t(kCardDataOffset))
      error = path + " is larger than " + FormatThousands(kCardDataOffset) +
              " bytes and cannot carry a card";
    else
      error = path + ": " + error;
    return false;
  }
  image.resize(size_t(kCardDataOffset), '\0');
  return true;
}

bool Alignment(const std::string& text, bool horizontal, uint8_t& value) {
  const std::string word = LowerAscii(text);
  if (word == "centre" || word == "center")
    value = kAlignCentre;
  else if (word == (horizontal ? "left" : "top"))
    value = horizontal ? kAlignLeft : kAlignTop;
  else if (word == (horizontal ? "right" : "bottom"))
    value = horizontal ? kAlignRight : kAlignBottom;
  else
    return false;
  return true;
}

// A UTF-8 text from the command line in a character set; false when it
// holds a character the set lacks.
bool InCharset(const std::string& utf8, int charset, std::string& bytes, std::string& error) {
  return Utf8ToCodePage(utf8, CodePageOfCharset(charset), bytes, error);
}

}  // namespace

int RunCardMake(const std::vector<std::string>& args) {
  TArguments arguments(
      {"flash", "no-edit", "no-print", "data-only"},
      {"picture",      "cursor", "sound",      "link",       "link-color",  "message",
       "message-file", "font",   "font-size",  "font-color", "font-style",  "charset",
       "halign",       "valign", "frame-code", "frame-size", "frame-color", "password",
       "author",       "viewer", "out"});
  if (!arguments.Parse(args)) return UsageError(kCardCommandName, arguments.Problem());
  if (!arguments.Positional().empty())
    return UsageError(kCardCommandName, "card make takes no FILE; name the output with --out");
  if (!arguments.Has("picture") || !arguments.Has("out"))
    return UsageError(kCardCommandName, "card make needs --picture and --out");
  if (arguments.Has("message") && arguments.Has("message-file"))
    return UsageError(kCardCommandName, "give --message or --message-file, not both");
  if (arguments.Flag("data-only") && arguments.Has("viewer"))
    return UsageError(kCardCommandName, "give --data-only or --viewer, not both");

  THeadlessCardPlatform platform;
  TLumigram card(platform, TCardWindowKind::Embedded);
  TLumigramInfo& info = card.Info();
  info.CreatorInfo = DefaultCreatorInfo();
  std::string error;

  const std::string picturePath = arguments.Option("picture");
  TBitmap bitmap;
  if (!PictureBytes(picturePath, info.Picture, bitmap, error))
    return Fail(picturePath + ": " + error);
  if (arguments.Has("cursor") && !card.SetCursorFromFile(arguments.Option("cursor")))
    return Fail(arguments.Option("cursor") + ": " + card.LastError());
  if (arguments.Has("sound") && !card.SetSoundFromFile(arguments.Option("sound")))
    return Fail(arguments.Option("sound") + ": " + card.LastError());
  if (arguments.Has("link")) info.Link = CompleteLink(arguments.Option("link"));
  if (arguments.Has("link-color") &&
      !ReadColourOption(arguments.Option("link-color"), info.LinkColor))
    return UsageError(kCardCommandName, "--link-color takes a decimal colour or #RRGGBB");

  // The message file first: the font options then change its font.
  std::string plainText;
  bool hasPlainText = arguments.Has("message");
  if (hasPlainText) plainText = arguments.Option("message");
  if (arguments.Has("message-file")) {
    const std::string path = arguments.Option("message-file");
    std::string bytes;
    if (!ReadFileToString(path, bytes, error)) return Fail(path + ": " + error);
    const TMessageFileResult read = ReadMessageFile(bytes, info);
    if (read == TMessageFileResult::Incomplete) return Fail(path + ": " + err::kUnknownFormat);
    if (read == TMessageFileResult::WrongMagic) {
      plainText = std::move(bytes);
      hasPlainText = true;
    }
  }
  long long number = 0;
  if (arguments.Has("charset")) {
    if (!arguments.IntOption("charset", number, 0) || number < 0 || number > 255)
      return UsageError(kCardCommandName, "--charset takes a character set number 0-255");
    info.Font.Charset = int(number);
  }
  if (arguments.Has("font") &&
      !InCharset(arguments.Option("font"), info.Font.Charset, info.Font.Name, error))
    return Fail("--font: " + error);
  if (arguments.Has("font-size")) {
    if (!arguments.IntOption("font-size", number, 0) || number < 1 || number > 1000)
      return UsageError(kCardCommandName, "--font-size takes 1 to 1000 points");
    info.Font.SetSize(int(number));
  }
  if (arguments.Has("font-color") &&
      !ReadColourOption(arguments.Option("font-color"), info.Font.Color))
    return UsageError(kCardCommandName, "--font-color takes a decimal colour or #RRGGBB");
  if (arguments.Has("font-style")) {
    const std::string style = LowerAscii(arguments.Option("font-style"));
    if (style.find_first_not_of("bius") != std::string::npos)
      return UsageError(kCardCommandName, "--font-style takes the letters b, i, u and s");
    info.Font.Bold = style.find('b') != std::string::npos;
    info.Font.Italic = style.find('i') != std::string::npos;
    info.Font.Underline = style.find('u') != std::string::npos;
    info.Font.StrikeOut = style.find('s') != std::string::npos;
  }
  if (hasPlainText) {
    std::string bytes;
    if (!InCharset(plainText, info.Font.Charset, bytes, error)) return Fail("message: " + error);
    info.Message = MessageLinesOfText(bytes);
  }
  if (arguments.Has("halign") && !Alignment(arguments.Option("halign"), true, info.HAlign))
    return UsageError(kCardCommandName, "--halign takes left, right or centre");
  if (arguments.Has("valign") && !Alignment(arguments.Option("valign"), false, info.VAlign))
    return UsageError(kCardCommandName, "--valign takes top, bottom or centre");
  if (arguments.Flag("flash")) info.Flash = true;

  if (arguments.Has("frame-code")) info.Frame.Code = WithCrLf(arguments.Option("frame-code"));
  if (arguments.Has("frame-size")) {
    if (!arguments.IntOption("frame-size", number, 0) || number < 0 || number > 255)
      return UsageError(kCardCommandName, "--frame-size takes 0 to 255 pixels");
    info.Frame.Size = int(number);
  }
  if (arguments.Has("frame-color")) {
    if (arguments.Option("frame-color") == "auto")
      info.Frame.Color = AutoFrameColor(&bitmap);
    else if (!ReadColourOption(arguments.Option("frame-color"), info.Frame.Color))
      return UsageError(kCardCommandName, "--frame-color takes a decimal colour, #RRGGBB or auto");
  }
  if (arguments.Has("password")) {
    std::string password;
    if (!InCharset(arguments.Option("password"), kWesternCharset, password, error))
      return Fail("--password: " + error);
    info.Password = PasswordHash(password);
  }
  if (arguments.Has("author") &&
      !InCharset(WithCrLf(arguments.Option("author")), kWesternCharset, info.Author, error))
    return Fail("--author: " + error);
  if (arguments.Flag("no-edit")) info.CanEdit = false;
  if (arguments.Flag("no-print")) info.CanPrint = false;

  std::string data;
  if (!card.SaveToString(data)) return Fail(card.LastError());
  const std::string out = arguments.Option("out");
  std::string file;
  if (arguments.Flag("data-only")) {
    file = std::move(data);
  } else {
    if (!ViewerImage(arguments.Option("viewer"), file, error)) return Fail(error);
    file += data;
  }
  if (!WriteStringToFile(out, file, error, !arguments.Flag("data-only")))
    return Fail(out + ": " + error);
  return kExitOk;
}

}  // namespace lumigram::cli
