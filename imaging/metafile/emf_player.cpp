#include "imaging/metafile/emf_player.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

#include "imaging/metafile/meta_dib.h"
#include "imaging/metafile/meta_records.h"
#include "util/code_page.h"

namespace lumigram::meta {

namespace {

constexpr size_t kHeaderSize = 88;
constexpr int64_t kRecordWork = 16;
constexpr int kMaxPatternSide = 512;
// More points than this in one record are not drawn.
constexpr uint64_t kMaxPoints = uint64_t(1) << 20;
constexpr uint32_t kStock = 0x80000000;

enum : uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExtEx = 9,
  kSetWindowOrgEx = 10,
  kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12,
  kEof = 14,
  kSetPixelV = 15,
  kSetMapMode = 17,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetRop2 = 20,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kMoveToEx = 27,
  kIntersectClipRect = 30,
  kScaleViewportExtEx = 31,
  kScaleWindowExtEx = 32,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSetWorldTransform = 35,
  kModifyWorldTransform = 36,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kChord = 46,
  kPie = 47,
  kCreatePalette = 49,
  kLineTo = 54,
  kSetArcDirection = 57,
  kBeginPath = 59,
  kEndPath = 60,
  kCloseFigure = 61,
  kFillPath = 62,
  kStrokeAndFillPath = 63,
  kStrokePath = 64,
  kSelectClipPath = 67,
  kAbortPath = 68,
  kExtSelectClipRgn = 75,
  kBitBlt = 76,
  kStretchBlt = 77,
  kStretchDiBits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kCreateMonoBrush = 93,
  kCreateDibPatternBrushPt = 94,
  kExtCreatePen = 95,
};

TColor ColourOf(uint32_t colorRef) {
  return colorRef & 0xFFFFFF;
}

TPointF PointAt(const TFields& f, size_t at) {
  return {double(f.I32(at)), double(f.I32(at + 4))};
}

TBox BoxAt(const TFields& f, size_t at) {
  return {double(f.I32(at)), double(f.I32(at + 4)), double(f.I32(at + 8)), double(f.I32(at + 12))};
}

TXform XformAt(const TFields& f, size_t at) {
  return {f.F32(at), f.F32(at + 4), f.F32(at + 8), f.F32(at + 12), f.F32(at + 16), f.F32(at + 20)};
}

// Points of 32 bits (small false) or 16 bits per coordinate.
std::vector<TPointF> PointsAt(const TFields& f, size_t at, size_t count, bool small) {
  std::vector<TPointF> points;
  points.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    if (small)
      points.push_back({double(f.S16(at + 4 * i)), double(f.S16(at + 4 * i + 2))});
    else
      points.push_back(PointAt(f, at + 8 * i));
  }
  return points;
}

// UTF-16 code units to one UTF-8 piece per character; a lone surrogate
// becomes U+FFFD. pieceUnits receives the code units each piece took.
void Utf16Pieces(const TFields& f, size_t at, size_t units, std::vector<std::string>& pieces,
                 std::vector<size_t>& pieceUnits) {
  for (size_t i = 0; i < units;) {
    uint32_t c = f.U16(at + 2 * i);
    size_t used = 1;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units) {
      const uint32_t low = f.U16(at + 2 * i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        used = 2;
      }
    }
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    std::string utf8;
    if (c < 0x80) {
      utf8 += char(c);
    } else if (c < 0x800) {
      utf8 += char(0xC0 | (c >> 6));
      utf8 += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      utf8 += char(0xE0 | (c >> 12));
      utf8 += char(0x80 | ((c >> 6) & 0x3F));
      utf8 += char(0x80 | (c & 0x3F));
    } else {
      utf8 += char(0xF0 | (c >> 18));
      utf8 += char(0x80 | ((c >> 12) & 0x3F));
      utf8 += char(0x80 | ((c >> 6) & 0x3F));
      utf8 += char(0x80 | (c & 0x3F));
    }
    pieces.push_back(std::move(utf8));
    pieceUnits.push_back(used);
    i += used;
  }
}

