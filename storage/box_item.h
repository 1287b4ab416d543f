#pragma once
// One item of a zip box: the bytes of one file with its name and folder,
// streamed as a "TBoxItem" component record.

#include <cstdint>
#include <string>
#include <string_view>

#include "util/stream.h"

namespace lumigram {

inline constexpr uint8_t kMethodStored = 0;
inline constexpr uint8_t kMethodZlib = 1;

struct TBoxItem {
  std::string pName;           // file name with extension; compared ignoring case
  std::string pPath;           // folder inside the box, ending in "\": "\" for the root
  int32_t pSize = 0;           // size of the file; informational
  int32_t pSizeB = 0;          // size of pD; informational
  uint8_t pM = kMethodStored;  // 0 stored as is, 1 zlib stream
  std::string pD;
  std::string ComponentName;  // streamed, ignored when reading
};

// Reads one record from the stream's position into item. False on anything
// but a whole TBoxItem record whose properties are all known and of their
// own kind; the stream position is then undefined.
bool ReadBoxItem(TStream& stream, TBoxItem& item);

// Writes every property in the order above, pD last. Raises EStreamError when
// the stream refuses the bytes.
void WriteBoxItem(TStream& stream, const TBoxItem& item);

// An item holding a file's bytes, stored or deflated at the fastest level.
// False with "Unsupported encoding" for another method, "Out of memory" when
// the bytes are too large for the size fields.
bool MakeBoxItem(std::string_view name, std::string_view path, std::string_view bytes,
                 uint8_t method, TBoxItem& item, std::string& error);

}  // namespace lumigram
