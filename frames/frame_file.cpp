#include "frames/frame_file.h"

#include <limits>
#include <new>

#include "util/error_texts.h"
#include "util/fields.h"
#include "util/files.h"
#include "util/scramble.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr std::string_view kKey =
    "%ltfjD*XZ(X+D{|q3Z!J%L $5NH)):uPjMfXY@l!k#3|8+p:E{ t-3Afq-s>nj^r(w(R:X~pU04qSn#dG "
    "Dbpx;ua^,NdhnKO.}";
static_assert(kKey.size() == 99);

bool FitsField(const std::string& text) {
  return text.size() <= size_t(std::numeric_limits<int32_t>::max());
}

}  // namespace

std::string_view FrameFileKey() {
  return kKey;
}

void TFrame::Reset() {
  settings_ = DefaultFrameFileSettings();
}

void TFrame::Assign(const TFrameInfo& settings) {
  settings_ = settings;
  settings_.Size = ClampFrameSize(settings_.Size);
}

bool TFrame::Fail() {
  Reset();
  return false;
}

bool TFrame::ToBytes(std::string_view magic, std::string& bytes) {
  errorText_ = err::kUnknownFormat;
  settings_.Size = ClampFrameSize(settings_.Size);
  const bool frame = magic == kFrameFileMagic;
  if (!frame && magic != kFrameStyleFileMagic) return Fail();
  errorText_ = err::kOutOfMemory;
  if (!FitsField(settings_.Code) || !FitsField(settings_.Extra)) return Fail();
  try {
    std::string body;
    if (frame) {
      AppendField(body, IntToBytes4(settings_.Size));
      AppendField(body, IntToBytes4(int32_t(settings_.Color)));
    }
    AppendField(body, settings_.Code);
    AppendField(body, settings_.Extra);
    bytes.assign(magic);
    bytes += '\0';
    bytes += ScrambleSub(std::move(body), kKey);
  } catch (const std::bad_alloc&) {
    return Fail();
  }
  return true;
}

bool TFrame::FromBytes(std::string_view bytes) {
  errorText_ = err::kUnknownFormat;
  const size_t zero = bytes.find('\0');
  if (zero == std::string_view::npos) return Fail();
  const std::string_view magic = bytes.substr(0, zero);
  const bool frame = magic == kFrameFileMagic;
  if (!frame && magic != kFrameStyleFileMagic) return Fail();
  try {
    const std::string body = ScrambleAdd(std::string(bytes.substr(zero + 1)), kKey);
    size_t cursor = 0;
    std::string size, colour;
    if (frame && !(ReadField(body, cursor, size) && ReadField(body, cursor, colour))) return Fail();
    std::string code, extra;
    if (!ReadField(body, cursor, code) || !ReadField(body, cursor, extra)) return Fail();
    if (frame) {
      settings_.Size = Bytes4ToInt(size);
      settings_.Color = TColor(Bytes4ToInt(colour));
    }
    settings_.Size = ClampFrameSize(settings_.Size);
    settings_.Code = std::move(code);
    settings_.Extra = std::move(extra);
  } catch (const std::bad_alloc&) {
    errorText_ = err::kOutOfMemory;
    return Fail();
  }
  return true;
}

bool TFrame::WriteToFile(const std::string& path) {
  const bool style = UpperAscii(ExtractExtension(path)) == "FRS";
  std::string bytes;
  if (!ToBytes(style ? kFrameStyleFileMagic : kFrameFileMagic, bytes)) return false;
  return WriteStringToFile(path, bytes, errorText_);
}

bool TFrame::ReadFromFile(const std::string& path) {
  std::string bytes;
  if (!ReadFileToString(path, bytes, errorText_, kMaxFrameFileBytes)) return false;
  return FromBytes(bytes);
}

}  // namespace lumigram
