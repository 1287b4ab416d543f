// Link objects from the clipboard; one that reads is written and read again
// to the same link.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "card/links.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumigram::TLinkObject link;
  if (lumigram::ReadLinkObject(std::string_view(reinterpret_cast<const char*>(data), size), link)) {
    lumigram::TLinkObject again;
    if (!lumigram::ReadLinkObject(lumigram::WriteLinkObject(link), again) ||
        again.Link != link.Link || again.LinkColor != link.LinkColor)
      std::abort();
    std::string target;
    lumigram::IsSafeLink(link.Link, target);
  }
  return 0;
}
