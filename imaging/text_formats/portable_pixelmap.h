#pragma once
// The portable anymaps: bitmaps (PBM), greymaps (PGM) and pixmaps (PPM), in
// their plain text forms (types 1 to 3) and raw binary forms (4 to 6).
//
// The reader goes line by line and skips "#" comments. Samples are taken as
// they stand, without scaling by the maximum value, and are single bytes
// whatever that value is.

#include "imaging/text_formats/byte_picture.h"

namespace lumigram {

class TPortablePixelmap : public TBytePicture {
 public:
  TPortablePixelmap();

  // The type (magic number) of the file last read, 1..6; 0 before any.
  int PnmType() const { return pnm_type_; }
  // Chooses the type SaveToStream writes; clamped to 1..6.
  void SetPnmType(int type);

  // 1 for bitmaps, 8 for greymaps, 24 for pixmaps (and before any read).
  int BitsPerPixel() const override;

  // Writes in PnmType's form; a pixmap (type 6) when no type was ever set.

  // Copies the picture and the type.
  void Assign(const TPortablePixelmap& source);
  using TBytePicture::Assign;

 private:
  bool ReadPicture(TStream& stream) override;
  bool WritePicture(TStream& stream) override;

  int pnm_type_ = 0;
};

}  // namespace lumigram
