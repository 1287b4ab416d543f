#include "storage/box_item.h"

#include <limits>

#include "storage/component_stream.h"
#include "storage/zlib_codec.h"
#include "util/error_texts.h"

namespace lumigram {

namespace {

constexpr const char* kClassName = "TBoxItem";

using TKind = TStreamedProperty::TKind;

bool SetProperty(TBoxItem& item, const TStreamedProperty& property) {
  const bool text = property.Kind == TKind::String;
  if (property.Name == "pName" && text) {
    item.pName = property.Text;
  } else if (property.Name == "pPath" && text) {
    item.pPath = property.Text;
  } else if (property.Name == "pD" && text) {
    item.pD = property.Text;
  } else if (property.Name == "pSize" && !text) {
    item.pSize = property.Integer;
  } else if (property.Name == "pSizeB" && !text) {
    item.pSizeB = property.Integer;
  } else if (property.Name == "pM" && !text && property.Integer >= 0 && property.Integer <= 255) {
    item.pM = uint8_t(property.Integer);
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool ReadBoxItem(TStream& stream, TBoxItem& item) {
  TComponentRecord record;
  if (!ReadComponent(stream, record, kClassName)) return false;
  TBoxItem read;
  read.ComponentName = std::move(record.ComponentName);
  for (const TStreamedProperty& property : record.Properties)
    if (!SetProperty(read, property)) return false;
  item = std::move(read);
  return true;
}

void WriteBoxItem(TStream& stream, const TBoxItem& item) {
  TComponentRecord record{kClassName, item.ComponentName, {}};
  record.Properties = {TStreamedProperty::OfString("pName", item.pName),
                       TStreamedProperty::OfString("pPath", item.pPath),
                       TStreamedProperty::OfInteger("pSize", item.pSize),
                       TStreamedProperty::OfInteger("pSizeB", item.pSizeB),
                       TStreamedProperty::OfInteger("pM", item.pM),
                       TStreamedProperty::OfString("pD", item.pD)};
  WriteComponent(stream, record);
}

bool MakeBoxItem(std::string_view name, std::string_view path, std::string_view bytes,
                 uint8_t method, TBoxItem& item, std::string& error) {
  error = err::kUnsupportedEncoding;
  if (method != kMethodStored && method != kMethodZlib) return false;
  error = err::kOutOfMemory;
  constexpr size_t kLargest = size_t(std::numeric_limits<int32_t>::max());
  try {
    if (bytes.size() > kLargest) return false;
    TBoxItem made;
    made.pName = name;
    made.pPath = path;
    made.pSize = int32_t(bytes.size());
    made.pM = method;
    made.pD =
        method == kMethodZlib ? DeflateAll(bytes, TCompressionLevel::Fastest) : std::string(bytes);
    if (made.pD.size() > kLargest) return false;
    made.pSizeB = int32_t(made.pD.size());
    item = std::move(made);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace lumigram
