// Makes the pictures of the help pages: every built-in frame style and every
// sample style painted around the same small picture, and one style in three
// colours.
//   make_help_pictures OUT_FOLDER

#include <cctype>
#include <cstdio>
#include <string>

#include "frames/frame_painter.h"
#include "frames/frame_styles.h"
#include "imaging/bitmap/canvas.h"
#include "imaging/jpeg/jpeg_writer.h"
#include "tools/content/output.h"
#include "tools/content/samples.h"
#include "tools/content/scenes.h"

namespace lumigram::content {

namespace {

constexpr int kInnerWidth = 120;
constexpr int kInnerHeight = 80;
constexpr int kFrameSize = 22;
constexpr TColor kSampleColour = RGB(196, 160, 100);

TBitmap Framed(const TBitmap& inner, const std::string& code, TColor colour) {
  TBitmap card;
  card.SetSize(inner.Width() + 2 * kFrameSize, inner.Height() + 2 * kFrameSize);
  TCanvas canvas(card);
  canvas.Draw(kFrameSize, kFrameSize, inner);
  PaintFrame({colour, kFrameSize, code, ""}, &card);
  return card;
}

// "Tra&ditional II" -> "style_traditionalii.jpg".
std::string PictureName(std::string_view caption) {
  std::string name = "style_";
  for (char c : caption)
    if (std::isalpha(static_cast<unsigned char>(c)))
      name += char(std::tolower(static_cast<unsigned char>(c)));
  return name + ".jpg";
}

bool WritePicture(const std::string& folder, const std::string& name, const TBitmap& bitmap) {
  std::string bytes, error;
  if (!WriteJpeg(bitmap, 85, bytes, error)) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), error.c_str());
    return false;
  }
  return WriteOutput(folder, name, bytes);
}

}  // namespace

}  // namespace lumigram::content

int main(int argc, char** argv) {
  using namespace lumigram;
  using namespace lumigram::content;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_help_pictures OUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const TBitmap inner = MeadowScene(kInnerWidth, kInnerHeight);
  for (const TFrameStyle& style : kFrameStyles)
    if (!WritePicture(folder, PictureName(style.Caption), Framed(inner, style.Code, kSampleColour)))
      return 1;
  for (const TStyleSample& sample : StyleSamples())
    if (!WritePicture(folder, PictureName(sample.Description),
                      Framed(inner, sample.Code, kSampleColour)))
      return 1;

  // One code, three colours: the shades follow the base colour.
  const TColor colours[] = {RGB(200, 40, 40), RGB(60, 150, 80), RGB(70, 110, 200)};
  const int width = kInnerWidth + 2 * kFrameSize, gap = 10;
  TBitmap row;
  row.SetSize(3 * width + 2 * gap, kInnerHeight + 2 * kFrameSize);
  TCanvas canvas(row);
  for (int i = 0; i < 3; ++i)
    canvas.Draw(i * (width + gap), 0, Framed(inner, kFrameStyles[kClassicStyle].Code, colours[i]));
  if (!WritePicture(folder, "style_colours.jpg", row)) return 1;

  // The splash picture a little smaller, to head the pages.
  const TBitmap banner = SplashPicture(334, 120);
  return WritePicture(folder, "banner.jpg", banner) ? 0 : 1;
}
