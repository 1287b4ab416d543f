#include "imaging/text_formats/text_picture.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "imaging/bitmap/byte_image.h"
#include "imaging/bitmap/byte_stream.h"
#include "util/error_texts.h"

namespace lumigram {

namespace {

constexpr int kHeaderDigit = 29;  // "T"
constexpr int kMaxDepth = 6;
constexpr int kProgressCharacters = 10000;

// Palette entries the text does not give: black, red, yellow, lime, blue,
// silver, grey, white, then black. As pixels (blue + 256 green + 65536 red).
constexpr std::array<uint32_t, 8> kDefaultPalette = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00,
                                                     0x0000FF, 0xC0C0C0, 0x808080, 0xFFFFFF};

// TColor (red in the low byte) and pixel (blue in the low byte) are mirror
// images of each other.
uint32_t SwapRedBlue(uint32_t c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

int PixelsPerDigit(int depth) {
  return depth <= 3 ? kMaxDepth / depth : 1;
}

struct THeader {
  int depth = 0;
  int width = 0;
  int height = 0;
  std::array<uint32_t, 64> palette{};  // pixels
  int paletteSize = 0;
};

// Walks the text a character at a time, stepping over comments in braces.
class TCharacterReader {
 public:
  TCharacterReader(TByteStream& bytes, int64_t position) : bytes_(bytes), position_(position) {}

  int64_t Position() const { return position_; }
  // The next character outside comments; false at the end of the data.
  bool Next(uint8_t& c) {
    uint8_t b = 0;
    while (bytes_.ReadByte(position_, b)) {
      ++position_;
      if (b == '{') {
        ++depth_;
      } else if (b == '}') {
        --depth_;  // below zero too: a stray "}" opens a comment
      } else if (depth_ == 0) {
        c = b;
        return true;
      }
    }
    return false;
  }

 private:
  TByteStream& bytes_;
  int64_t position_;
  int64_t depth_ = 0;
};

// True when the header ended with "~" and gave a depth and a size of at
// least 1 x 1.
bool ReadHeader(TCharacterReader& reader, THeader& header) {
  enum class TState { Seek, Depth, Width, Height, Palette, Done };
  TState state = TState::Seek;
  int entries = 0;  // palette colours read
  int digits = 0;   // of the number being read
  uint32_t value = 0;
  uint32_t scale = 1;
  const auto addDigit = [&](int d, int count) {
    value += uint32_t(d) * scale;
    scale *= 64;
    if (++digits < count) return false;
    digits = 0;
    scale = 1;
    return true;
  };
  uint8_t c = 0;
  while (reader.Next(c)) {
    if (c == '~') {
      return header.depth > 0 && header.width >= 1 && header.height >= 1;
    }
    if (c == '#') return false;
    const int d = TextPictureDigit(c);
    if (d < 0) continue;
    switch (state) {
      case TState::Seek:
        if (d == kHeaderDigit) state = TState::Depth;
        break;
      case TState::Depth:
        if (d < 1 || d > kMaxDepth) return false;
        header.depth = d;
        header.paletteSize = 1 << d;
        for (int i = 0; i < header.paletteSize; ++i) {
          header.palette[size_t(i)] =
              i < int(kDefaultPalette.size()) ? kDefaultPalette[size_t(i)] : 0;
        }
        state = TState::Width;
        break;
      case TState::Width:
        if (addDigit(d, 3)) {
          header.width = int(value);
          value = 0;
          state = TState::Height;
        }
        break;
      case TState::Height:
        if (addDigit(d, 3)) {
          header.height = int(value);
          value = 0;
          state = TState::Palette;
        }
        break;
      case TState::Palette:
        if (addDigit(d, 4)) {
          header.palette[size_t(entries)] = SwapRedBlue(value);
          value = 0;
          if (++entries == header.paletteSize) state = TState::Done;
        }
        break;
      case TState::Done:
        break;
    }
  }
  return false;
}

// Unpacks the digits into pixels until the picture is full, a "#" ends it
// or the data does; pixels not reached stay white. progress(position) is
// called every 10000 characters.
template <typename F>
void ReadPixels(TCharacterReader& reader, const THeader& header, TBitmap& picture, F progress) {
  TByteImage image(&picture);
  const int perDigit = PixelsPerDigit(header.depth);
  const int bits = perDigit > 1 ? header.depth : kMaxDepth;
  const int mask = (1 << bits) - 1;
  const int last = header.paletteSize - 1;
  int64_t remaining = int64_t(header.width) * header.height;
  int64_t nextProgress = reader.Position() + kProgressCharacters;
  uint8_t c = 0;
  while (remaining > 0 && reader.Next(c)) {
    if (c == '#') break;
    const int d = TextPictureDigit(c);
    if (d < 0) continue;
    for (int k = 0; k < perDigit && remaining > 0; ++k, --remaining) {
      const int index = std::min((d >> (k * bits)) & mask, last);
      image.WriteNext(header.palette[size_t(index)]);
    }
    if (reader.Position() >= nextProgress) {
      nextProgress = reader.Position() + kProgressCharacters;
      progress(reader.Position());
    }
  }
}

}  // namespace

char TextPictureCharacter(int value) {
  if (value < 0 || value > 63) return 0;
  if (value < 10) return char('0' + value);
  if (value < 36) return char('A' + value - 10);
  if (value < 62) return char('a' + value - 36);
  return value == 62 ? '(' : ')';
}

int TextPictureDigit(uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 36;
  if (c == '(') return 62;
  if (c == ')') return 63;
  return -1;
}

TTextPicture::TTextPicture()
    : TBytePicture({err::kFileNotFound, err::kFileInUse, err::kOutOfMemory}) {}

void TTextPicture::SetWrapMode(int mode) {
  wrap_mode_ = std::clamp(mode, int(kWrapNone), int(kWrapLines));
}

void TTextPicture::SetDepth(int depth) {
  depth_ = std::clamp(depth, 1, kMaxDepth);
}

void TTextPicture::Assign(const TTextPicture& source) {
  picture_ = source.picture_;
  wrap_mode_ = source.wrap_mode_;
  depth_ = source.depth_;
}

bool TTextPicture::ReadPicture(TStream& stream) {
  const int64_t start = stream.Position();
  TByteStream bytes(&stream);
  TCharacterReader reader(bytes, start);
  THeader header;
  bool done = false;
  if (!ReadHeader(reader, header)) {
    error_text_ = err::kUnknownFormat;
  } else if (SizePicture(header.width, header.height)) {
    const int64_t size = bytes.Size();
    ReadPixels(reader, header, picture_,
               [&](int64_t position) { ProgressStep(position - start, size - start); });
    done = true;
  }
  stream.Seek(reader.Position(), TSeekOrigin::Beginning);
  return done;
}

namespace {

// Writes characters, digits and the breaks of a wrap mode.
class TTextWriter {
 public:
  TTextWriter(TByteStream& bytes, int64_t position, int wrapMode)
      : bytes_(bytes), position_(position), wrap_mode_(wrapMode) {}

