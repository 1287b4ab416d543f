#include "card/card_data.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>
#include <vector>

#include "card/message_text.h"
#include "storage/memory_inflater.h"
#include "storage/pack_string.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/scramble.h"
#include "util/stream.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr size_t kPasswordBytes = 8;
constexpr int kCardBodyFields = 21;
constexpr int kPictureField = 2;

std::string DecimalOf(uint32_t colour) {
  return IntToText(int32_t(colour));
}

// The empty text is stored as an empty field.
std::string Scrambled(const std::string& text) {
  return text.empty() ? std::string() : HideText(text, THideVariant::Binary);
}

// The body's fields as inflated, each in its own string: the whole ones,
// then, when the body ends inside the next one, what it held of it.
struct TBodyFields {
  std::vector<std::string> Fields;
  bool LastPartial = false;
};

// Hands out the body's fields in order, moving each into its place; a field
// cut short is handed out and fails, as the reading of a flat body would.
class TBodyReader {
 public:
  TBodyReader(TBodyFields& body, TLumigramInfo& info, TCardReadOutcome& outcome)
      : body_(body), info_(info), outcome_(outcome) {}

  bool Next(std::string& field) {
    if (next_ >= body_.Fields.size()) return false;
    field = std::move(body_.Fields[next_++]);
    return next_ < body_.Fields.size() || !body_.LastPartial;
  }

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
  TBodyFields& body_;
  size_t next_ = 0;
  TLumigramInfo& info_;
  TCardReadOutcome& outcome_;
};

// A field's room is reserved up to this size from its stated length; past
// it the field grows with what arrives, so a forged length costs nothing.
constexpr int64_t kTrustedFieldBytes = int64_t(64) << 20;

// Inflates the packed body straight into its fields: the large ones (sound,
// picture, message bitmap) are written once, in place. The whole stream is
// inflated and checked, the bytes after the last field included, so a damaged
// or oversized body yields no fields at all. error tells a damaged stream
// from one too large.
bool UnpackFields(std::string_view packed, const TCardReadOptions& options, TBodyFields& body,
                  std::string& error) {
  error = err::kUnknownFormat;
  size_t offset = 0;
  std::string_view field;
  if (!ReadFieldView(packed, offset, field)) return false;
  try {
    TMemoryInflater zip(field);
    int64_t left =
        std::max<int64_t>(options.MaxBodyBytes, 0);  // what the body may still inflate to
    bool tooLarge = false;
    auto count = [&](size_t got) {
      left -= int64_t(got);
      tooLarge = left < 0;
      return !tooLarge;
    };
    for (int i = 0; i < kCardBodyFields; ++i) {
      char head[4];
      const size_t got = zip.Read(head, sizeof head);
      if (!count(got) || got < sizeof head) break;
      const int32_t length = Bytes4ToInt(std::string_view(head, sizeof head));
      if (length < 0) break;
      // One byte past the cap is enough to tell a body that passes it.
      const int64_t want = length <= left ? length : left + 1;
      std::string& text = body.Fields.emplace_back();
      text.reserve(size_t(std::min(want, kTrustedFieldBytes)));
      const size_t have = zip.AppendTo(text, size_t(want));
      if (!count(have)) break;
      if (int64_t(have) < length) {
        body.LastPartial = true;
        text.shrink_to_fit();
        break;
      }
      if (i == kPictureField && options.OnPicture) options.OnPicture(text);
    }
    // What follows the fields still counts towards the cap and the checksum.
    std::vector<char> rest(size_t(64) << 10);
    while (!tooLarge && !zip.Ended()) {
      const size_t got = zip.Read(rest.data(), rest.size());
      if (!count(got) || got < rest.size()) break;
    }
    if (tooLarge)
      error = err::kOutOfMemory;
    else if (zip.Ended() || field.empty())
      return true;
  } catch (const std::bad_alloc&) {
    error = err::kOutOfMemory;
  } catch (...) {
    error = err::kUnknownFormat;
  }
  body = {};
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
    TBodyFields body;
    if (!UnpackFields(data.substr(zero + 1), options, body, outcome.Error)) return outcome;
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
