#include "imaging/text_formats/portable_pixelmap.h"

#include <algorithm>

#include "imaging/bitmap/byte_image.h"
#include "imaging/bitmap/byte_stream.h"
#include "util/error_texts.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr int kHeaderLimit = 65535;
constexpr int kProgressLines = 40;
constexpr uint32_t kBlackPixel = 0x000000;
constexpr uint32_t kWhitePixel = 0xFFFFFF;

bool IsBitmapType(int type) {
  return type == 1 || type == 4;
}
bool IsTextType(int type) {
  return type <= 3;
}

uint32_t Grey(int v) {
  return uint32_t(v & 0xFF) * 0x010101;
}
uint32_t Pixel(int red, int green, int blue) {
  return uint32_t(blue & 0xFF) | uint32_t(green & 0xFF) << 8 | uint32_t(red & 0xFF) << 16;
}

// The next decimal number between position and last (inclusive): a run of
// digits of which only the last five count, clamped to limit. position moves
// past it. False when the range holds no more digits.
bool NextNumber(TByteStream& bytes, int64_t& position, int64_t last, int limit, int& number) {
  uint8_t b = 0;
  while (position <= last && bytes.ReadByte(position, b) && (b < '0' || b > '9')) ++position;
  if (position > last || b < '0' || b > '9') return false;
  int value = 0;
  while (position <= last && bytes.ReadByte(position, b) && b >= '0' && b <= '9') {
    value = (value * 10 + (b - '0')) % 100000;
    ++position;
  }
  number = std::min(value, limit);
  return true;
}

// The next pixel of a plain bitmap: every digit is one pixel, so rows
// written without blanks ("0101") read as the format defines them.
bool NextBit(TByteStream& bytes, int64_t& position, int64_t last, int& bit) {
  uint8_t b = 0;
  for (; position <= last && bytes.ReadByte(position, b); ++position) {
    if (b >= '0' && b <= '9') {
      bit = b - '0';
      ++position;
      return true;
    }
  }
  return false;
}

// One line without its comment: first .. last.
struct TLine {
  int64_t first = 0;
  int64_t last = -1;
  int64_t end = -1;  // the line's last byte, comment included
};

bool NextLine(TByteStream& bytes, int64_t& position, TLine& line) {
  int64_t comment = -1;
  if (!bytes.ReadLine(position, -1, comment, '#', line.end, line.first)) return false;
  line.last = comment >= 0 ? comment - 1 : line.end;
  return true;
}

struct THeader {
  int type = 3;
  int width = 0;
  int height = 0;
  int maxValue = 0;
  int64_t dataStart = -1;  // -1: the data ended inside the header
};

// False when the first line is not "P" and a character. A header cut short
// by the end of the data keeps what was found.
bool ReadHeader(TByteStream& bytes, int64_t position, THeader& header) {
  TLine line;
  if (!NextLine(bytes, position, line)) return true;  // no data: no size
  uint8_t p = 0, kind = 0;
  if (line.last - line.first < 1 || !bytes.ReadByte(line.first, p) || (p != 'P' && p != 'p') ||
      !bytes.ReadByte(line.first + 1, kind)) {
    return false;
  }
  header.type = kind >= '0' && kind <= '9' ? std::clamp(kind - '0', 1, 6) : 1;
  if (IsBitmapType(header.type)) header.maxValue = 1;
  const int needed = IsBitmapType(header.type) ? 2 : 3;
  int found = 0;
  while (found < needed && NextLine(bytes, position, line)) {
    int64_t at = line.first;
    int n = 0;
    while (found < needed && NextNumber(bytes, at, line.last, kHeaderLimit, n)) {
      // Zeros before the width, and before the height of all but bitmaps,
      // are passed over.
      if (found == 0 && n > 0) {
        header.width = n;
        found = 1;
      } else if (found == 1 && (n > 0 || IsBitmapType(header.type))) {
        header.height = n;
        found = 2;
      } else if (found == 2) {
        header.maxValue = n;
        found = 3;
      }
    }
    if (found == needed) {
      // Raw samples follow the single line break after the last number.
      header.dataStart = IsTextType(header.type) ? position : line.end + 2;
    }
  }
  return true;
}

}  // namespace

TPortablePixelmap::TPortablePixelmap()
    : TBytePicture({err::kFileNotFoundStop, err::kFileInUseStop, err::kOutOfMemoryStop}) {}

void TPortablePixelmap::SetPnmType(int type) {
  pnm_type_ = std::clamp(type, 1, 6);
}

int TPortablePixelmap::BitsPerPixel() const {
  if (IsBitmapType(pnm_type_)) return 1;
  if (pnm_type_ == 2 || pnm_type_ == 5) return 8;
  return 24;
}

void TPortablePixelmap::Assign(const TPortablePixelmap& source) {
  picture_ = source.picture_;
  pnm_type_ = source.pnm_type_;
}

