#include "imaging/bmp/dib_format.h"

#include <algorithm>
#include <climits>

#include "imaging/bitmap/le_bytes.h"

namespace lumigram::dib {

namespace {

constexpr uint32_t kCoreHeader = 12;
constexpr uint32_t kInfoHeader = 40;
constexpr uint32_t kOs2Header = 64;

bool KnownHeaderSize(uint32_t size) {
  switch (size) {
    case kCoreHeader:
    case kInfoHeader:
    case 52:  // with the colour masks
    case 56:  // with the alpha mask too
    case kOs2Header:
    case 108:  // V4
    case 124:  // V5
      return true;
    default:
      return false;
  }
}

bool ValidDepth(int bits, uint32_t compression) {
  switch (compression) {
    case kRgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:
    case kAlphaBitFields:
      return bits == 16 || bits == 32;
    default:
      return false;  // JPEG and PNG inside a BMP, CMYK: not supported
  }
}

void SetDefaultMasks(TDibFormat& format) {
  if (format.BitCount == 16)
    format.Masks = {0x7C00, 0x03E0, 0x001F, 0};
  else
    format.Masks = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000};
}

}  // namespace

int TDibFormat::ReportedBits() const {
  if (BitCount != 16) return BitCount;
  if (Masks[0] == 0x7C00 && Masks[1] == 0x03E0 && Masks[2] == 0x001F) return 15;
  if (Masks[0] == 0xF800 && Masks[1] == 0x07E0 && Masks[2] == 0x001F) return 16;
  return 24;
}

bool ParseDibHeader(std::string_view bytes, uint64_t headerAt, uint64_t bitsOffset,
                    TDibFormat& format) {
  const uint64_t size = bytes.size();
  if (headerAt > size || size - headerAt < 4) return false;
  const uint32_t headerSize = le::U32(bytes, headerAt);
  if (!KnownHeaderSize(headerSize) || size - headerAt < headerSize) return false;
  TDibFormat f;
  f.HeaderSize = headerSize;
  const size_t h = size_t(headerAt);
  uint64_t tableAt = headerAt + headerSize;
  uint64_t entrySize = 4;
  uint64_t entries = 0;
  if (headerSize == kCoreHeader) {
    f.Width = le::U16(bytes, h + 4);
    f.Height = le::U16(bytes, h + 6);
    f.BitCount = le::U16(bytes, h + 10);
    f.Compression = kRgb;
    entrySize = 3;
    if (!ValidDepth(f.BitCount, kRgb) || f.BitCount == 16 || f.BitCount == 32) return false;
    if (f.BitCount <= 8) entries = uint64_t(1) << f.BitCount;
  } else {
    const int32_t width = le::I32(bytes, h + 4);
    const int32_t height = le::I32(bytes, h + 8);
    if (width < 0 || height == INT_MIN) return false;
    f.Width = width;
    f.Height = height < 0 ? -height : height;
    f.TopDown = height < 0;
    f.BitCount = le::U16(bytes, h + 14);
    f.Compression = le::U32(bytes, h + 16);
    // OS/2 2.x headers number their compressions differently: 3 and 4 are
    // Huffman and RLE24 there.
    if (headerSize == kOs2Header && f.Compression > kRle4) return false;
    if (!ValidDepth(f.BitCount, f.Compression)) return false;
    // Compressed rows run bottom-up only.
    if (f.TopDown && (f.Compression == kRle8 || f.Compression == kRle4)) return false;
    SetDefaultMasks(f);
    if (f.Compression == kBitFields || f.Compression == kAlphaBitFields) {
      const int count = f.Compression == kAlphaBitFields ? 4 : 3;
      uint64_t masksAt = headerAt + 40;
      if (headerSize == kInfoHeader) {
        masksAt = tableAt;
        tableAt += 4 * count;
        if (tableAt > size) return false;
      }
      f.Masks = {0, 0, 0, 0};
      for (int i = 0; i < count; ++i) f.Masks[size_t(i)] = le::U32(bytes, size_t(masksAt) + 4 * i);
      if (count == 3 && headerSize >= 56) f.Masks[3] = le::U32(bytes, h + 52);
    }
    const uint32_t used = le::U32(bytes, h + 32);
    if (f.BitCount <= 8) {
      const uint64_t full = uint64_t(1) << f.BitCount;
      entries = used == 0 ? full : std::min<uint64_t>(used, full);
    } else {
      entries = used;  // an optional table for palette devices, skipped
    }
  }
  uint64_t tableEnd = tableAt + entries * entrySize;
  if (bitsOffset >= tableAt && bitsOffset <= size) {
    if (bitsOffset < tableEnd) entries = (bitsOffset - tableAt) / entrySize;
    tableEnd = bitsOffset;
  }
  f.BitsOffset = tableEnd;
  if (f.BitCount <= 8) {
    const uint64_t available = tableAt >= size ? 0 : (size - tableAt) / entrySize;
    f.PaletteCount = int(std::min(entries, available));
    for (int i = 0; i < f.PaletteCount; ++i) {
      const size_t at = size_t(tableAt + uint64_t(i) * entrySize);
      f.Palette[size_t(i)] = kOpaque | uint32_t(uint8_t(bytes[at + 2])) << 16 |
                             uint32_t(uint8_t(bytes[at + 1])) << 8 | uint8_t(bytes[at]);
    }
  }
  for (int i = f.PaletteCount; i < 256; ++i) f.Palette[size_t(i)] = kOpaque;
  format = f;
  return true;
}

}  // namespace lumigram::dib
