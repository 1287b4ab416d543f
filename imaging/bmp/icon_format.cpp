#include "imaging/bmp/icon_format.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <tuple>

#include "imaging/bitmap/le_bytes.h"
#include "imaging/bmp/dib_format.h"
#include "util/error_texts.h"

namespace lumigram::icon {

namespace {

constexpr size_t kDirectoryHeader = 6;
constexpr size_t kDirectoryEntry = 16;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

uint32_t BigEndian32(std::string_view bytes, size_t at) {
  return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
         uint32_t(uint8_t(bytes[at + 2])) << 8 | uint8_t(bytes[at + 3]);
}

std::string_view Payload(std::string_view bytes, const TIconEntry& entry) {
  return bytes.substr(size_t(entry.Offset), size_t(entry.Size));
}

// Size and depth from the PNG's IHDR chunk, which must come first.
bool ReadPngHeader(std::string_view png, TIconEntry& entry) {
  if (png.size() < 33 || png.substr(12, 4) != "IHDR" || BigEndian32(png, 8) != 13) return false;
  const uint32_t width = BigEndian32(png, 16);
  const uint32_t height = BigEndian32(png, 20);
  if (width == 0 || height == 0 || width > kMaxIconSide || height > kMaxIconSide) return false;
  entry.Width = int(width);
  entry.Height = int(height);
  entry.Bits = 32;  // decoded with alpha, whatever it stores
  return true;
}

// Icon DIBs are uncompressed and twice as high as the picture: the colour
// rows, then the AND mask.
bool ReadDibIconHeader(std::string_view dib, dib::TDibFormat& format) {
  if (!dib::ParseDibHeader(dib, 0, 0, format)) return false;
  if (format.Compression != dib::kRgb && format.Compression != dib::kBitFields &&
      format.Compression != dib::kAlphaBitFields)
    return false;
  format.Height /= 2;
  return format.Width > 0 && format.Height > 0 && format.Width <= kMaxIconSide &&
         format.Height <= kMaxIconSide;
}

bool DecodeDibIcon(std::string_view dib, TIconPixels& out) {
  dib::TDibFormat format;
  if (!ReadDibIconHeader(dib, format)) return false;
  const uint64_t xorBytes = format.RowBytes() * uint64_t(format.Height);
  if (format.BitsOffset > dib.size() || dib.size() - format.BitsOffset < xorBytes) return false;
  const size_t count = size_t(format.Width) * size_t(format.Height);
  out.Width = format.Width;
  out.Height = format.Height;
  out.Argb.assign(count, 0);
  out.Invert.assign(count, 0);
  auto store = [&](std::vector<uint32_t>& target) {
    return [&target, &format](int y, const uint32_t* row) {
      std::copy(row, row + format.Width, target.begin() + std::ptrdiff_t(y) * format.Width);
    };
  };
  dib::DecodeDibPixels(format, dib.substr(size_t(format.BitsOffset)), 0, store(out.Argb));

  // A 32-bit image with any alpha uses it and ignores the mask.
  if (format.BitCount == 32 && format.Masks[3] != 0 &&
      std::any_of(out.Argb.begin(), out.Argb.end(), [](uint32_t p) { return p >> 24 != 0; }))
    return true;
  for (uint32_t& p : out.Argb) p |= dib::kOpaque;

  dib::TDibFormat mask = format;
  mask.BitCount = 1;
  mask.Compression = dib::kRgb;
  mask.BitsOffset = format.BitsOffset + xorBytes;
  mask.Palette[0] = 0;
  mask.Palette[1] = 1;
  std::vector<uint32_t> bits(count, 0);  // a missing mask is opaque
  dib::DecodeDibPixels(mask, dib.substr(size_t(mask.BitsOffset)), 0, store(bits));
  for (size_t i = 0; i < count; ++i) {
    if (!bits[i]) continue;
    const uint32_t colour = out.Argb[i] & 0xFFFFFF;
    out.Argb[i] = colour;
    out.Invert[i] = colour != 0;
  }
  return true;
}

}  // namespace

bool ReadIconDirectory(std::string_view bytes, int& type, std::vector<TIconEntry>& entries) {
  entries.clear();
  if (bytes.size() < kDirectoryHeader || le::U16(bytes, 0) != 0) return false;
  type = le::U16(bytes, 2);
  if (type != kIconType && type != kCursorType) return false;
  const size_t count = le::U16(bytes, 4);
  if (count == 0 || bytes.size() < kDirectoryHeader + count * kDirectoryEntry) return false;
  for (size_t i = 0; i < count; ++i) {
    const size_t at = kDirectoryHeader + i * kDirectoryEntry;
    TIconEntry entry;
    entry.Offset = le::U32(bytes, at + 12);
    if (entry.Offset >= bytes.size()) continue;
    entry.Size = std::min<uint64_t>(le::U32(bytes, at + 8), bytes.size() - entry.Offset);
    const std::string_view payload = Payload(bytes, entry);
    if (payload.substr(0, kPngSignature.size()) == kPngSignature) {
      entry.Png = true;
      if (!ReadPngHeader(payload, entry)) continue;
    } else {
      dib::TDibFormat format;
      if (!ReadDibIconHeader(payload, format)) continue;
      entry.Width = format.Width;
      entry.Height = format.Height;
      entry.Bits = format.BitCount;
    }
    if (type == kCursorType) {
      entry.HotSpotX = std::min<int>(le::U16(bytes, at + 4), entry.Width - 1);
      entry.HotSpotY = std::min<int>(le::U16(bytes, at + 6), entry.Height - 1);
    } else {
      entry.HotSpotX = entry.Width / 2;
      entry.HotSpotY = entry.Height / 2;
    }
    entries.push_back(entry);
  }
  return !entries.empty();
}

size_t ChooseIconEntry(const std::vector<TIconEntry>& entries, int preferredSide) {
  auto rank = [preferredSide](const TIconEntry& e) {
    const int side = std::max(e.Width, e.Height);
    const int area = e.Width * e.Height;
    if (preferredSide <= 0) return std::make_tuple(0, 0, area, e.Bits);
    return std::make_tuple(-std::abs(side - preferredSide), side, area, e.Bits);
  };
  size_t best = 0;
  for (size_t i = 1; i < entries.size(); ++i)
    if (rank(entries[i]) > rank(entries[best])) best = i;
  return best;
}

bool DecodeIconEntry(std::string_view bytes, const TIconEntry& entry, TIconPixels& pixels,
                     std::string& error) {
  error = err::kUnknownFormat;
  const std::string_view payload = Payload(bytes, entry);
  TIconPixels decoded;
  if (entry.Png) {
    if (!DecodePngArgb(payload, kMaxIconSide, decoded.Width, decoded.Height, decoded.Argb))
      return false;
    decoded.Invert.assign(decoded.Argb.size(), 0);
  } else if (!DecodeDibIcon(payload, decoded)) {
    return false;
  }
  pixels = std::move(decoded);
  return true;
}

}  // namespace lumigram::icon
