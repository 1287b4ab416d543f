#pragma once
// Windows metafiles (WMF): the optional placeable header, the metafile header
// and the records, played on a TMetaDevice.

#include <cstdint>
#include <string_view>

#include "imaging/metafile/meta_device.h"

namespace lumigram::meta {

inline constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;

struct TWmfFile {
  bool Placeable = false;
  // The placeable header's bounding box in metafile units, and the units
  // per inch.
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Inch = 0;
  int NumObjects = 0;
  std::string_view Records;  // from the first record to the end of the data
};

// False when the bytes do not start with a metafile header.
bool ParseWmf(std::string_view bytes, TWmfFile& file);

// The extent of the first SETWINDOWEXT record, if there is one.
bool FirstWindowExt(std::string_view records, TPointF& extent);

// Plays the records until the end record, a record that does not fit, or
// the device's work budget runs out. Bitmaps larger than maxBitmapSide on a
// side are left out.
void PlayWmf(const TWmfFile& file, TMetaDevice& device, int maxBitmapSide);

}  // namespace lumigram::meta