bool CreatesObject(uint32_t type) {
  switch (type) {
    case kCreatePen:
    case kExtCreatePen:
    case kCreateBrushIndirect:
    case kCreateDibPatternBrushPt:
    case kCreateMonoBrush:
    case kExtCreateFontIndirectW:
    case kCreatePalette:
      return true;
    default:
      return false;
  }
}

TMetaObject StockObject(uint32_t which) {
  const auto brush = [](int style, TColor colour) {
    TMetaBrush b;
    b.Style = style;
    b.Color = colour;
    return b;
  };
  const auto pen = [](int style, TColor colour) {
    TMetaPen p;
    p.Style = style;
    p.Color = colour;
    return p;
  };
  switch (which) {
    case 0:
    case 18:  // DC_BRUSH
      return brush(kBrushSolid, kWhite);
    case 1:
      return brush(kBrushSolid, 0xC0C0C0);
    case 2:
      return brush(kBrushSolid, 0x808080);
    case 3:
      return brush(kBrushSolid, 0x404040);
    case 4:
      return brush(kBrushSolid, kBlack);
    case 5:
      return brush(kBrushNull, kWhite);
    case 6:
      return pen(0, kWhite);
    case 7:
    case 19:  // DC_PEN
      return pen(0, kBlack);
    case 8:
      return pen(kPenNull, kBlack);
    case 10:
    case 11:
    case 16: {
      TMetaFont font;
      font.Face = "Courier New";
      return font;
    }
    case 12:
    case 13:
    case 14:
    case 17:
      return TMetaFont{};
    default:
      return TPlaceholder{};
  }
}

class TEmfPlayer {
 public:
  TEmfPlayer(const TEmfFile& file, TMetaDevice& device, int maxBitmapSide)
      : file_(file), device_(device), max_bitmap_side_(maxBitmapSide), objects_(0) {}

  void Play() {
    const std::string_view records = file_.Records;
    size_t at = 0;
    while (records.size() - at >= 8) {
      const uint32_t type = le::U32(records, at);
      const uint32_t size = le::U32(records, at + 4);
      // A size of 0 or one too small for the record's own fields ends the
      // records; so does one that reaches past the data.
      if (size < 8 || size > records.size() - at || type == kEof) return;
      if (!device_.Charge(kRecordWork)) return;
      Record(type, TFields(records.substr(at, size)));
      if (device_.OutOfWork()) return;
      at += size;
    }
  }

 private:
  void Record(uint32_t type, const TFields& f);
  bool Object(uint32_t type, const TFields& f);
  bool Shape(uint32_t type, const TFields& f);
  void Points(uint32_t type, const TFields& f);
  void PolyPoints(uint32_t type, const TFields& f);
  void Text(const TFields& f, bool wide);
  void Bitmap(uint32_t type, const TFields& f);
  bool BitmapAt(const TFields& f, size_t headerField, TBitmap& bitmap, int maxSide,
                bool* topDown = nullptr);
  void Select(uint32_t index);

  const TEmfFile& file_;
  TMetaDevice& device_;
  int max_bitmap_side_;
  TObjectTable objects_;
};

