// lumigram convert: reads a picture in any format the program reads and
// writes it in the format its output name asks for.

#include <string>

#include "imaging/bmp/bmp_file.h"
#include "imaging/image_registry.h"
#include "imaging/jpeg/jpeg_writer.h"
#include "imaging/jpeg/optimised_image.h"
#include "imaging/text_formats/portable_pixelmap.h"
#include "imaging/text_formats/text_picture.h"
#include "imaging/text_formats/x_bitmap.h"
#include "tools/lumigram/arguments.h"
#include "tools/lumigram/command.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram::cli {

namespace {

constexpr const char* kCommand = "convert";
constexpr const char* kUsage =
    "  convert IN OUT [--quality Q] [--depth D] [--wrap W] [--pnm-type T]\n"
    "      reads any picture the program reads and writes OUT by its extension:\n"
    "      .bmp, .jpg (quality Q, 1-100, default 90), .omi, .tep (depth D 1-6,\n"
    "      wrap W 0-2), .ppm/.pgm/.pbm (anymap type T 1-6) or .xbm";

bool IntIn(const TArguments& args, const char* name, long long low, long long high,
           long long fallback, int& value, std::string& problem) {
  long long read = 0;
  if (!args.IntOption(name, read, fallback) || read < low || read > high) {
    problem = std::string("--") + name + " takes a number from " + std::to_string(low) + " to " +
              std::to_string(high);
    return false;
  }
  value = int(read);
  return true;
}

// Encodes the picture for the output's extension; false with error text.
bool Encode(const std::string& ext, const TBitmap& picture, const TArguments& args,
            std::string& bytes, std::string& error, std::string& problem) {
  if (ext == "BMP") {
    bytes = WriteBmpFile(picture);
    error = err::kOutOfMemory;
    return !bytes.empty();
  }
  if (ext == "JPG" || ext == "JPEG" || ext == "JIF") {
    int quality = 90;
    if (!IntIn(args, "quality", 1, 100, 90, quality, problem)) return false;
    return WriteJpeg(picture, quality, bytes, error);
  }
  if (ext == "OMI") {
    TOptimisedImage image;
    image.Assign(picture);
    const bool ok = image.ToBytes(bytes);
    error = image.ErrorText();
    return ok;
  }
  if (ext == "TEP") {
    int depth = 3, wrap = 0;
    if (!IntIn(args, "depth", 1, 6, 3, depth, problem) ||
        !IntIn(args, "wrap", 0, 2, 0, wrap, problem))
      return false;
    TTextPicture image;
    image.Assign(picture);
    image.SetDepth(depth);
    image.SetWrapMode(wrap);
    const bool ok = image.WriteToBytes(bytes);
    error = image.ErrorText();
    return ok;
  }
  if (ext == "PPM" || ext == "PGM" || ext == "PBM") {
    const int byExtension = ext == "PBM" ? 4 : ext == "PGM" ? 5 : 6;
    int type = byExtension;
    if (!IntIn(args, "pnm-type", 1, 6, byExtension, type, problem)) return false;
    TPortablePixelmap image;
    image.Assign(picture);
    image.SetPnmType(type);
    const bool ok = image.WriteToBytes(bytes);
    error = image.ErrorText();
    return ok;
  }
  if (ext == "XBM") {
    TXBitmap image;
    image.Assign(picture);
    const bool ok = image.WriteToBytes(bytes);
    error = image.ErrorText();
    return ok;
  }
  error = err::kUnsupportedFormat;
  return false;
}

int RunConvert(const std::vector<std::string>& words) {
  TArguments args({}, {"quality", "depth", "wrap", "pnm-type"});
  if (!args.Parse(words)) return UsageError(kCommand, args.Problem());
  if (args.Positional().size() != 2) return UsageError(kCommand, "needs IN and OUT");
  const std::string& input = args.Positional()[0];
  const std::string& output = args.Positional()[1];

  TBitmap picture;
  TImageInfoRec request;
  request.FileName = input;
  request.Target = &picture;
  request.IconBackground = 0xFFFFFF;
  if (!TOpenImage::Shared().Load(request)) return Fail(input + ": " + request.ErrorText);

  std::string bytes, error, problem;
  if (!Encode(UpperAscii(ExtractExtension(ExtractFileName(output))), picture, args, bytes, error,
              problem)) {
    if (!problem.empty()) return UsageError(kCommand, problem);
    return Fail(output + ": " + error);
  }
  if (!WriteStringToFile(output, bytes, error)) return Fail(output + ": " + error);
  return kExitOk;
}

}  // namespace

extern const TCommand kConvertCommand = {kCommand, kUsage, RunConvert};

}  // namespace lumigram::cli
