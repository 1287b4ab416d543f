#include "imaging/jpeg/jpeg_reader.h"

#include <algorithm>
#include <cstdint>

#include "imaging/jpeg/jpeg_errors.h"
#include "util/error_texts.h"

namespace lumigram {

namespace {

// A progressive file may repeat scans over the whole picture without end;
// real encoders use about a dozen.
constexpr int kMaxScans = 1000;

// Even the smallest Huffman-coded picture spends a bit or more on every 8 x 8
// block, that is at least one byte per 512 pixels. Allowing 4096 pixels a
// byte leaves room for files cut short while a few hundred forged bytes can
// no longer claim a gigabyte of bitmap.
constexpr int64_t kPixelsPerByte = 4096;
constexpr int64_t kPixelsAlwaysAllowed = int64_t(1) << 22;

constexpr int kRowsPerRead = 16;

void LimitScans(j_common_ptr common) {
  const auto* info = reinterpret_cast<j_decompress_ptr>(common);
  if (info->input_scan_number > kMaxScans) FailJpeg(common, JERR_BAD_SCAN_SCRIPT);
}

// CMYK rows as libjpeg gives them to blue, green, red. Adobe applications
// store the inks inverted (255 = no ink) and mark their files with an APP14
// "Adobe" segment; everyone else stores the amount of ink.
void CmykToBgr(const JSAMPLE* cmyk, uint8_t* bgr, int width, bool inverted) {
  const int flip = inverted ? 0 : 255;
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    const int k = cmyk[3] ^ flip;  // what the black ink leaves of the paper
    bgr[0] = uint8_t(((cmyk[2] ^ flip) * k + 127) / 255);
    bgr[1] = uint8_t(((cmyk[1] ^ flip) * k + 127) / 255);
    bgr[2] = uint8_t(((cmyk[0] ^ flip) * k + 127) / 255);
  }
}

}  // namespace

bool ReadJpeg(std::string_view bytes, TBitmap& bitmap, int& bitsPerPixel, std::string& error,
              int maxSide) {
  error = err::kUnknownFormat;
  if (bytes.empty()) return false;

  // Between setjmp and the last libjpeg call no local object with a
  // destructor may come to life (the jump would skip it): the row buffer
  // comes from libjpeg's own pools.
  jpeg_decompress_struct info{};
  TJpegErrors errors;
  jpeg_progress_mgr progress{};
  info.err = SetUpJpegErrors(errors);
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  progress.progress_monitor = LimitScans;
  info.progress = &progress;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);

  const int width = int(std::min<JDIMENSION>(info.image_width, JPEG_MAX_DIMENSION));
  const int height = int(std::min<JDIMENSION>(info.image_height, JPEG_MAX_DIMENSION));
  const int64_t pixels = int64_t(width) * height;
  if (width > maxSide || height > maxSide ||
      pixels > std::max(kPixelsAlwaysAllowed, int64_t(bytes.size()) * kPixelsPerByte)) {
    jpeg_destroy_decompress(&info);
    return false;
  }

  const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  const bool inverted = cmyk && info.saw_Adobe_marker;
  // libjpeg writes blue, green, red straight into the bitmap's rows; only
  // CMYK passes through a row buffer of its own.
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_calc_output_dimensions(&info);
  if (int(info.output_width) != width || int(info.output_height) != height) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  if (!bitmap.SetSize(width, height)) {
    jpeg_destroy_decompress(&info);
    error = err::kOutOfMemory;
    return false;
  }
  JSAMPARRAY cmykRows =
      cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                       JDIMENSION(width) * 4, kRowsPerRead)
           : nullptr;
  jpeg_start_decompress(&info);

  JSAMPROW rows[kRowsPerRead];
  while (info.output_scanline < info.output_height) {
    const int first = int(info.output_scanline);
    const int count = std::min(kRowsPerRead, height - first);
    for (int i = 0; i < count; ++i) rows[i] = cmyk ? cmykRows[i] : bitmap.ScanLine(first + i);
    const int got = int(jpeg_read_scanlines(&info, rows, JDIMENSION(count)));
    if (got <= 0) break;  // only a suspending source stops early; ours never does
    if (cmyk) {
      for (int i = 0; i < got; ++i) CmykToBgr(rows[i], bitmap.ScanLine(first + i), width, inverted);
    }
  }
  // Whatever follows the last row (normally just the end marker) cannot
  // change the picture, so it is not read.
  jpeg_destroy_decompress(&info);
  bitsPerPixel = grey ? 8 : 24;
  error.clear();
  return true;
}

}  // namespace lumigram
