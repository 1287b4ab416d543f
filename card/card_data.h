#pragma once
// The card data stream, the tail of every card file: "LG1.0", a zero byte,
// then one packed field whose unpacked bytes are the card's 21 fields.
// Author and creator texts are scrambled; an editing password is kept as
// its hash.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "card/lumigram_info.h"

namespace lumigram {

// The most a card body may unpack to: room for the message bitmap of the
// largest picture the editor makes, with its sound; a forged stream cannot
// claim more memory than this.
inline constexpr int64_t kMaxCardBodyBytes = int64_t(1536) << 20;
// The magic is looked for among this many first bytes.
inline constexpr size_t kCardMagicSearch = 20;

// The whole stream for the record's stored fields, with messageBitmapFile
// (a BMP file) as field 17. False with "Out of memory" and empty data on
// failure.
bool WriteCardData(const TLumigramInfo& info, std::string_view messageBitmapFile, std::string& data,
                   std::string& error);

struct TCardReadOptions {
  // Asked when the stream carries a password; true when the user gave the
  // right one. Unset: nobody is asked (the viewer).
  std::function<bool(double password)> CheckPassword;
  // Given the picture's bytes as soon as they are inflated, before the rest
  // of the body (a sound, the message bitmap), so that the caller can decode
  // them meanwhile; the record holds them only if the read gets that far
  // without a fault. Must not raise.
  std::function<void(std::string_view picture)> OnPicture;
  int64_t MaxBodyBytes = kMaxCardBodyBytes;
};

struct TCardReadOutcome {
  // The magic was "LG1.0": the record was reset and read into.
  bool MagicMatched = false;
  // All 21 fields were read.
  bool Complete = false;
  // "Unknown format", "Out of memory" or "Access denied" when not Complete.
  std::string Error;
  // Field 17, the message bitmap's BMP file, and field 18, the creator
  // text unscrambled, when they were reached; the record takes neither, since
  // only a standalone card uses them.
  bool HasMessageBitmap = false;
  std::string MessageBitmapFile;
  bool HasCreatorInfo = false;
  std::string CreatorInfo;
};

// Resets the record to its defaults (CreatorInfo kept) and reads the stream
// into it, field by field; a failing field ends the reading and keeps what
// was read before it. A wrong magic leaves the defaults. A refused password
// leaves the defaults and Password.
TCardReadOutcome ReadCardData(std::string_view data, TLumigramInfo& info,
                              const TCardReadOptions& options = {});

}  // namespace lumigram
