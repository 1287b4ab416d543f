// PNG images inside icons and cursors, through libpng's simplified reader,
// which keeps libpng's error handling (longjmp) inside libpng.

#include <png.h>

#include <new>

#include "imaging/bmp/icon_format.h"

namespace lumigram::icon {

namespace {

// Frees libpng's state however the read ends; freeing twice is harmless.
struct TPngImage {
  png_image image{};
  TPngImage() { image.version = PNG_IMAGE_VERSION; }
  ~TPngImage() { png_image_free(&image); }
  TPngImage(const TPngImage&) = delete;
  TPngImage& operator=(const TPngImage&) = delete;
};

}  // namespace

bool DecodePngArgb(std::string_view png, int maxSide, int& width, int& height,
                   std::vector<uint32_t>& argb) {
  TPngImage holder;
  png_image& image = holder.image;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return false;
  if (image.width == 0 || image.height == 0 || image.width > uint32_t(maxSide) ||
      image.height > uint32_t(maxSide))
    return false;
  image.format = PNG_FORMAT_BGRA;  // 8-bit sRGB, straight alpha
  std::vector<uint8_t> bytes;
  try {
    bytes.resize(PNG_IMAGE_SIZE(image));
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return false;
  width = int(image.width);
  height = int(image.height);
  argb.resize(bytes.size() / 4);
  for (size_t i = 0; i < argb.size(); ++i) {
    const uint8_t* p = &bytes[4 * i];
    argb[i] = uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
  }
  return true;
}

}  // namespace lumigram::icon
