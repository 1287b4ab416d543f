#include "imaging/metafile/wmf_player.h"

#include <functional>
#include <memory>
#include <vector>

#include "imaging/metafile/meta_dib.h"
#include "imaging/metafile/meta_records.h"

namespace lumigram::meta {

namespace {

constexpr size_t kPlaceableSize = 22;
constexpr size_t kHeaderSize = 18;
// Work charged for reading one record, whatever it draws.
constexpr int64_t kRecordWork = 16;
// Pattern brushes are tiles; larger ones are left out.
constexpr int kMaxPatternSide = 512;

enum : uint16_t {
  kEof = 0x0000,
  kSaveDc = 0x001E,
  kCreatePalette = 0x00F7,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetRop2 = 0x0104,
  kSetPolyFillMode = 0x0106,
  kRestoreDc = 0x0127,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kDibCreatePatternBrush = 0x0142,
  kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9,
  kSetBkColor = 0x0201,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetViewportOrg = 0x020D,
  kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F,
  kOffsetViewportOrg = 0x0211,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kScaleWindowExt = 0x0410,
  kScaleViewportExt = 0x0412,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kSetPixel = 0x041F,
  kTextOut = 0x0521,
  kPolyPolygon = 0x0538,
  kRoundRect = 0x061C,
  kPatBlt = 0x061D,
  kCreateRegion = 0x06FF,
  kArc = 0x0817,
  kPie = 0x081A,
  kChord = 0x0830,
  kDibBitBlt = 0x0940,
  kExtTextOut = 0x0A32,
  kDibStretchBlt = 0x0B41,
  kStretchDib = 0x0F43,
};

// Calls visit(function, parameters) for each record that fits in the data,
// up to the end record; false from visit stops.
void ForEachRecord(std::string_view records,
                   const std::function<bool(uint16_t, std::string_view)>& visit) {
  size_t at = 0;
  while (records.size() - at >= 6) {
    const uint64_t words = le::U32(records, at);
    const uint16_t function = le::U16(records, at + 4);
    // A size of 0 or one too small for the record's own header ends the
    // records; so does one that reaches past the data.
    if (words < 3 || words * 2 > records.size() - at || function == kEof) return;
    if (!visit(function, records.substr(at + 6, size_t(words * 2 - 6)))) return;
    at += size_t(words * 2);
  }
}

TColor ColourOf(uint32_t colorRef) {
  return colorRef & 0xFFFFFF;
}

// Parameters come in the reverse order of the call's arguments; these read
// the usual groups of them.
TPointF PointAt(const TFields& f, size_t at) {
  return {double(f.S16(at + 2)), double(f.S16(at))};  // y, x
}

TBox BoxAt(const TFields& f, size_t at) {
  // bottom, right, top, left
  return {double(f.S16(at + 6)), double(f.S16(at + 4)), double(f.S16(at + 2)), double(f.S16(at))};
}

std::vector<TPointF> PointsAt(const TFields& f, size_t at, size_t count) {
  std::vector<TPointF> points;
  points.reserve(count);
  for (size_t i = 0; i < count; ++i)
    points.push_back({double(f.S16(at + 4 * i)), double(f.S16(at + 4 * i + 2))});
  return points;
}

bool DoubleByteCharset(int charset) {
  return charset == 128 || charset == 129 || charset == 130 || charset == 134 || charset == 136;
}

class TWmfPlayer {
 public:
  TWmfPlayer(const TWmfFile& file, TMetaDevice& device, int maxBitmapSide)
      : file_(file),
        device_(device),
        max_bitmap_side_(maxBitmapSide),
        // Generous: files that count their objects short still play.
        objects_(std::max(file.NumObjects, 64)) {}

  void Play() {
    ForEachRecord(file_.Records, [&](uint16_t function, std::string_view params) {
      if (!device_.Charge(kRecordWork)) return false;
      Record(function, TFields(params));
      return !device_.OutOfWork();
    });
  }

 private:
  void Record(uint16_t function, const TFields& f);
  void Object(uint16_t function, const TFields& f);
  void Text(const TFields& f, bool extended);
  void Bitmap(uint16_t function, const TFields& f, size_t words);
  void Select(uint32_t index);

