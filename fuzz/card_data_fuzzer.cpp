// Card data from strangers, loaded as the viewer loads it; what loads whole
// and is small is saved again and loaded by an editor's card.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "card/headless_card_platform.h"
#include "card/lumigram.h"

namespace {

lumigram::TLumigram& Card(bool standalone) {
  static lumigram::THeadlessCardPlatform platform;
  static lumigram::TLumigram viewer(platform, lumigram::TCardWindowKind::Standalone);
  static lumigram::TLumigram editor(platform, lumigram::TCardWindowKind::Embedded);
  static const bool ready = [] {
    // Smaller caps than the program's keep each run quick and small.
    for (lumigram::TLumigram* card : {&viewer, &editor}) card->SetDataCaps(8 << 20, 1024);
    return true;
  }();
  (void)ready;
  return standalone ? viewer : editor;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumigram::TLumigram& viewer = Card(true);
  const bool loaded =
      viewer.LoadFromString(std::string_view(reinterpret_cast<const char*>(data), size));
  const lumigram::TBitmap& picture = viewer.PictureBitmap();
  if (loaded && picture.Width() * picture.Height() <= 256 * 256) {
    std::string saved;
    if (viewer.SaveToString(saved)) Card(false).LoadFromString(saved);
  }
  return 0;
}
