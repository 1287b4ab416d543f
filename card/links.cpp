#include "card/links.h"

#include <algorithm>
#include <cstdint>

#include "storage/component_stream.h"
#include "util/stream.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";
constexpr std::string_view kMailto = "mailto:";
constexpr std::string_view kLinkClass = "TLinkIO";

bool StartsWithAscii(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameTextAscii(text.substr(0, prefix.size()), prefix);
}

// Strips the schemes; secure tells whether the last one removed was https.
std::string_view Bare(std::string_view address, bool* secure) {
  for (;;) {
    if (StartsWithAscii(address, kHttp)) {
      address.remove_prefix(kHttp.size());
      if (secure) *secure = false;
    } else if (StartsWithAscii(address, kHttps)) {
      address.remove_prefix(kHttps.size());
      if (secure) *secure = true;
    } else if (StartsWithAscii(address, kMailto)) {
      address.remove_prefix(kMailto.size());
      if (secure) *secure = false;
    } else {
      return address;
    }
  }
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

}  // namespace

std::string StripScheme(std::string_view address, bool cutQuery) {
  std::string_view bare = Bare(address, nullptr);
  if (cutQuery) bare = bare.substr(0, bare.find('?'));
  return std::string(bare);
}

std::string LinkCaption(std::string_view address) {
  return StripScheme(address, true);
}

std::string CompleteLink(std::string_view typed) {
  bool secure = false;
  const std::string_view bare = Bare(typed, &secure);
  const bool hasSlash = bare.find_first_of("/\\") != std::string_view::npos;
  const bool mail = !hasSlash && std::count(bare.begin(), bare.end(), '@') == 1;
  if (mail) return std::string(kMailto) + std::string(bare);
  return std::string(secure ? kHttps : kHttp) + std::string(bare);
}

bool IsSafeLink(std::string_view link, std::string& target) {
  while (!link.empty() && IsBlank(link.front())) link.remove_prefix(1);
  while (!link.empty() && IsBlank(link.back())) link.remove_suffix(1);
  const bool control = std::any_of(link.begin(), link.end(),
                                   [](char c) { return uint8_t(c) < 0x20 || uint8_t(c) == 0x7F; });
  if (control) return false;
  if (!StartsWithAscii(link, kHttp) && !StartsWithAscii(link, kHttps) &&
      !StartsWithAscii(link, kMailto))
    return false;
  target = std::string(link);
  return true;
}

std::string WriteLinkObject(const TLinkObject& link) {
  TComponentRecord record;
  record.ClassName = kLinkClass;
  if (!link.Link.empty())
    record.Properties.push_back(TStreamedProperty::OfString("Link", link.Link));
  record.Properties.push_back(TStreamedProperty::OfInteger("LinkColor", int32_t(link.LinkColor)));
  return ComponentToBytes(record);
}

bool ReadLinkObject(std::string_view bytes, TLinkObject& link) {
  TMemoryStream stream{std::string(bytes)};
  TComponentRecord record;
  if (!ReadComponent(stream, record, kLinkClass)) return false;
  // A fresh object's values where the stream names none.
  TLinkObject read;
  for (const TStreamedProperty& property : record.Properties) {
    using TKind = TStreamedProperty::TKind;
    if (property.Name == "Link" && property.Kind == TKind::String)
      read.Link = property.Text;
    else if (property.Name == "LinkColor" && property.Kind == TKind::Integer)
      read.LinkColor = TColor(property.Integer);
    else
      return false;
  }
  link = std::move(read);
  return true;
}

}  // namespace lumigram
