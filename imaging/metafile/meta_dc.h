#pragma once
// The drawing objects and the device context state of a metafile being
// played: what the Windows pen, brush and font records describe, and the
// mapping, colours and modes that SaveDC keeps.

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "imaging/bitmap/bitmap.h"
#include "imaging/metafile/meta_geometry.h"
#include "imaging/metafile/stroke.h"

namespace lumigram::meta {

// Map modes.
inline constexpr int kMmText = 1;
inline constexpr int kMmLoMetric = 2;
inline constexpr int kMmHiMetric = 3;
inline constexpr int kMmLoEnglish = 4;
inline constexpr int kMmHiEnglish = 5;
inline constexpr int kMmTwips = 6;
inline constexpr int kMmIsotropic = 7;
inline constexpr int kMmAnisotropic = 8;

inline constexpr int kPenNull = 5;
inline constexpr int kPenInsideFrame = 6;
inline constexpr int kBrushSolid = 0;
inline constexpr int kBrushNull = 1;
inline constexpr int kBrushHatched = 2;
inline constexpr int kBrushPattern = 3;
inline constexpr int kTransparent = 1;
inline constexpr int kOpaque = 2;

struct TMetaPen {
  int Style = 0;     // PS_SOLID .. PS_INSIDEFRAME
  double Width = 0;  // logical units; 0 is one pixel whatever the scale
  TLineCap Cap = TLineCap::Round;
  TColor Color = kBlack;
};

struct TMetaBrush {
  int Style = kBrushSolid;
  TColor Color = kWhite;
  int Hatch = 0;
  std::shared_ptr<const TBitmap> Pattern;
};

// A logical font as the font records give it.
struct TMetaFont {
  int Height = 0;  // logical units; negative: character height, positive: cell height
  int Escapement = 0;
  int Weight = 400;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int Charset = 1;
  int Quality = 0;
  int PitchAndFamily = 0;
  std::string Face;  // in the font's character set
};

// A palette, region or other object that only holds its table slot.
struct TPlaceholder {};

using TMetaObject = std::variant<TPlaceholder, TMetaPen, TMetaBrush, TMetaFont>;

// The object table: WMF files fill the lowest free slot, EMF files name it.
class TObjectTable {
 public:
  static constexpr int kMaxObjects = 65535;

  explicit TObjectTable(int capacity);
  // The lowest free slot, or -1 when the table is full.
  int Add(TMetaObject object);
  void Put(uint32_t index, TMetaObject object);
  const TMetaObject* Get(uint32_t index) const;
  void Remove(uint32_t index);

 private:
  std::vector<std::optional<TMetaObject>> slots_;
  std::set<int> free_;
};

struct TDcState {
  int MapMode = kMmText;
  TPointF WindowOrg{0, 0}, WindowExt{1, 1}, ViewportOrg{0, 0}, ViewportExt{1, 1};
  TXform World;
  TMetaPen Pen;
  TMetaBrush Brush;
  TMetaFont Font;
  int BkMode = kOpaque;
  TColor BkColor = kWhite;
  TColor TextColor = kBlack;
  int TextAlign = 0;
  int PolyFillMode = 1;  // ALTERNATE
  int Rop2 = 13;         // R2_COPYPEN
  bool Clockwise = false;
  TPointF Position{0, 0};     // logical
  std::optional<TRect> Clip;  // output pixels
};

}  // namespace lumigram::meta
