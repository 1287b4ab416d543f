#include "util/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "util/text.h"
#include "util/utf8.h"

namespace lumigram {

namespace {

constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kWestern = "CP1252";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

class TConverter {
 public:
  TConverter(const std::string& to, const std::string& from)
      : handle_(::iconv_open(to.c_str(), from.c_str())) {}
  ~TConverter() {
    if (IsOpen()) ::iconv_close(handle_);
  }
  TConverter(const TConverter&) = delete;
  TConverter& operator=(const TConverter&) = delete;

  bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Handle() const { return handle_; }

 private:
  iconv_t handle_;
};

// Converts all of input. With replacement null the first bad spot ends the
// conversion and its offset is returned in badOffset; otherwise each bad
// character is skipped and replaced.
bool Convert(std::string_view input, const std::string& to, const std::string& from,
             const std::string_view* replacement, std::string& output, size_t& badOffset) {
  output.clear();
  TConverter converter(to, from);
  if (!converter.IsOpen()) return false;
  std::string source(input);
  char* in = source.data();
  size_t inLeft = source.size();
  const bool fromUtf8 = from == kUtf8;
  char buffer[4096];
  for (;;) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    // Once the text is done, a null input flushes any pending shift state.
    const bool flushing = inLeft == 0;
    const size_t result = flushing ? ::iconv(converter.Handle(), nullptr, nullptr, &out, &outLeft)
                                   : ::iconv(converter.Handle(), &in, &inLeft, &out, &outLeft);
    const int error = errno;
    output.append(buffer, size_t(out - buffer));
    if (result != size_t(-1)) {
      if (flushing) return true;
      continue;
    }
    if (error == E2BIG) continue;
    if (flushing || (error != EILSEQ && error != EINVAL)) return false;
    if (!replacement) {
      badOffset = size_t(in - source.data());
      return false;
    }
    output += *replacement;
    const size_t skip = fromUtf8 ? Utf8SequenceLength(uint8_t(*in)) : 1;
    const size_t skipped = skip < inLeft ? skip : inLeft;
    in += skipped;
    inLeft -= skipped;
  }
}

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

}  // namespace

std::string CodePageName(std::string_view codePage) {
  std::string name = UpperAscii(std::string(codePage));
  if (name.rfind("WINDOWS-", 0) == 0) name = "CP" + name.substr(8);
  if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos)
    name = "CP" + name;
  if (name.empty() || !TConverter(kUtf8, name).IsOpen()) return {};
  return name;
}

std::string CodePageOfCharset(int charset) {
  switch (charset) {
    case 204:
      return "CP1251";
    case 161:
      return "CP1253";
    case 238:
      return "CP1250";
    case 162:
      return "CP1254";
    case 177:
      return "CP1255";
    case 178:
      return "CP1256";
    case 186:
      return "CP1257";
    case 163:
      return "CP1258";
    case 222:
      return "CP874";
    case 128:
      return "CP932";
    case 129:
      return "CP949";
    case 134:
      return "CP936";
    case 136:
      return "CP950";
    default:
      return kWestern;
  }
}

bool CodePageToUtf8(std::string_view bytes, std::string_view codePage, std::string& utf8,
                    std::string& error) {
  const std::string name = CodePageName(codePage);
  if (name.empty()) {
    error = "unknown code page " + std::string(codePage);
    return false;
  }
  size_t bad = 0;
  if (Convert(bytes, kUtf8, name, nullptr, utf8, bad)) return true;
  error = bad < bytes.size() ? "byte 0x" + Hex(uint8_t(bytes[bad]), 2) + " at offset " +
                                   IntToText(int64_t(bad)) + " is not " + name + " text"
                             : "the text ends inside a character of " + name;
  return false;
}

bool Utf8ToCodePage(std::string_view utf8, std::string_view codePage, std::string& bytes,
                    std::string& error) {
  const std::string name = CodePageName(codePage);
  if (name.empty()) {
    error = "unknown code page " + std::string(codePage);
    return false;
  }
  size_t bad = 0;
  if (Convert(utf8, name, kUtf8, nullptr, bytes, bad)) return true;
  char32_t character = 0;
  const size_t length = bad < utf8.size() ? DecodeUtf8(utf8.substr(bad), character) : 0;
  error = length == 0 ? "not valid UTF-8 at offset " + IntToText(int64_t(bad))
                      : "U+" + Hex(unsigned(character), 4) + " cannot be written in " + name;
  return false;
}

std::string CharsetToUtf8(std::string_view bytes, int charset) {
  std::string utf8;
  size_t bad = 0;
  Convert(bytes, kUtf8, CodePageOfCharset(charset), &kReplacementUtf8, utf8, bad);
  return utf8;
}

std::string Utf8ToCharset(std::string_view utf8, int charset) {
  static constexpr std::string_view kQuestionMark = "?";
  std::string bytes;
  size_t bad = 0;
  Convert(utf8, CodePageOfCharset(charset), kUtf8, &kQuestionMark, bytes, bad);
  return bytes;
}

bool IsValidUtf8(std::string_view text) {
  char32_t character = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t length = DecodeUtf8(text.substr(i), character);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string DisplayUtf8(std::string_view text) {
  return IsValidUtf8(text) ? std::string(text) : CharsetToUtf8(text, 0);
}

}  // namespace lumigram
