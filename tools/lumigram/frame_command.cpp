// lumigram frame: paints a frame around a blank white picture the way a card
// composes its image, and writes the result as a picture file.

#include <string>

#include "frames/frame_painter.h"
#include "imaging/bitmap/canvas.h"
#include "imaging/bmp/bmp_file.h"
#include "tools/lumigram/arguments.h"
#include "tools/lumigram/colour_option.h"
#include "tools/lumigram/command.h"
#include "util/error_texts.h"
#include "util/text.h"

namespace lumigram::cli {

namespace {

constexpr const char* kCommand = "frame";
// The largest picture the editor makes.
constexpr long long kMaxPictureSide = 19000;

// "auto" (the frame colour the picture suggests) or a colour option.
bool ReadColour(const std::string& text, const TBitmap& picture, TColor& colour) {
  if (text == "auto") {
    colour = AutoFrameColor(&picture);
    return true;
  }
  return ReadColourOption(text, colour);
}

int RunFrame(const std::vector<std::string>& args) {
  TArguments arguments({}, {"code", "size", "color", "width", "height"});
  if (!arguments.Parse(args)) return UsageError(kCommand, arguments.Problem());
  if (arguments.Positional().size() != 1) return UsageError(kCommand, "give one OUT file");
  const std::string& outPath = arguments.Positional()[0];

  long long width = 0, height = 0, size = 0;
  if (!arguments.Has("width") || !arguments.Has("height"))
    return UsageError(kCommand, "--width and --height are needed");
  if (!arguments.IntOption("width", width, 0) || !arguments.IntOption("height", height, 0) ||
      width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide)
    return UsageError(kCommand, "--width and --height take 1 to 19000 pixels");
  const TFrameInfo defaults = NewCardFrame();
  if (!arguments.IntOption("size", size, defaults.Size))
    return UsageError(kCommand, "--size takes a whole number");

  TBitmap picture;
  if (!picture.SetSize(int(width), int(height), kWhite)) return Fail(err::kOutOfMemory);
  TFrameInfo settings = defaults;
  settings.Size = ClampFrameSize(size);  // as the card keeps it
  settings.Code = arguments.Option("code", defaults.Code);
  if (arguments.Has("color") && !ReadColour(arguments.Option("color"), picture, settings.Color))
    return UsageError(kCommand, "--color takes a decimal colour, #RRGGBB or auto");
  const std::string extension = LowerAscii(ExtractExtension(ExtractFileName(outPath)));
  if (extension != "bmp") return Fail(outPath + ": " + err::kUnsupportedFormat + " (use .bmp)");

  // The card's composition: the frame over the whole image, the picture inside.
  TBitmap card;
  if (!card.SetSize(int(width) + 2 * settings.Size, int(height) + 2 * settings.Size, kWhite))
    return Fail(err::kOutOfMemory);
  PaintFrame(settings, &card);
  TCanvas(card).Draw(settings.Size, settings.Size, picture);
  picture = TBitmap();

  std::string error;
  if (!SaveBmpFile(outPath, card, error)) return Fail(outPath + ": " + error);
  return kExitOk;
}

}  // namespace

extern const TCommand kFrameCommand = {
    kCommand,
    "  frame --width W --height H [--code TEXT] [--size N] [--color C] OUT.bmp\n"
    "      paint a frame around a blank white picture of W x H pixels, as a card\n"
    "      shows it, and write the card image as a 24-bit BMP. TEXT is a style code\n"
    "      (lines split at line breaks; default \"Colored Insert\"), N the frame's\n"
    "      thickness (0-255, default 52), C a decimal colour 0x00BBGGRR, #RRGGBB or\n"
    "      auto (the picture's automatic frame colour; default white)",
    RunFrame};

}  // namespace lumigram::cli