  const TWmfFile& file_;
  TMetaDevice& device_;
  int max_bitmap_side_;
  TObjectTable objects_;
};

void TWmfPlayer::Record(uint16_t function, const TFields& f) {
  TDcState& state = device_.State();
  switch (function) {
    case kSetBkColor:
      state.BkColor = ColourOf(f.U32(0));
      break;
    case kSetTextColor:
      state.TextColor = ColourOf(f.U32(0));
      break;
    case kSetBkMode:
      state.BkMode = f.U16(0);
      break;
    case kSetMapMode:
      device_.SetMapMode(f.U16(0));
      break;
    case kSetRop2:
      if (f.U16(0) >= 1 && f.U16(0) <= 16) state.Rop2 = f.U16(0);
      break;
    case kSetPolyFillMode:
      state.PolyFillMode = f.U16(0);
      break;
    case kSetTextAlign:
      state.TextAlign = f.U16(0);
      break;
    case kSetWindowOrg:
      if (f.Has(0, 4)) device_.SetWindowOrg(PointAt(f, 0));
      break;
    case kSetWindowExt:
      if (f.Has(0, 4)) device_.SetWindowExt(PointAt(f, 0));
      break;
    case kSetViewportOrg:
      if (f.Has(0, 4)) device_.SetViewportOrg(PointAt(f, 0));
      break;
    case kSetViewportExt:
      if (f.Has(0, 4)) device_.SetViewportExt(PointAt(f, 0));
      break;
    case kOffsetWindowOrg:
      if (f.Has(0, 4)) device_.OffsetWindowOrg(PointAt(f, 0));
      break;
    case kOffsetViewportOrg:
      if (f.Has(0, 4)) device_.OffsetViewportOrg(PointAt(f, 0));
      break;
    case kScaleWindowExt:
    case kScaleViewportExt:
      if (f.Has(0, 8)) {
        // yDenom, yNum, xDenom, xNum
        const double xNum = f.S16(6), xDenom = f.S16(4), yNum = f.S16(2), yDenom = f.S16(0);
        if (function == kScaleWindowExt)
          device_.ScaleWindowExt(xNum, xDenom, yNum, yDenom);
        else
          device_.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
      }
      break;
    case kSaveDc:
      device_.SaveDc();
      break;
    case kRestoreDc:
      device_.RestoreDc(f.S16(0));
      break;
    case kIntersectClipRect:
      if (f.Has(0, 8)) device_.IntersectClip(BoxAt(f, 0));
      break;
    case kMoveTo:
      if (f.Has(0, 4)) device_.MoveTo(PointAt(f, 0));
      break;
    case kLineTo:
      if (f.Has(0, 4)) device_.LineTo(PointAt(f, 0));
      break;
    case kPolyline:
    case kPolygon: {
      const size_t count = f.U16(0);
      if (!f.Has(2, 4 * count)) break;
      const std::vector<TPointF> points = PointsAt(f, 2, count);
      if (function == kPolyline)
        device_.Polyline(points);
      else
        device_.Polygon(points);
      break;
    }
    case kPolyPolygon: {
      const size_t polygons = f.U16(0);
      if (!f.Has(2, 2 * polygons)) break;
      size_t total = 0;
      for (size_t i = 0; i < polygons; ++i) total += f.U16(2 + 2 * i);
      size_t at = 2 + 2 * polygons;
      if (!f.Has(at, 4 * total)) break;
      std::vector<std::vector<TPointF>> shapes;
      shapes.reserve(polygons);
      for (size_t i = 0; i < polygons; ++i) {
        const size_t count = f.U16(2 + 2 * i);
        shapes.push_back(PointsAt(f, at, count));
        at += 4 * count;
      }
      device_.PolyPolygon(shapes);
      break;
    }
    case kRectangle:
      if (f.Has(0, 8)) device_.Rectangle(BoxAt(f, 0));
      break;
    case kEllipse:
      if (f.Has(0, 8)) device_.Ellipse(BoxAt(f, 0));
      break;
    case kRoundRect:
      // height, width, then the box
      if (f.Has(0, 12)) device_.RoundRect(BoxAt(f, 4), f.S16(2), f.S16(0));
      break;
    case kArc:
    case kPie:
    case kChord:
      // yEnd, xEnd, yStart, xStart, then the box
      if (f.Has(0, 16)) {
        const TArcKind kind = function == kArc   ? TArcKind::Arc
                              : function == kPie ? TArcKind::Pie
                                                 : TArcKind::Chord;
        device_.ArcShape(kind, BoxAt(f, 8), PointAt(f, 4), PointAt(f, 0));
      }
      break;
    case kSetPixel:
      if (f.Has(0, 8)) device_.SetPixel(PointAt(f, 4), ColourOf(f.U32(0)));
      break;
    case kPatBlt:
      // rop, height, width, y, x
      if (f.Has(0, 12)) {
        const double x = f.S16(10), y = f.S16(8);
        device_.Blit({x, y, x + f.S16(6), y + f.S16(4)}, nullptr, {}, f.U32(0));
      }
      break;
    case kTextOut:
      Text(f, false);
      break;
    case kExtTextOut:
      Text(f, true);
      break;
    case kDibBitBlt:
    case kDibStretchBlt:
    case kStretchDib:
      Bitmap(function, f, (f.Size() + 6) / 2);
      break;
    case kSelectObject:
      Select(f.U16(0));
      break;
    case kDeleteObject:
      objects_.Remove(f.U16(0));
      break;
    default:
      Object(function, f);
      break;
  }
}

void TWmfPlayer::Object(uint16_t function, const TFields& f) {
  switch (function) {
    case kCreatePenIndirect: {
      TMetaPen pen;
      pen.Style = f.U16(0) & 0x0F;
      pen.Width = std::abs(int(f.S16(2)));
      pen.Color = ColourOf(f.U32(6));
      objects_.Add(pen);
      break;
    }
    case kCreateBrushIndirect: {
      TMetaBrush brush;
      brush.Style = f.U16(0);
      brush.Color = ColourOf(f.U32(2));
      brush.Hatch = f.U16(6);
      if (brush.Style > kBrushHatched) brush.Style = kBrushSolid;  // patterns come as bitmaps
      objects_.Add(brush);
      break;
    }
    case kDibCreatePatternBrush: {
      TMetaBrush brush;
      auto pattern = std::make_shared<TBitmap>();
      if (DecodePackedMetaDib(f.Bytes(4, f.Size() - std::min<size_t>(4, f.Size())), *pattern,
                              std::min(kMaxPatternSide, max_bitmap_side_))) {
        brush.Style = kBrushPattern;
        brush.Pattern = std::move(pattern);
      } else {
        brush.Color = kBlack;  // an unreadable pattern still fills
      }
      objects_.Add(brush);
      break;
    }
    case kCreateFontIndirect: {
      TMetaFont font;
      font.Height = f.S16(0);
      font.Escapement = f.S16(4);
      font.Weight = f.S16(8);
      font.Italic = f.U8(10) != 0;
      font.Underline = f.U8(11) != 0;
      font.StrikeOut = f.U8(12) != 0;
      font.Charset = f.U8(13);
      font.Quality = f.U8(16);
      font.PitchAndFamily = f.U8(17);
      for (size_t i = 18; i < 18 + 32 && f.Has(i, 1) && f.U8(i) != 0; ++i)
        font.Face += char(f.U8(i));
      objects_.Add(font);
      break;
    }
    case kCreatePalette:
    case kCreatePatternBrush:
    case kCreateRegion:
      // Only their slots matter: later objects' indexes depend on them.
      objects_.Add(TPlaceholder{});
      break;
    default:
      break;  // records this player does not draw
  }
}

void TWmfPlayer::Select(uint32_t index) {
  const TMetaObject* object = objects_.Get(index);
  if (!object) return;
  TDcState& state = device_.State();
  if (const auto* pen = std::get_if<TMetaPen>(object)) state.Pen = *pen;
  if (const auto* brush = std::get_if<TMetaBrush>(object)) state.Brush = *brush;
  if (const auto* font = std::get_if<TMetaFont>(object)) state.Font = *font;
}

void TWmfPlayer::Text(const TFields& f, bool extended) {
  TTextRun run;
  TPointF at;
  std::string_view text;
  size_t end = 0;  // past the text
  if (extended) {
    // y, x, length, options, [rectangle], text, [advances]
    const size_t length = f.U16(4);
    run.Options = f.U16(6);
    size_t textAt = 8;
    if (run.Options & (kTextOpaque | kTextClipped)) {
      // left, top, right, bottom
      run.Rect = TBox{double(f.S16(8)), double(f.S16(10)), double(f.S16(12)), double(f.S16(14))};
      textAt = 16;
    }
    at = PointAt(f, 0);
    text = f.Bytes(textAt, length);
    if (text.size() != length) return;
    end = textAt + length + (length & 1);
  } else {
    // length, text (padded to even), y, x
    const size_t length = f.U16(0);
    text = f.Bytes(2, length);
    const size_t after = 2 + length + (length & 1);
    if (text.size() != length || !f.Has(after, 4)) return;
    at = PointAt(f, after);
  }
  const bool single = !DoubleByteCharset(device_.State().Font.Charset);
  if (single) {
    for (char c : text) run.Pieces.emplace_back(1, c);
    if (extended && f.Has(end, 2 * text.size()))
      for (size_t i = 0; i < text.size(); ++i) run.Advances.push_back(f.S16(end + 2 * i));
  } else {
    run.Pieces.emplace_back(text);
  }
  device_.Text(at, run);
}

void TWmfPlayer::Bitmap(uint16_t function, const TFields& f, size_t words) {
  const uint32_t rop = f.U32(0);
  // Without a bitmap the record is one word shorter than its function's
  // parameter count says and holds a reserved word instead.
  const bool withBitmap = function == kStretchDib || words != size_t(function >> 8) + 3;
  TBox dest;
  TRect from;
  size_t dibAt = 0;
  bool fromBottom = false;
  if (function == kDibBitBlt) {
    // rop, ySrc, xSrc, [reserved], height, width, yDest, xDest
    const size_t o = withBitmap ? 8 : 10;
    if (!f.Has(0, o + 8)) return;
    const double w = f.S16(o + 2), h = f.S16(o), x = f.S16(o + 6), y = f.S16(o + 4);
    dest = {x, y, x + w, y + h};
    from = {f.S16(6), f.S16(4), f.S16(6) + int(w), f.S16(4) + int(h)};
    dibAt = o + 8;
  } else {
    // rop, [colour use], srcHeight, srcWidth, ySrc, xSrc, [reserved],
    // destHeight, destWidth, yDest, xDest
    const size_t s = function == kStretchDib ? 6 : 4;
    const size_t o = s + (withBitmap ? 8 : 10);
    if (!f.Has(0, o + 8)) return;
    const int sh = f.S16(s), sw = f.S16(s + 2), sy = f.S16(s + 4), sx = f.S16(s + 6);
    const double dh = f.S16(o), dw = f.S16(o + 2), dy = f.S16(o + 4), dx = f.S16(o + 6);
    dest = {dx, dy, dx + dw, dy + dh};
    from = {sx, sy, sx + sw, sy + sh};
    dibAt = o + 8;
    // StretchDIBits counts a bottom-up bitmap's rows from its bottom.
    fromBottom = function == kStretchDib;
  }
  if (!withBitmap) {
    device_.Blit(dest, nullptr, {}, rop);
    return;
  }
  TBitmap source;
  bool topDown = false;
  const std::string_view dib = f.Bytes(dibAt, f.Size() - std::min(dibAt, f.Size()));
  if (!DecodePackedMetaDib(dib, source, max_bitmap_side_, &topDown)) return;
  if (fromBottom && !topDown) {
    const int top = source.Height() - from.Bottom;
    from = {from.Left, top, from.Right, top + (from.Bottom - from.Top)};
  }
  device_.Blit(dest, &source, from, rop);
}

}  // namespace

bool ParseWmf(std::string_view bytes, TWmfFile& file) {
  file = TWmfFile{};
  size_t at = 0;
  if (bytes.size() >= kPlaceableSize && le::U32(bytes, 0) == kPlaceableKey) {
    file.Placeable = true;
    file.Left = int16_t(le::U16(bytes, 6));
    file.Top = int16_t(le::U16(bytes, 8));
    file.Right = int16_t(le::U16(bytes, 10));
    file.Bottom = int16_t(le::U16(bytes, 12));
    file.Inch = le::U16(bytes, 14);
    at = kPlaceableSize;
  }
  if (bytes.size() - at < kHeaderSize) return false;
  const uint16_t type = le::U16(bytes, at);
  const uint16_t headerWords = le::U16(bytes, at + 2);
  const uint16_t version = le::U16(bytes, at + 4);
  if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
    return false;
  file.NumObjects = le::U16(bytes, at + 10);
  file.Records = bytes.substr(at + kHeaderSize);
  return true;
}

bool FirstWindowExt(std::string_view records, TPointF& extent) {
  bool found = false;
  ForEachRecord(records, [&](uint16_t function, std::string_view params) {
    const TFields f(params);
    if (function != kSetWindowExt || !f.Has(0, 4)) return true;
    extent = PointAt(f, 0);
    found = true;
    return false;
  });
  return found;
}

void PlayWmf(const TWmfFile& file, TMetaDevice& device, int maxBitmapSide) {
  TWmfPlayer(file, device, maxBitmapSide).Play();
}

}  // namespace lumigram::meta
