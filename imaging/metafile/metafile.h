#pragma once
// Windows metafiles (".wmf", with or without the placeable header) and
// enhanced metafiles (".emf"), played by our own renderer into a 24-bit
// picture on white at the metafile's own frame size:
// - placeable WMF: the bounding box at its units per inch, in pixels at
//   96 dots per inch;
// - plain WMF: the first window extent, or else the bounds of what it draws;
// - EMF: the picture frame (hundredths of a millimetre) at 96 dots per inch,
//   or else the drawing's bounds.
// Frames larger than the size cap on a side are refused as "Unknown format"
// rather than shrunk: no sound picture is that large. A frame of no area
// gives an empty picture. Records that are damaged end the playback and
// keep what was drawn; a file without a metafile header is "Unknown format".

#include <string>
#include <string_view>

#include "imaging/bitmap/bitmap.h"
#include "imaging/bmp/bmp_file.h"

namespace lumigram {

enum class TMetafileKind { None, Wmf, Emf };

// Which kind of metafile the bytes start with.
TMetafileKind MetafileKindOf(std::string_view bytes);

// Plays the metafile into the bitmap. On failure the bitmap is unchanged and
// error holds "Unknown format" or "Out of memory". maxSide lowers the size
// cap.
bool ReadMetafile(std::string_view bytes, TBitmap& bitmap, std::string& error,
                  int maxSide = kMaxDibSide);
// ReadMetafile on a file's bytes; also "File not found" and "File in use".
bool LoadMetafile(const std::string& path, TBitmap& bitmap, std::string& error);

}  // namespace lumigram
