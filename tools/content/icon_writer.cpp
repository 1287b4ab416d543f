#include "tools/content/icon_writer.h"

#include "imaging/bitmap/le_bytes.h"

namespace lumigram::content {

namespace {

// The image as a DIB: header, BGRA rows bottom up, then the AND mask, whose
// set bits mark the fully transparent pixels.
std::string IconDib(const TArgbPicture& picture) {
  const int w = picture.Width, h = picture.Height;
  const size_t maskStride = size_t((w + 31) / 32 * 4);
  std::string dib;
  le::PutU32(dib, 40);
  le::PutU32(dib, uint32_t(w));
  le::PutU32(dib, uint32_t(2 * h));  // colour rows plus mask rows
  le::PutU16(dib, 1);
  le::PutU16(dib, 32);
  le::PutU32(dib, 0);  // BI_RGB
  le::PutU32(dib, uint32_t(size_t(w) * h * 4 + maskStride * h));
  for (int i = 0; i < 4; ++i) le::PutU32(dib, 0);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) le::PutU32(dib, picture.Pixels[size_t(y) * w + x]);
  for (int y = h - 1; y >= 0; --y) {
    std::string row(maskStride, '\0');
    for (int x = 0; x < w; ++x)
      if ((picture.Pixels[size_t(y) * w + x] >> 24) == 0)
        row[size_t(x / 8)] |= char(0x80 >> (x % 8));
    dib += row;
  }
  return dib;
}

std::string Chunk(const std::string& id, const std::string& data) {
  std::string out = id;
  le::PutU32(out, uint32_t(data.size()));
  out += data;
  if (data.size() % 2) out += '\0';
  return out;
}

}  // namespace

std::string WriteIconFile(const std::vector<TIconImage>& images, bool cursor) {
  std::vector<std::string> dibs;
  for (const TIconImage& image : images) dibs.push_back(IconDib(image.Picture));
  std::string out;
  le::PutU16(out, 0);
  le::PutU16(out, cursor ? 2 : 1);
  le::PutU16(out, uint32_t(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const TArgbPicture& picture = images[i].Picture;
    out += char(picture.Width >= 256 ? 0 : picture.Width);
    out += char(picture.Height >= 256 ? 0 : picture.Height);
    out += '\0';  // no palette
    out += '\0';
    le::PutU16(out, cursor ? uint32_t(images[i].HotSpotX) : 1);   // planes
    le::PutU16(out, cursor ? uint32_t(images[i].HotSpotY) : 32);  // bits per pixel
    le::PutU32(out, uint32_t(dibs[i].size()));
    le::PutU32(out, offset);
    offset += uint32_t(dibs[i].size());
  }
  for (const std::string& dib : dibs) out += dib;
  return out;
}

std::string WriteAniFile(const std::vector<std::string>& frames, const std::vector<TAniStep>& steps,
                         const std::string& title) {
  std::string header;
  const int jiffies = steps.empty() ? 6 : steps.front().Jiffies;
  for (uint32_t n : {36u, uint32_t(frames.size()), uint32_t(steps.size()), 0u, 0u, 0u, 0u,
                     uint32_t(jiffies), 3u})  // frames are icons; the order comes from "seq "
    le::PutU32(header, n);
  std::string rates, sequence;
  for (const TAniStep& step : steps) {
    le::PutU32(rates, uint32_t(step.Jiffies));
    le::PutU32(sequence, uint32_t(step.Frame));
  }
  std::string frameList = "fram";
  for (const std::string& frame : frames) frameList += Chunk("icon", frame);
  std::string title0 = title;
  title0 += '\0';
  const std::string chunks = Chunk("LIST", "INFO" + Chunk("INAM", title0)) + Chunk("anih", header) +
                             Chunk("rate", rates) + Chunk("seq ", sequence) +
                             Chunk("LIST", frameList);
  std::string out = "RIFF";
  le::PutU32(out, uint32_t(4 + chunks.size()));
  return out + "ACON" + chunks;
}

}  // namespace lumigram::content
