#include "imaging/bmp/bmp_file.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "imaging/bitmap/le_bytes.h"
#include "imaging/bmp/dib_format.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {

namespace {

constexpr size_t kFileHeaderSize = 14;
// The largest file a picture within the size cap can need: 32 bits per pixel.
constexpr int64_t kMaxFileBytes = int64_t(kMaxDibSide) * kMaxDibSide * 4 + 4096;

// Plain 24-bit rows are stored as the bitmap keeps them (blue, green, red,
// padded to 4 bytes): copied row by row, with the general decoder's rules for
// data that stops short.
void CopyRgb24Rows(const dib::TDibFormat& format, std::string_view bits, TBitmap& decoded) {
  const uint64_t rowBytes = format.RowBytes();
  for (int i = 0; i < format.Height; ++i) {
    const uint64_t at = uint64_t(i) * rowBytes;
    if (at >= bits.size()) break;
    const uint64_t have = std::min<uint64_t>(rowBytes, bits.size() - at);
    const uint64_t pixels = std::min<uint64_t>(uint64_t(format.Width), have / 3);
    std::memcpy(decoded.ScanLine(format.TopDown ? i : format.Height - 1 - i), bits.data() + at,
                size_t(pixels * 3));
  }
}

bool DecodeParsed(std::string_view bytes, const dib::TDibFormat& format, TBitmap& bitmap,
                  int& bitsPerPixel, std::string& error, int maxSide) {
  maxSide = std::min(maxSide, kMaxDibSide);
  if (format.Width > maxSide || format.Height > maxSide) {
    error = err::kOutOfMemory;
    return false;
  }
  try {
    TBitmap decoded;
    // Whatever the data does not reach stays white.
    if (!decoded.SetSize(format.Width, format.Height, kWhite)) {
      error = err::kOutOfMemory;
      return false;
    }
    const std::string_view bits =
        format.BitsOffset < bytes.size() ? bytes.substr(size_t(format.BitsOffset)) : "";
    if (format.BitCount == 24 && format.Compression == dib::kRgb) {
      CopyRgb24Rows(format, bits, decoded);
      bitmap = std::move(decoded);
      bitsPerPixel = format.ReportedBits();
      return true;
    }
    // Pixels are drawn without their alpha, as the platform shows a bitmap.
    dib::DecodeDibPixels(format, bits, 0xFFFFFFFF, [&](int y, const uint32_t* pixels) {
      uint8_t* out = decoded.ScanLine(y);
      for (int x = 0; x < format.Width; ++x, out += 3) {
        out[0] = uint8_t(pixels[x]);
        out[1] = uint8_t(pixels[x] >> 8);
        out[2] = uint8_t(pixels[x] >> 16);
      }
    });
    bitmap = std::move(decoded);
  } catch (const std::bad_alloc&) {
    error = err::kOutOfMemory;
    return false;
  }
  bitsPerPixel = format.ReportedBits();
  return true;
}

}  // namespace

bool ReadBmpFile(std::string_view bytes, TBitmap& bitmap, int& bitsPerPixel, std::string& error,
                 int maxSide) {
  error = err::kUnknownFormat;
  if (bytes.size() < kFileHeaderSize || bytes.substr(0, 2) != "BM") return false;
  dib::TDibFormat format;
  if (!dib::ParseDibHeader(bytes, kFileHeaderSize, le::U32(bytes, 10), format)) return false;
  return DecodeParsed(bytes, format, bitmap, bitsPerPixel, error, maxSide);
}

bool DecodeDib(std::string_view dib, TBitmap& bitmap, int& bitsPerPixel, std::string& error,
               int maxSide) {
  error = err::kUnknownFormat;
  dib::TDibFormat format;
  if (!dib::ParseDibHeader(dib, 0, 0, format)) return false;
  return DecodeParsed(dib, format, bitmap, bitsPerPixel, error, maxSide);
}

bool LoadBmpFile(const std::string& path, TBitmap& bitmap, int& bitsPerPixel, std::string& error) {
  std::string bytes;
  if (!ReadFileToString(path, bytes, error, kMaxFileBytes)) return false;
  return ReadBmpFile(bytes, bitmap, bitsPerPixel, error);
}

}  // namespace lumigram