void TEmfPlayer::Record(uint32_t type, const TFields& f) {
  TDcState& state = device_.State();
  switch (type) {
    case kSetWindowExtEx:
      device_.SetWindowExt(PointAt(f, 8));
      break;
    case kSetWindowOrgEx:
      device_.SetWindowOrg(PointAt(f, 8));
      break;
    case kSetViewportExtEx:
      device_.SetViewportExt(PointAt(f, 8));
      break;
    case kSetViewportOrgEx:
      device_.SetViewportOrg(PointAt(f, 8));
      break;
    case kScaleViewportExtEx:
    case kScaleWindowExtEx: {
      const double xNum = f.I32(8), xDenom = f.I32(12), yNum = f.I32(16), yDenom = f.I32(20);
      if (type == kScaleWindowExtEx)
        device_.ScaleWindowExt(xNum, xDenom, yNum, yDenom);
      else
        device_.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
      break;
    }
    case kSetMapMode:
      device_.SetMapMode(int(f.U32(8)));
      break;
    case kSetBkMode:
      state.BkMode = int(f.U32(8));
      break;
    case kSetPolyFillMode:
      state.PolyFillMode = int(f.U32(8));
      break;
    case kSetRop2:
      if (f.U32(8) >= 1 && f.U32(8) <= 16) state.Rop2 = int(f.U32(8));
      break;
    case kSetTextAlign:
      state.TextAlign = int(f.U32(8));
      break;
    case kSetTextColor:
      state.TextColor = ColourOf(f.U32(8));
      break;
    case kSetBkColor:
      state.BkColor = ColourOf(f.U32(8));
      break;
    case kSetArcDirection:
      state.Clockwise = f.U32(8) == 2;
      break;
    case kSaveDc:
      device_.SaveDc();
      break;
    case kRestoreDc:
      device_.RestoreDc(f.I32(8));
      break;
    case kSetWorldTransform:
      if (f.Has(8, 24)) device_.SetWorldTransform(XformAt(f, 8));
      break;
    case kModifyWorldTransform:
      if (f.Has(8, 28)) device_.ModifyWorldTransform(XformAt(f, 8), int(f.U32(32)));
      break;
    case kIntersectClipRect:
      if (f.Has(8, 16)) device_.IntersectClip(BoxAt(f, 8));
      break;
    case kExtSelectClipRgn: {
      const uint32_t dataSize = f.U32(8), mode = f.U32(12);
      if (dataSize == 0 && mode == 5)
        device_.ResetClip();
      else if (dataSize >= 32 && f.Has(16, 32))
        device_.ClipToDeviceBox(BoxAt(f, 32), int(mode));  // the region's bounding box
      break;
    }
    case kMoveToEx:
      if (f.Has(8, 8)) device_.MoveTo(PointAt(f, 8));
      break;
    case kLineTo:
      if (f.Has(8, 8)) device_.LineTo(PointAt(f, 8));
      break;
    case kSetPixelV:
      if (f.Has(8, 12)) device_.SetPixel(PointAt(f, 8), ColourOf(f.U32(16)));
      break;
    case kBeginPath:
      device_.BeginPath();
      break;
    case kEndPath:
      device_.EndPath();
      break;
    case kCloseFigure:
      device_.CloseFigure();
      break;
    case kAbortPath:
      device_.AbortPath();
      break;
    case kFillPath:
      device_.FillPath();
      break;
    case kStrokePath:
      device_.StrokePath();
      break;
    case kStrokeAndFillPath:
      device_.StrokeAndFillPath();
      break;
    case kSelectClipPath:
      device_.SelectClipPath(int(f.U32(8)));
      break;
    case kExtTextOutW:
    case kExtTextOutA:
      Text(f, type == kExtTextOutW);
      break;
    case kBitBlt:
    case kStretchBlt:
    case kStretchDiBits:
      Bitmap(type, f);
      break;
    case kSelectObject:
      Select(f.U32(8));
      break;
    case kDeleteObject:
      objects_.Remove(f.U32(8));
      break;
    default:
      if (!Object(type, f) && !Shape(type, f)) Points(type, f);
      break;
  }
}