  int64_t Position() const { return position_; }
  bool Text(const char* text) {
    for (; *text; ++text) {
      if (!bytes_.WriteByte(position_, uint8_t(*text))) return false;
      ++position_;
    }
    return true;
  }
  // False for a value that has no character.
  bool Digit(uint32_t value) {
    const char c[2] = {TextPictureCharacter(int(std::min<uint32_t>(value, 64))), 0};
    return c[0] != 0 && Text(c);
  }
  // n as 3 digits, least significant first; higher digits are dropped.
  bool Number3(uint32_t n) { return Digit(n % 64) && Digit(n / 64 % 64) && Digit(n / 4096 % 64); }
  // n as 4 digits; n above 16777215 has no fourth digit and fails.
  bool Number4(uint32_t n) {
    n = std::min<uint32_t>(n, 16777216);
    return Number3(n) && Digit(n / 262144);
  }
  bool Break() {
    ++breaks_;
    switch (wrap_mode_) {
      case TTextPicture::kWrapQuoted:
        return Text("'+") && (breaks_ % 4 != 0 || Text("\r\n")) && Text("'");
      case TTextPicture::kWrapLines:
        return Text("\r\n");
      default:
        return true;
    }
  }
  // A pixel digit, followed by a break when it completes a chunk.
  bool PixelDigit(uint32_t value) {
    if (!Digit(value)) return false;
    const int chunk = wrap_mode_ == TTextPicture::kWrapQuoted  ? 250
                      : wrap_mode_ == TTextPicture::kWrapLines ? 68
                                                               : 0;
    return chunk == 0 || ++pixel_digits_ % chunk != 0 || Break();
  }

