#include "storage/component_stream.h"

namespace lumigram {

namespace {

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};

enum TValueTag : uint8_t {
  kNull = 0x00,
  kInt8 = 0x02,
  kInt16 = 0x03,
  kInt32 = 0x04,
  kShortString = 0x06,
  kLongString = 0x0C,
};

void WriteByte(TStream& stream, uint8_t byte) {
  stream.WriteBuffer(&byte, 1);
}

void WriteLittleEndian(TStream& stream, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) WriteByte(stream, uint8_t(value >> (8 * i)));
}

void WriteShortString(TStream& stream, std::string_view text) {
  if (text.size() > 255) throw EStreamError("Short string too long");
  WriteByte(stream, uint8_t(text.size()));
  stream.WriteBuffer(text.data(), int64_t(text.size()));
}

void WriteValue(TStream& stream, const TStreamedProperty& property) {
  if (property.Kind == TStreamedProperty::TKind::String) {
    if (property.Text.size() <= 255) {
      WriteByte(stream, kShortString);
      WriteShortString(stream, property.Text);
    } else {
      WriteByte(stream, kLongString);
      WriteLittleEndian(stream, uint32_t(property.Text.size()), 4);
      stream.WriteBuffer(property.Text.data(), int64_t(property.Text.size()));
    }
    return;
  }
  const int32_t n = property.Integer;
  if (n >= INT8_MIN && n <= INT8_MAX) {
    WriteByte(stream, kInt8);
    WriteLittleEndian(stream, uint32_t(n), 1);
  } else if (n >= INT16_MIN && n <= INT16_MAX) {
    WriteByte(stream, kInt16);
    WriteLittleEndian(stream, uint32_t(n), 2);
  } else {
    WriteByte(stream, kInt32);
    WriteLittleEndian(stream, uint32_t(n), 4);
  }
}

// Reads exactly count bytes, refusing counts larger than what is left so that
// a forged length never turns into a large allocation.
bool ReadExactly(TStream& stream, int64_t count, std::string& bytes) {
  if (count < 0 || count > stream.Remaining()) return false;
  bytes.resize(size_t(count));
  return stream.Read(bytes.data(), count) == count;
}

bool ReadByte(TStream& stream, uint8_t& byte) {
  return stream.Read(&byte, 1) == 1;
}

bool ReadLittleEndian(TStream& stream, int bytes, uint32_t& value) {
  uint8_t raw[4] = {};
  if (stream.Read(raw, bytes) != bytes) return false;
  value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | raw[i];
  return true;
}

bool ReadShortString(TStream& stream, std::string& text) {
  uint8_t length = 0;
  return ReadByte(stream, length) && ReadExactly(stream, length, text);
}

bool ReadValue(TStream& stream, TStreamedProperty& property) {
  uint8_t tag = 0;
  if (!ReadByte(stream, tag)) return false;
  uint32_t raw = 0;
  property.Kind = TStreamedProperty::TKind::Integer;
  switch (tag) {
    case kInt8:
      if (!ReadLittleEndian(stream, 1, raw)) return false;
      property.Integer = int8_t(raw);
      return true;
    case kInt16:
      if (!ReadLittleEndian(stream, 2, raw)) return false;
      property.Integer = int16_t(raw);
      return true;
    case kInt32:
      if (!ReadLittleEndian(stream, 4, raw)) return false;
      property.Integer = int32_t(raw);
      return true;
    case kShortString:
      property.Kind = TStreamedProperty::TKind::String;
      return ReadShortString(stream, property.Text);
    case kLongString:
      property.Kind = TStreamedProperty::TKind::String;
      return ReadLittleEndian(stream, 4, raw) && ReadExactly(stream, int32_t(raw), property.Text);
    default:
      return false;
  }
}

}  // namespace

TStreamedProperty TStreamedProperty::OfInteger(std::string name, int32_t value) {
  TStreamedProperty property;
  property.Name = std::move(name);
  property.Integer = value;
  return property;
}

TStreamedProperty TStreamedProperty::OfString(std::string name, std::string value) {
  TStreamedProperty property;
  property.Name = std::move(name);
  property.Kind = TKind::String;
  property.Text = std::move(value);
  return property;
}

const TStreamedProperty* TComponentRecord::Find(std::string_view name) const {
  for (const TStreamedProperty& property : Properties)
    if (property.Name == name) return &property;
  return nullptr;
}

void WriteComponent(TStream& stream, const TComponentRecord& record) {
  stream.WriteBuffer(kSignature, sizeof kSignature);
  WriteShortString(stream, record.ClassName);
  WriteShortString(stream, record.ComponentName);
  for (const TStreamedProperty& property : record.Properties) {
    WriteShortString(stream, property.Name);
    WriteValue(stream, property);
  }
  WriteByte(stream, kNull);  // end of the properties
  WriteByte(stream, kNull);  // end of the (empty) child list
}

std::string ComponentToBytes(const TComponentRecord& record) {
  TMemoryStream stream;
  WriteComponent(stream, record);
  return stream.TakeData();
}

bool ReadComponent(TStream& stream, TComponentRecord& record, std::string_view expectedClass) {
  record = {};
  std::string signature;
  if (!ReadExactly(stream, 4, signature) || signature != std::string_view(kSignature, 4))
    return false;
  if (!ReadShortString(stream, record.ClassName)) return false;
  if (!expectedClass.empty() && record.ClassName != expectedClass) return false;
  if (!ReadShortString(stream, record.ComponentName)) return false;
  for (;;) {
    TStreamedProperty property;
    // A property name is a short string; its length byte 0 ends the list.
    if (!ReadShortString(stream, property.Name)) return false;
    if (property.Name.empty()) break;
    if (!ReadValue(stream, property)) return false;
    record.Properties.push_back(std::move(property));
  }
  uint8_t children = 0;
  return ReadByte(stream, children) && children == kNull;
}

}  // namespace lumigram