bool TPortablePixelmap::ReadPicture(TStream& stream) {
  const int64_t start = stream.Position();
  TByteStream bytes(&stream);
  const int64_t size = bytes.Size();
  THeader header;
  if (!ReadHeader(bytes, start, header)) {
    error_text_ = err::kUnknownFormatStop;
    return false;
  }
  if (header.width <= 0 || header.height <= 0) {
    error_text_ = err::kInvalidDimensions;
    return false;
  }
  if (!SizePicture(header.width, header.height)) return false;
  pnm_type_ = header.type;

  TByteImage image(&picture_);
  const int m = header.maxValue;
  int64_t position = header.dataStart < 0 ? size : header.dataStart;
  const auto progress = [&]() { ProgressStep(position - start, size - start); };

  if (IsTextType(header.type)) {
    // Numbers line by line; comments run to the end of their line.
    int samples[3] = {0, 0, 0};
    int got = 0;
    int64_t lines = 0;
    bool full = false;
    TLine line;
    while (!full && NextLine(bytes, position, line)) {
      int64_t at = line.first;
      int n = 0;
      while (!full && (header.type == 1 ? NextBit(bytes, at, line.last, n)
                                        : NextNumber(bytes, at, line.last, m, n))) {
        uint32_t pixel = 0;
        if (header.type == 1) {
          pixel = n == 0 ? kWhitePixel : kBlackPixel;
        } else if (header.type == 2) {
          pixel = Grey(n);
        } else {
          samples[got++] = n;
          if (got < 3) continue;
          got = 0;
          pixel = Pixel(samples[0], samples[1], samples[2]);
        }
        full = !image.WriteNext(pixel) || image.CursorY() >= image.Height();
      }
      if (++lines % kProgressLines == 0) progress();
    }
  } else if (header.type == 4) {
    // Rows of whole bytes, leftmost pixel in the top bit.
    const int rowBytes = (header.width + 7) / 8;
    uint8_t b = 0;
    bool more = true;
    for (int y = 0; more && y < header.height; ++y) {
      for (int i = 0; i < rowBytes; ++i, ++position) {
        if (!bytes.ReadByte(position, b)) {
          more = false;
          break;
        }
        for (int bit = 0; bit < 8 && i * 8 + bit < header.width; ++bit) {
          if (b & (0x80 >> bit)) image.SetPixel(i * 8 + bit, y, kBlackPixel);
        }
        if (position % 10000 == 0) progress();
      }
    }
  } else {
    const int samplesPerPixel = header.type == 6 ? 3 : 1;
    const int64_t progressBytes = header.type == 6 ? 50000 : 10000;
    int samples[3] = {0, 0, 0};
    int got = 0;
    uint8_t b = 0;
    while (bytes.ReadByte(position, b)) {
      ++position;
      samples[got++] = std::min<int>(b, m);
      if (got == samplesPerPixel) {
        got = 0;
        const uint32_t pixel =
            samplesPerPixel == 3 ? Pixel(samples[0], samples[1], samples[2]) : Grey(samples[0]);
        if (!image.WriteNext(pixel) || image.CursorY() >= image.Height()) break;
      }
      if (position % progressBytes == 0) progress();
    }
  }
  stream.Seek(std::min(position, size), TSeekOrigin::Beginning);
  error_text_.clear();
  return true;
}

bool TPortablePixelmap::WritePicture(TStream& stream) {
  if (picture_.Empty()) {
    // Nothing a reader would take back.
    error_text_ = err::kInvalidDimensions;
    return false;
  }
  const int type = pnm_type_ == 0 ? 6 : pnm_type_;
  const int width = picture_.Width();
  const int height = picture_.Height();
  int64_t position = stream.Position();
  TByteStream bytes(&stream);

  std::string header =
      "P" + IntToText(type) + "\n" + IntToText(width) + " " + IntToText(height) + "\n";
  if (!IsBitmapType(type)) header += "\n255\n";
  if (!bytes.WriteText(position, header) || !bytes.Flush()) {
    error_text_ = err::kStreamWriteFailure;
    return false;
  }
  error_text_ = err::kOutOfMemoryStop;

  TByteImage image(&picture_);
  std::string text;
  int64_t pixels = 0;
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = image.Row(y);  // blue, green, red
    text.clear();
    if (type == 4) {
      for (int x = 0; x < width; x += 8) {
        uint8_t b = 0;
        for (int bit = 0; bit < 8 && x + bit < width; ++bit) {
          if (row[3 * (x + bit) + 2] == 0) b |= uint8_t(0x80 >> bit);
        }
        text.push_back(char(b));
      }
    } else {
      for (int x = 0; x < width; ++x, row += 3) {
        switch (type) {
          case 1:
            text += row[2] == 0 ? "1 " : "0 ";
            break;
          case 2:
            text += IntToText(row[2]) + " ";
            break;
          case 3:
            text += IntToText(row[2]) + " " + IntToText(row[1]) + " " + IntToText(row[0]) + " ";
            break;
          case 5:
            text.push_back(char(row[2]));
            break;
          default:
            text.append({char(row[2]), char(row[1]), char(row[0])});
            break;
        }
        if (IsTextType(type) && ++pixels % 6 == 0) text += "\r\n";
      }
    }
    if (!bytes.WriteText(position, text)) return false;
    ProgressStep(y + 1, height);
  }
  if (!bytes.Flush()) return false;
  stream.Seek(position, TSeekOrigin::Beginning);
  error_text_.clear();
  return true;
}

}  // namespace lumigram
