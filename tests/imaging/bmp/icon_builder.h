#pragma once
// Small icon, cursor and animated cursor files made in the test, for the
// damaged and hostile cases the fixture files do not cover.

#include <string>
#include <vector>

#include "imaging/bitmap/le_bytes.h"

namespace lumigram::testing {

// A 1-bit icon image, all pixels colour-table entry 1 (white) and opaque;
// `rows` lets a test cut the pixel data short.
inline std::string OneBitIconImage(int width, int height, int rows = -1) {
  std::string dib;
  le::PutU32(dib, 40);
  le::PutU32(dib, uint32_t(width));
  le::PutU32(dib, uint32_t(2 * height));
  le::PutU16(dib, 1);
  le::PutU16(dib, 1);
  for (int i = 0; i < 6; ++i) le::PutU32(dib, 0);
  le::PutU32(dib, 0);           // black
  le::PutU32(dib, 0x00FFFFFF);  // white
  const size_t rowBytes = size_t((width + 31) / 32 * 4);
  dib += std::string(rowBytes * size_t(rows < 0 ? height : rows), '\xFF');
  if (rows < 0) dib += std::string(rowBytes * size_t(height), '\0');  // the AND mask
  return dib;
}

// An icon (type 1) or cursor (type 2) file holding the images; cursors get
// the hot spot (1, 2).
inline std::string IconFile(const std::vector<std::string>& images, int type = 1) {
  std::string out;
  le::PutU16(out, 0);
  le::PutU16(out, uint32_t(type));
  le::PutU16(out, uint32_t(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (const std::string& image : images) {
    out += std::string(4, '\0');         // the directory's sizes are not trusted anyway
    le::PutU16(out, 1);                  // planes, or the hot spot's x
    le::PutU16(out, type == 2 ? 2 : 1);  // bits, or the hot spot's y
    le::PutU32(out, uint32_t(image.size()));
    le::PutU32(out, offset);
    offset += uint32_t(image.size());
  }
  for (const std::string& image : images) out += image;
  return out;
}

inline std::string Chunk(const std::string& id, const std::string& data) {
  std::string out = id;
  le::PutU32(out, uint32_t(data.size()));
  out += data;
  if (data.size() % 2) out += '\0';
  return out;
}

inline std::string AniHeader(uint32_t frames, uint32_t steps, uint32_t rate, uint32_t flags) {
  std::string data;
  for (uint32_t n : {36u, frames, steps, 0u, 0u, 0u, 0u, rate, flags}) le::PutU32(data, n);
  return Chunk("anih", data);
}

inline std::string Numbers(const std::vector<uint32_t>& numbers) {
  std::string data;
  for (uint32_t n : numbers) le::PutU32(data, n);
  return data;
}

inline std::string FrameList(const std::vector<std::string>& icons) {
  std::string data = "fram";
  for (const std::string& icon : icons) data += Chunk("icon", icon);
  return Chunk("LIST", data);
}

inline std::string AniFile(const std::string& chunks) {
  std::string out = "RIFF";
  le::PutU32(out, uint32_t(4 + chunks.size()));
  return out + "ACON" + chunks;
}

}  // namespace lumigram::testing