bool TEmfPlayer::Object(uint32_t type, const TFields& f) {
  if (!CreatesObject(type)) return false;
  const uint32_t index = f.U32(8);
  if (index == 0) return true;  // the metafile's own slot
  switch (type) {
    case kCreatePen: {
      TMetaPen pen;
      pen.Style = int(f.U32(12) & 0x0F);
      pen.Width = std::abs(double(f.I32(16)));
      pen.Color = ColourOf(f.U32(24));
      objects_.Put(index, pen);
      return true;
    }
    case kExtCreatePen: {
      // offBmi, cbBmi, offBits, cbBits, then the pen: style, width, brush
      // style, colour
      const uint32_t style = f.U32(28);
      TMetaPen pen;
      pen.Style = int(style & 0x0F);
      const bool geometric = (style & 0x000F0000) == 0x00010000;
      pen.Width = geometric ? double(f.U32(32)) : 0;
      const uint32_t cap = style & 0x00000F00;
      pen.Cap = cap == 0x100 ? TLineCap::Square : cap == 0x200 ? TLineCap::Flat : TLineCap::Round;
      if (f.U32(36) == uint32_t(kBrushNull)) pen.Style = kPenNull;
      pen.Color = ColourOf(f.U32(40));
      objects_.Put(index, pen);
      return true;
    }
    case kCreateBrushIndirect: {
      TMetaBrush brush;
      brush.Style = int(f.U32(12));
      brush.Color = ColourOf(f.U32(16));
      brush.Hatch = int(f.U32(20));
      if (brush.Style > kBrushHatched) brush.Style = kBrushSolid;
      objects_.Put(index, brush);
      return true;
    }
    case kCreateDibPatternBrushPt:
    case kCreateMonoBrush: {
      // usage, offBmi, cbBmi, offBits, cbBits
      TMetaBrush brush;
      auto pattern = std::make_shared<TBitmap>();
      if (BitmapAt(f, 16, *pattern, std::min(kMaxPatternSide, max_bitmap_side_))) {
        brush.Style = kBrushPattern;
        brush.Pattern = std::move(pattern);
      } else {
        brush.Color = kBlack;
      }
      objects_.Put(index, brush);
      return true;
    }
    case kExtCreateFontIndirectW: {
      TMetaFont font;
      font.Height = f.I32(12);
      font.Escapement = f.I32(20);
      font.Weight = f.I32(28);
      font.Italic = f.U8(32) != 0;
      font.Underline = f.U8(33) != 0;
      font.StrikeOut = f.U8(34) != 0;
      font.Charset = f.U8(35);
      font.Quality = f.U8(38);
      font.PitchAndFamily = f.U8(39);
      size_t units = 0;
      while (units < 32 && f.Has(40 + 2 * units, 2) && f.U16(40 + 2 * units) != 0) ++units;
      std::vector<std::string> pieces;
      std::vector<size_t> used;
      Utf16Pieces(f, 40, units, pieces, used);
      std::string utf8;
      for (const std::string& piece : pieces) utf8 += piece;
      font.Face = Utf8ToCharset(utf8, font.Charset);
      objects_.Put(index, font);
      return true;
    }
    case kCreatePalette:
      objects_.Put(index, TPlaceholder{});
      return true;
    default:
      return false;
  }
}

void TEmfPlayer::Select(uint32_t index) {
  TMetaObject stock;
  const TMetaObject* object = nullptr;
  if (index & kStock) {
    stock = StockObject(index & ~kStock);
    object = &stock;
  } else {
    object = objects_.Get(index);
  }
  if (!object) return;
  TDcState& state = device_.State();
  if (const auto* pen = std::get_if<TMetaPen>(object)) state.Pen = *pen;
  if (const auto* brush = std::get_if<TMetaBrush>(object)) state.Brush = *brush;
  if (const auto* font = std::get_if<TMetaFont>(object)) state.Font = *font;
}

bool TEmfPlayer::Shape(uint32_t type, const TFields& f) {
  switch (type) {
    case kRectangle:
      if (f.Has(8, 16)) device_.Rectangle(BoxAt(f, 8));
      return true;
    case kEllipse:
      if (f.Has(8, 16)) device_.Ellipse(BoxAt(f, 8));
      return true;
    case kRoundRect:
      if (f.Has(8, 24)) device_.RoundRect(BoxAt(f, 8), f.I32(24), f.I32(28));
      return true;
    case kArc:
    case kChord:
    case kPie:
      if (f.Has(8, 32)) {
        const TArcKind kind = type == kArc   ? TArcKind::Arc
                              : type == kPie ? TArcKind::Pie
                                             : TArcKind::Chord;
        device_.ArcShape(kind, BoxAt(f, 8), PointAt(f, 24), PointAt(f, 32));
      }
      return true;
    default:
      return false;
  }
}

