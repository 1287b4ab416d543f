#include "imaging/text_formats/x_bitmap.h"

#include <algorithm>

#include "imaging/bitmap/byte_image.h"
#include "imaging/bitmap/byte_stream.h"
#include "util/error_texts.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr int kProgressLines = 40;
constexpr int kBytesPerLine = 10;
constexpr uint32_t kBlackPixel = 0x000000;
// Header lines are looked at up to this length; size definitions are short.
constexpr int64_t kHeaderLineLimit = kByteBufferSize;

int HexDigit(uint8_t b) {
  if (b >= '0' && b <= '9') return b - '0';
  if (b >= 'a' && b <= 'f') return b - 'a' + 10;
  if (b >= 'A' && b <= 'F') return b - 'A' + 10;
  return 0;  // anything else counts as 0
}

struct THeader {
  bool haveWidth = false;
  bool haveHeight = false;
  int width = 0;
  int height = 0;
  int64_t dataStart = -1;  // the line after the height definition
};

// The size after name in a definition line, read as a decimal number
// (rounded to whole, 0 when it is none).
int SizeAfter(const std::string& line, size_t at, size_t nameLength) {
  return TextToInt(std::string_view(line).substr(at + nameLength));
}

// True when both sizes were defined and a "static" line followed.
bool ReadHeader(TByteStream& bytes, int64_t position, THeader& header) {
  int64_t marker = -1, lineEnd = -1, lineStart = 0;
  while (bytes.ReadLine(position, -1, marker, 0, lineEnd, lineStart)) {
    const std::string line =
        UpperAscii(bytes.ReadText(lineStart, std::min(lineEnd, lineStart + kHeaderLineLimit - 1)));
    if (line.starts_with("#DEFINE")) {
      size_t at = 0;
      if (!header.haveWidth && (at = line.find("_WIDTH")) != std::string::npos) {
        header.width = SizeAfter(line, at, 6);
        header.haveWidth = true;
      } else if (!header.haveHeight && (at = line.find("_HEIGHT")) != std::string::npos) {
        header.height = SizeAfter(line, at, 7);
        header.haveHeight = true;
        header.dataStart = position;
      }
    } else if (header.haveWidth && header.haveHeight && line.starts_with("STATIC")) {
      return true;
    }
  }
  return false;
}

// Turns bytes into pixels row by row, lowest bit leftmost, dropping the
// bits past a row's end.
class TPixelWriter {
 public:
  explicit TPixelWriter(TBitmap& picture) : image_(&picture) {}

  bool Full() const { return y_ >= image_.Height(); }
  void Add(uint8_t b) {
    if (Full()) return;
    // The picture starts white: only set bits need painting.
    for (int bit = 0; bit < 8 && x_ < image_.Width(); ++bit, ++x_) {
      if (b & (1 << bit)) image_.SetPixel(x_, y_, kBlackPixel);
    }
    if (x_ >= image_.Width()) {
      x_ = 0;
      ++y_;
    }
  }

 private:
  TByteImage image_;
  int x_ = 0;
  int y_ = 0;
};

// Every byte written as "x" or "X" and two hexadecimal digits from first to
// last; an "x" without two characters left in the range gives nothing.
void ReadHexBytes(TByteStream& bytes, int64_t first, int64_t last, TPixelWriter& pixels) {
  uint8_t b = 0, high = 0, low = 0;
  for (int64_t p = first; p <= last && !pixels.Full() && bytes.ReadByte(p, b); ++p) {
    if (b != 'x' && b != 'X') continue;
    if (p + 2 > last || !bytes.ReadByte(p + 1, high) || !bytes.ReadByte(p + 2, low)) return;
    pixels.Add(uint8_t(HexDigit(high) * 16 + HexDigit(low)));
    p += 2;  // an "x" among the digits starts nothing
  }
}

}  // namespace

TXBitmap::TXBitmap()
    : TBytePicture({err::kFileNotFoundStop, err::kFileInUseStop, err::kOutOfMemoryStop}) {}

bool TXBitmap::ReadPicture(TStream& stream) {
  const int64_t start = stream.Position();
  TByteStream bytes(&stream);
  const int64_t size = bytes.Size();
  THeader header;
  if (!ReadHeader(bytes, start, header)) {
    error_text_ = err::kUnknownFormatStop;
    return false;
  }
  if (header.width < 1 || header.height < 1) {
    error_text_ = err::kInvalidDimensions;
    return false;
  }
  if (!SizePicture(header.width, header.height)) return false;

  // The bytes start after the first "{" and end before the next line's "}".
  TPixelWriter pixels(picture_);
  int64_t position = header.dataStart;
  int64_t marker = -1, lineEnd = -1, lineStart = 0;
  bool open = false;
  int64_t lines = 0;
  while (!pixels.Full() &&
         bytes.ReadLine(position, -1, marker, open ? '}' : '{', lineEnd, lineStart)) {
    if (++lines % kProgressLines == 0) ProgressStep(position - start, size - start);
    if (!open) {
      if (marker < 0) continue;
      open = true;
      ReadHexBytes(bytes, marker + 1, lineEnd, pixels);
    } else if (marker >= 0) {
      ReadHexBytes(bytes, lineStart, marker - 1, pixels);
      break;
    } else {
      ReadHexBytes(bytes, lineStart, lineEnd, pixels);
    }
  }
  stream.Seek(std::min(position, size), TSeekOrigin::Beginning);
  error_text_.clear();
  return true;
}

bool TXBitmap::WritePicture(TStream& stream) {
  if (picture_.Empty()) {
    // Nothing a reader would take back.
    error_text_ = err::kInvalidDimensions;
    return false;
  }
  const int width = picture_.Width();
  const int height = picture_.Height();
  int64_t position = stream.Position();
  TByteStream bytes(&stream);
  if (!bytes.WriteText(position, "#define image_width " + IntToText(width) + "\r\n" +
                                     "#define image_height " + IntToText(height) + "\r\n" +
                                     "static char image_bits[] = {\r\n")) {
    return false;
  }
  TByteImage image(&picture_);
  TByteSpan span;
  int64_t written = 0;
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = image.Row(y);  // blue, green, red
    for (int x = 0; x < width; x += 8) {
      uint8_t b = 0;
      for (int bit = 0; bit < 8 && x + bit < width; ++bit) {
        if (row[3 * (x + bit) + 2] == 0) b |= uint8_t(1 << bit);
      }
      span.Clear();
      TByteStream::ByteToHex(b, span);
      span.Add(',');
      span.Add(' ');
      if (++written % kBytesPerLine == 0) {
        span.Add('\r');
        span.Add('\n');
      }
      for (int i = 0; i < span.Count; ++i) {
        if (!bytes.WriteByte(position++, span.Bytes[size_t(i)])) return false;
      }
    }
    ProgressStep(y + 1, height);
  }
  if (!bytes.WriteText(position, written % kBytesPerLine != 0 ? "\r\n};\r\n" : "};\r\n") ||
      !bytes.Flush()) {
    return false;
  }
  stream.Seek(position, TSeekOrigin::Beginning);
  error_text_.clear();
  return true;
}

}  // namespace lumigram