 private:
  TByteStream& bytes_;
  int64_t position_;
  int wrap_mode_;
  int64_t breaks_ = 0;
  int64_t pixel_digits_ = 0;
};

}  // namespace

bool TTextPicture::WritePicture(TStream& stream) {
  if (picture_.Empty()) return false;
  TByteImage image(&picture_);
  const int width = image.Width();
  const int height = image.Height();

  // The palette: distinct colours in the order first met, as many as the
  // depth holds.
  const int capacity = 1 << depth_;
  std::vector<uint32_t> palette;
  std::unordered_map<uint32_t, int> indexOf;
  for (int y = 0; y < height && int(palette.size()) < capacity; ++y) {
    for (int x = 0; x < width && int(palette.size()) < capacity; ++x) {
      uint32_t pixel = 0;
      image.GetPixel(x, y, pixel);
      if (indexOf.emplace(pixel, int(palette.size())).second) palette.push_back(pixel);
    }
  }

  const int64_t start = stream.Position();
  TByteStream bytes(&stream);
  TTextWriter out(bytes, start, wrap_mode_);
  if (!out.Text("T") || !out.Digit(uint32_t(depth_)) || !out.Number3(uint32_t(width)) ||
      !out.Number3(uint32_t(height))) {
    return false;
  }
  for (const uint32_t pixel : palette) {
    if (!out.Number4(SwapRedBlue(pixel))) return false;
  }
  if (!out.Text("~") || !out.Break()) return false;

  const int perDigit = PixelsPerDigit(depth_);
  const int bits = perDigit > 1 ? depth_ : kMaxDepth;
  int group = 0;
  int filled = 0;
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = image.Row(y);
    for (int x = 0; x < width; ++x, row += 3) {
      const auto it =
          indexOf.find(uint32_t(row[0]) | uint32_t(row[1]) << 8 | uint32_t(row[2]) << 16);
      group |= (it == indexOf.end() ? 0 : it->second) << (filled * bits);
      if (++filled == perDigit) {
        if (!out.PixelDigit(uint32_t(group))) return false;
        group = filled = 0;
      }
    }
    ProgressStep(y + 1, height);
  }
  if (filled > 0 && !out.PixelDigit(uint32_t(group))) return false;
  if (!out.Text("#") || !bytes.Flush()) return false;
  stream.Seek(out.Position(), TSeekOrigin::Beginning);
  return true;
}

TBitmap TextPictureToBitmap(std::string_view text) {
  TTextPicture picture;
  if (!picture.FromText(text)) return TBitmap();
  return picture.Picture();
}

std::string BitmapToTextPicture(const TBitmap& bitmap, int depth, int wrapMode) {
  TTextPicture picture;
  picture.Assign(bitmap);
  picture.SetDepth(depth);
  picture.SetWrapMode(wrapMode);
  std::string text;
  return picture.ToText(text) ? text : std::string();
}

}  // namespace lumigram
