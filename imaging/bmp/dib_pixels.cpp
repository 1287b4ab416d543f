// Pixel decoding of DIBs: uncompressed rows of every depth, and the RLE8 and
// RLE4 streams.

#include <algorithm>
#include <bit>
#include <vector>

#include "imaging/bmp/dib_format.h"

namespace lumigram::dib {

namespace {

// One channel of a masked 16- or 32-bit pixel, scaled to 0..255.
class TChannel {
 public:
  explicit TChannel(uint32_t mask)
      : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask >> shift_) {}
  bool Present() const { return mask_ != 0; }
  uint32_t Get(uint32_t pixel) const {
    if (!mask_) return 0;
    const uint32_t v = (pixel & mask_) >> shift_;
    if (max_ == 255) return v;
    return uint32_t((uint64_t(v) * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_;
  uint32_t max_;
};

class TMaskedColour {
 public:
  explicit TMaskedColour(const std::array<uint32_t, 4>& masks)
      : red_(masks[0]), green_(masks[1]), blue_(masks[2]), alpha_(masks[3]) {}
  uint32_t Get(uint32_t pixel) const {
    const uint32_t a = alpha_.Present() ? alpha_.Get(pixel) : 0xFF;
    return a << 24 | red_.Get(pixel) << 16 | green_.Get(pixel) << 8 | blue_.Get(pixel);
  }

 private:
  TChannel red_, green_, blue_, alpha_;
};

// Decodes the first `count` pixels of one stored row from `data`.
void DecodeRow(const TDibFormat& f, const TMaskedColour& masked, const std::vector<uint32_t>& lut16,
               const uint8_t* data, int count, uint32_t* out) {
  switch (f.BitCount) {
    case 1:
    case 4:
    case 8: {
      const int bits = f.BitCount;
      const int perByte = 8 / bits;
      const uint32_t mask = (1u << bits) - 1;
      for (int x = 0; x < count; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        out[x] = f.Palette[(data[x / perByte] >> shift) & mask];
      }
      break;
    }
    case 16:
      for (int x = 0; x < count; ++x) out[x] = lut16[data[2 * x] | data[2 * x + 1] << 8];
      break;
    case 24:
      for (int x = 0; x < count; ++x) {
        const uint8_t* p = data + 3 * x;
        out[x] = kOpaque | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
      }
      break;
    case 32:
      for (int x = 0; x < count; ++x) {
        const uint8_t* p = data + 4 * x;
        out[x] = masked.Get(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                            uint32_t(p[3]) << 24);
      }
      break;
  }
}

void DecodeUncompressed(const TDibFormat& f, std::string_view bits, uint32_t unset,
                        const TRowSink& sink) {
  const TMaskedColour masked(f.Masks);
  std::vector<uint32_t> lut16;
  if (f.BitCount == 16) {
    lut16.resize(65536);
    for (uint32_t v = 0; v < 65536; ++v) lut16[v] = masked.Get(v);
  }
  const uint64_t rowBytes = f.RowBytes();
  const auto* data = reinterpret_cast<const uint8_t*>(bits.data());
  std::vector<uint32_t> row(size_t(f.Width));
  for (int i = 0; i < f.Height; ++i) {
    const uint64_t at = uint64_t(i) * rowBytes;
    if (at >= bits.size()) break;
    const uint64_t have = std::min<uint64_t>(rowBytes, bits.size() - at);
    const int count = int(std::min<uint64_t>(uint64_t(f.Width), have * 8 / uint64_t(f.BitCount)));
    DecodeRow(f, masked, lut16, data + at, count, row.data());
    std::fill(row.begin() + count, row.end(), unset);
    sink(f.TopDown ? i : f.Height - 1 - i, row.data());
  }
}

// RLE8 and RLE4: runs of one value, literal runs, and escapes for the end of
// a line, the end of the picture and a jump ahead. Pixels past the right edge
// are dropped; every step consumes input, so the loop ends with the data.
void DecodeRle(const TDibFormat& f, std::string_view bits, uint32_t unset, const TRowSink& sink) {
  const bool four = f.Compression == kRle4;
  const auto* data = reinterpret_cast<const uint8_t*>(bits.data());
  const size_t size = bits.size();
  std::vector<uint32_t> row(size_t(f.Width), unset);
  int x = 0;
  int stored = 0;  // stored row, 0 the bottom
  bool dirty = false;
  auto flush = [&] {
    if (dirty) sink(f.Height - 1 - stored, row.data());
    std::fill(row.begin(), row.end(), unset);
    dirty = false;
  };
  auto put = [&](uint32_t index) {
    if (x < f.Width) {
      row[size_t(x)] = f.Palette[index];
      dirty = true;
    }
    ++x;
  };
  size_t at = 0;
  while (at + 2 <= size && stored < f.Height) {
    const int count = data[at];
    const uint8_t value = data[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count && x < f.Width; ++i)
        put(four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      continue;
    }
    if (value == 0) {  // end of line
      flush();
      ++stored;
      x = 0;
    } else if (value == 1) {  // end of picture
      break;
    } else if (value == 2) {  // jump right and up
      if (at + 2 > size) break;
      const int dx = data[at];
      const int dy = data[at + 1];
      at += 2;
      if (dy > 0) {
        flush();
        stored += dy;
      }
      x = std::min(x + dx, f.Width);
    } else {  // literal run, padded to a 16-bit boundary
      const size_t bytes = four ? (size_t(value) + 1) / 2 : value;
      const size_t have = std::min(bytes, size - at);
      for (int i = 0; i < value && x < f.Width; ++i) {
        const size_t byte = four ? size_t(i) / 2 : size_t(i);
        if (byte >= have) break;
        const uint8_t b = data[at + byte];
        put(four ? (i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
      }
      at += std::min(bytes + (bytes & 1), size - at);
    }
  }
  if (stored < f.Height) flush();
}

}  // namespace

void DecodeDibPixels(const TDibFormat& format, std::string_view bits, uint32_t unset,
                     const TRowSink& sink) {
  if (format.Width <= 0 || format.Height <= 0) return;
  if (format.Compression == kRle8 || format.Compression == kRle4)
    DecodeRle(format, bits, unset, sink);
  else
    DecodeUncompressed(format, bits, unset, sink);
}

}  // namespace lumigram::dib
