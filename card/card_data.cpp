#include "card/card_data.h"

#include <cmath>
#include <exception>
#include <new>

#include "card/message_text.h"
#include "storage/pack_string.h"
#include "storage/zlib_codec.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/scramble.h"
#include "util/stream.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr size_t kPasswordBytes = 8;

std::string DecimalOf(uint32_t colour) {
  return IntToText(int32_t(colour));
}

// The empty text is stored as an empty field.
std::string Scrambled(const std::string& text) {
  return text.empty() ? std::string() : HideText(text, THideVariant::Binary);
}

// Reads the body's fields in order; each one is taken as soon as it is read.
class TBodyReader {
 public:
  TBodyReader(std::string_view body, TLumigramInfo& info, TCardReadOutcome& outcome)
      : body_(body), info_(info), outcome_(outcome) {}

  bool Next(std::string& field) { return ReadStoredField(body_, offset_, field); }

  bool Rest() {
    std::string f;
    if (!Next(info_.Version)) return false;
    if (!Next(info_.Picture) || !Next(info_.Cursor) || !Next(info_.Sound)) return false;
    if (!Next(f)) return false;
    info_.SoundType = NormaliseSoundType(f);
    if (!Next(info_.Link)) return false;
    if (!Next(f)) return false;
    info_.LinkColor = TColor(ReadNumber(f));
    if (!Next(f)) return false;
    info_.Frame.Size = ClampFrameSize(ReadNumber(f));
    if (!Next(f)) return false;
    info_.Frame.Color = TColor(ReadNumber(f));
    if (!Next(info_.Frame.Code)) return false;
    if (!Next(f) || !ReadFontBlock(f, info_.Font)) return false;
    if (!Next(f)) return false;
    info_.Message = SplitMessageText(f);
    if (!Next(f)) return false;
    info_.HAlign = AlignmentOf(ReadNumber(f));
    if (!Next(f)) return false;
    info_.VAlign = AlignmentOf(ReadNumber(f));
    if (!Next(f)) return false;
    info_.Flash = TextIsOne(f);
    if (!Next(outcome_.MessageBitmapFile)) return false;
    outcome_.HasMessageBitmap = true;
    if (!Next(f)) return false;
    outcome_.CreatorInfo = RevealText(f, THideVariant::Binary);
    outcome_.HasCreatorInfo = true;
    if (!Next(f)) return false;
    info_.Author = RevealText(f, THideVariant::Binary);
    if (!Next(f)) return false;
    info_.CanEdit = TextIsOne(f);
    if (!Next(f)) return false;
    info_.CanPrint = TextIsOne(f);
    return true;
  }

 private:
  std::string_view body_;
  size_t offset_ = 0;
  TLumigramInfo& info_;
  TCardReadOutcome& outcome_;
};

// The packed body's bytes; error tells a damaged stream from one too large.
bool Unpack(std::string_view packed, int64_t maxBytes, std::string& body, std::string& error) {
  error = err::kUnknownFormat;
  size_t offset = 0;
  std::string field;
  if (!ReadField(packed, offset, field)) return false;
  try {
    TMemoryStream source(std::move(field));
    if (InflateAll(source, body, maxBytes)) return true;
    error = err::kOutOfMemory;
  } catch (const std::bad_alloc&) {
    error = err::kOutOfMemory;
  } catch (...) {
    error = err::kUnknownFormat;
  }
  return false;
}

}  // namespace

bool WriteCardData(const TLumigramInfo& info, std::string_view messageBitmapFile, std::string& data,
                   std::string& error) {
  error = err::kOutOfMemory;
  data.clear();
  try {
    std::string body;
    // The large fields at once, so the body is not copied as it grows.
    body.reserve(info.Picture.size() + info.Cursor.size() + info.Sound.size() +
                 messageBitmapFile.size() + 4096);
    AppendField(body, DoubleToBytes8(info.Password));
    AppendField(body, info.Version);
    AppendField(body, info.Picture);
    AppendField(body, info.Cursor);
    AppendField(body, info.Sound);
    AppendField(body, info.SoundType);
    AppendField(body, info.Link);
    AppendField(body, DecimalOf(info.LinkColor));
    AppendField(body, IntToText(info.Frame.Size));
    AppendField(body, DecimalOf(info.Frame.Color));
    AppendField(body, info.Frame.Code);
    AppendField(body, WriteFontBlock(info.Font));
    AppendField(body, JoinMessageLines(info.Message));
    AppendField(body, IntToText(info.HAlign));
    AppendField(body, IntToText(info.VAlign));
    AppendField(body, BoolToText(info.Flash));
    AppendField(body, messageBitmapFile);
    AppendField(body, Scrambled(info.CreatorInfo));
    AppendField(body, Scrambled(info.Author));
    AppendField(body, BoolToText(info.CanEdit));
    AppendField(body, BoolToText(info.CanPrint));
    if (!PackString(body, error)) return false;
    std::string result = kCardMagic;
    result += '\0';
    result += body;
    data = std::move(result);
    return true;
  } catch (...) {
    error = err::kOutOfMemory;
    data.clear();
    return false;
  }
}

TCardReadOutcome ReadCardData(std::string_view data, TLumigramInfo& info,
                              const TCardReadOptions& options) {
  TCardReadOutcome outcome;
  outcome.Error = err::kUnknownFormat;
  SetDefaults(info);
  const size_t zero = data.substr(0, kCardMagicSearch).find('\0');
  const std::string_view magic =
      zero == std::string_view::npos ? std::string_view() : data.substr(0, zero);
  if (magic != kCardMagic) return outcome;
  outcome.MagicMatched = true;
  try {
    std::string body;
    if (!Unpack(data.substr(zero + 1), options.MaxBodyBytes, body, outcome.Error)) return outcome;
    outcome.Error = err::kUnknownFormat;
    TBodyReader reader(body, info, outcome);
    std::string password;
    if (!reader.Next(password) || password.size() != kPasswordBytes) return outcome;
    const double value = Bytes8ToDouble(password);
    if (std::isnan(value) || value < 0) return outcome;
    info.Password = value;
    if (value > 0 && options.CheckPassword && !options.CheckPassword(value)) {
      outcome.Error = err::kAccessDenied;
      return outcome;
    }
    outcome.Complete = reader.Rest();
    if (outcome.Complete) outcome.Error.clear();
  } catch (const std::bad_alloc&) {
    outcome.Error = err::kOutOfMemory;
  } catch (...) {
    outcome.Error = err::kUnexpectedError;
  }
  return outcome;
}

}  // namespace lumigram