void TEmfPlayer::Points(uint32_t type, const TFields& f) {
  bool small = false;
  switch (type) {
    case kPolyBezier16:
    case kPolygon16:
    case kPolyline16:
    case kPolyBezierTo16:
    case kPolylineTo16:
      small = true;
      break;
    case kPolyBezier:
    case kPolygon:
    case kPolyline:
    case kPolyBezierTo:
    case kPolylineTo:
      break;
    case kPolyPolyline:
    case kPolyPolygon:
    case kPolyPolyline16:
    case kPolyPolygon16:
      PolyPoints(type, f);
      return;
    default:
      return;  // records this player does not draw
  }
  // bounds, count, points
  const uint64_t count = f.U32(24);
  if (count > kMaxPoints || !f.Has(28, count * (small ? 4 : 8))) return;
  const std::vector<TPointF> points = PointsAt(f, 28, size_t(count), small);
  switch (type) {
    case kPolyBezier16:
    case kPolyBezier:
      device_.PolyBezier(points);
      break;
    case kPolygon16:
    case kPolygon:
      device_.Polygon(points);
      break;
    case kPolyline16:
    case kPolyline:
      device_.Polyline(points);
      break;
    case kPolyBezierTo16:
    case kPolyBezierTo:
      device_.PolyBezierTo(points);
      break;
    default:
      device_.PolylineTo(points);
      break;
  }
}

void TEmfPlayer::PolyPoints(uint32_t type, const TFields& f) {
  // bounds, number of polygons, number of points, counts, points
  const bool small = type == kPolyPolyline16 || type == kPolyPolygon16;
  const uint64_t polygons = f.U32(24), total = f.U32(28);
  if (total > kMaxPoints || polygons > kMaxPoints || !f.Has(32, 4 * polygons)) return;
  const uint64_t pointsAt = 32 + 4 * polygons;
  if (!f.Has(pointsAt, total * (small ? 4 : 8))) return;
  std::vector<std::vector<TPointF>> shapes;
  uint64_t used = 0;
  for (uint64_t i = 0; i < polygons; ++i) {
    const uint64_t count = f.U32(32 + 4 * i);
    if (count > total - used) return;
    shapes.push_back(PointsAt(f, size_t(pointsAt + used * (small ? 4 : 8)), size_t(count), small));
    used += count;
  }
  if (type == kPolyPolygon || type == kPolyPolygon16)
    device_.PolyPolygon(shapes);
  else
    device_.PolyPolyline(shapes);
}

void TEmfPlayer::Text(const TFields& f, bool wide) {
  // bounds, graphics mode, x and y scale, then the text record: reference
  // point, characters, string offset, options, rectangle, advances offset
  constexpr uint32_t kGlyphIndexes = 0x10;
  constexpr uint32_t kPairs = 0x2000;  // advances come as x, y pairs
  if (!f.Has(0, 76)) return;
  const TPointF at = PointAt(f, 36);
  const uint64_t chars = f.U32(44);
  const uint64_t textAt = f.U32(48);
  const uint32_t options = f.U32(52);
  const uint64_t dxAt = f.U32(72);
  if (chars == 0 || (options & kGlyphIndexes)) return;  // glyph numbers of a face we lack
  if (!f.Has(textAt, chars * (wide ? 2 : 1))) return;
  TTextRun run;
  run.Options = int(options);
  if (options & (kTextOpaque | kTextClipped)) run.Rect = BoxAt(f, 56);
  std::vector<size_t> units;
  if (wide) {
    run.Encoding = TTextEncoding::Utf8;
    Utf16Pieces(f, size_t(textAt), size_t(chars), run.Pieces, units);
  } else {
    for (uint64_t i = 0; i < chars; ++i) {
      run.Pieces.emplace_back(1, char(f.U8(textAt + i)));
      units.push_back(1);
    }
  }
  const uint64_t step = (options & kPairs) ? 8 : 4;
  if (dxAt != 0 && f.Has(dxAt, chars * step)) {
    size_t unit = 0;
    for (size_t n : units) {
      double advance = 0;
      for (size_t k = 0; k < n; ++k, ++unit) advance += f.I32(dxAt + unit * step);
      run.Advances.push_back(advance);
    }
  }
  device_.Text(at, run);
}

bool TEmfPlayer::BitmapAt(const TFields& f, size_t headerField, TBitmap& bitmap, int maxSide,
                          bool* topDown) {
  // offset and size of the header, then of the pixels
  const std::string_view header = f.Bytes(f.U32(headerField), f.U32(headerField + 4));
  const std::string_view bits = f.Bytes(f.U32(headerField + 8), f.U32(headerField + 12));
  if (header.empty()) return false;
  return DecodeMetaDib(header, bits, bitmap, maxSide, topDown);
}

