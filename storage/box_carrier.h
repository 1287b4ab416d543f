#pragma once
// A zip box carried in a picture: the records ride in the pixel bytes of a
// 24-bit bitmap file image, after 100 bytes of filler, so that the box
// loader finds them by its second try 154 bytes into the image.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumigram {

inline constexpr int32_t kCarrierWidth = 334;
inline constexpr int kCarrierLeadingFiller = 100;
inline constexpr uint8_t kCarrierFillerByte = 0xFF;

// The BMP file image (14-byte file header, 40-byte info header, no palette,
// bottom-up rows) of width pixels and as many rows as the records need, its
// pixel bytes the filler, the records, and filler up to the end of the last
// row. "Out of memory" when the image would pass 2 GB, "Unexpected error" for
// a width outside 1..65535.
bool WrapInCarrier(std::string_view records, std::string& image, std::string& error,
                   int32_t width = kCarrierWidth);

}  // namespace lumigram
