#pragma once
// Enhanced metafiles (EMF): the header record and the records after it,
// played on a TMetaDevice. EMF+ comments are skipped; the records Windows
// writes beside them for older readers carry the picture.

#include <cstdint>
#include <string_view>

#include "imaging/metafile/meta_device.h"

namespace lumigram::meta {

inline constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"

struct TEmfFile {
  // Inclusive bounds of the drawing in reference device pixels, and the
  // picture frame in hundredths of a millimetre.
  int32_t BoundsLeft = 0, BoundsTop = 0, BoundsRight = -1, BoundsBottom = -1;
  int32_t FrameLeft = 0, FrameTop = 0, FrameRight = -1, FrameBottom = -1;
  // Reference device pixels per millimetre.
  double PixelsPerMmX = 96 / 25.4, PixelsPerMmY = 96 / 25.4;
  std::string_view Records;  // header first, cut where the header says the file ends
};

// False when the bytes do not start with an EMF header record.
bool ParseEmf(std::string_view bytes, TEmfFile& file);

// Plays the records until EOF, a record that does not fit, or the device's
// work budget runs out. Bitmaps larger than maxBitmapSide on a side are left
// out.
void PlayEmf(const TEmfFile& file, TMetaDevice& device, int maxBitmapSide);

}  // namespace lumigram::meta