void TEmfPlayer::Bitmap(uint32_t type, const TFields& f) {
  TBox dest;
  TRect from;
  uint32_t rop = 0;
  size_t bitmapField = 0;
  bool fromBottom = false;
  if (type == kStretchDiBits) {
    // bounds, xDest, yDest, xSrc, ySrc, cxSrc, cySrc, bitmap fields, usage,
    // rop, cxDest, cyDest
    if (!f.Has(0, 80)) return;
    const double x = f.I32(24), y = f.I32(28);
    dest = {x, y, x + f.I32(72), y + f.I32(76)};
    from = {f.I32(32), f.I32(36), f.I32(32) + f.I32(40), f.I32(36) + f.I32(44)};
    bitmapField = 48;
    rop = f.U32(68);
    fromBottom = true;
  } else {
    // bounds, xDest, yDest, cxDest, cyDest, rop, xSrc, ySrc, source
    // transform, background, usage, bitmap fields, [cxSrc, cySrc]
    if (!f.Has(0, type == kStretchBlt ? 108 : 100)) return;
    const double x = f.I32(24), y = f.I32(28), w = f.I32(32), h = f.I32(36);
    dest = {x, y, x + w, y + h};
    rop = f.U32(40);
    const int sx = f.I32(44), sy = f.I32(48);
    const int sw = type == kStretchBlt ? f.I32(100) : int(std::clamp<double>(w, -1e9, 1e9));
    const int sh = type == kStretchBlt ? f.I32(104) : int(std::clamp<double>(h, -1e9, 1e9));
    from = {sx, sy, int(std::clamp<int64_t>(int64_t(sx) + sw, INT32_MIN, INT32_MAX)),
            int(std::clamp<int64_t>(int64_t(sy) + sh, INT32_MIN, INT32_MAX))};
    bitmapField = 84;
    if (f.U32(88) == 0) {  // no source: the brush alone
      device_.Blit(dest, nullptr, {}, rop);
      return;
    }
  }
  TBitmap source;
  bool topDown = false;
  if (!BitmapAt(f, bitmapField, source, max_bitmap_side_, &topDown)) return;
  if (fromBottom && !topDown) {
    const int64_t top = int64_t(source.Height()) - from.Bottom;
    const int64_t height = int64_t(from.Bottom) - from.Top;
    if (top < INT32_MIN || top + height > INT32_MAX) return;
    from = {from.Left, int(top), from.Right, int(top + height)};
  }
  device_.Blit(dest, &source, from, rop);
}

}  // namespace

bool ParseEmf(std::string_view bytes, TEmfFile& file) {
  file = TEmfFile{};
  if (bytes.size() < kHeaderSize) return false;
  const TFields f(bytes);
  const uint32_t size = f.U32(4);
  if (f.U32(0) != kHeader || f.U32(40) != kEmfSignature || size < kHeaderSize ||
      size > bytes.size())
    return false;
  file.BoundsLeft = f.I32(8);
  file.BoundsTop = f.I32(12);
  file.BoundsRight = f.I32(16);
  file.BoundsBottom = f.I32(20);
  file.FrameLeft = f.I32(24);
  file.FrameTop = f.I32(28);
  file.FrameRight = f.I32(32);
  file.FrameBottom = f.I32(36);
  // The reference device's resolution; 96 dots per inch when it is missing
  // or implausible.
  const auto resolution = [](int32_t pixels, int32_t millimetres) {
    const double r = millimetres > 0 && pixels > 0 ? double(pixels) / millimetres : 0;
    return r >= 0.5 && r <= 1000 ? r : 96 / 25.4;
  };
  file.PixelsPerMmX = resolution(f.I32(72), f.I32(80));
  file.PixelsPerMmY = resolution(f.I32(76), f.I32(84));
  // Cut at the file size the header gives, when that is sound.
  const uint32_t total = f.U32(48);
  file.Records = total >= size && total <= bytes.size() ? bytes.substr(0, total) : bytes;
  return true;
}

void PlayEmf(const TEmfFile& file, TMetaDevice& device, int maxBitmapSide) {
  TEmfPlayer(file, device, maxBitmapSide).Play();
}

}  // namespace lumigram::meta
