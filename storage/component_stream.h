#pragma once
// The binary component streaming format that zip box items, link objects and
// the main language file are written in:
//   "TPF0", class name (short string), component name (short string),
//   properties (name as short string, value tag, value)..., 0, 0 (no children).
// Values are integers (tags 2, 3, 4: 1, 2 or 4 bytes little-endian, signed)
// or byte strings (tag 6: one length byte; tag 0x0C: four length bytes).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "util/stream.h"

namespace lumigram {

struct TStreamedProperty {
  enum class TKind { Integer, String };
  std::string Name;
  TKind Kind = TKind::Integer;
  int32_t Integer = 0;
  std::string Text;

  static TStreamedProperty OfInteger(std::string name, int32_t value);
  static TStreamedProperty OfString(std::string name, std::string value);
};

struct TComponentRecord {
  std::string ClassName;
  std::string ComponentName;
  std::vector<TStreamedProperty> Properties;  // in stream order

  // The first property of that name (exact case), or nullptr.
  const TStreamedProperty* Find(std::string_view name) const;
};

// Writes one record at the stream's position; integers take the smallest tag
// that holds them, strings of up to 255 bytes the short tag.
void WriteComponent(TStream& stream, const TComponentRecord& record);
std::string ComponentToBytes(const TComponentRecord& record);

// Reads one record from the stream's position. False (stream position then
// undefined) on a wrong signature, an unknown tag, a child component, or any
// length that runs past the bytes left; nothing is allocated beyond what the
// stream actually holds. An expectedClass that is not empty must match.
bool ReadComponent(TStream& stream, TComponentRecord& record, std::string_view expectedClass = {});

}  // namespace lumigram
