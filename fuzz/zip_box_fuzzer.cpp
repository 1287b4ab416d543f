// Zip box loading on arbitrary bytes, then every item decoded, looked up and
// written back: a box saved and loaded again must hold the same items.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "storage/box_path.h"
#include "storage/zip_box.h"

namespace {

bool SameItem(const lumigram::TBoxItem& a, const lumigram::TBoxItem& b) {
  return a.pName == b.pName && a.pPath == b.pPath && a.pSize == b.pSize && a.pSizeB == b.pSizeB &&
         a.pM == b.pM && a.pD == b.pD && a.ComponentName == b.ComponentName;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumigram;
  TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
  TZipBox box;
  box.MaxItemBytes = int64_t(8) << 20;  // keeps runs quick
  if (!box.LoadFromStream(stream, false)) return 0;
  for (int i = 0; i < box.Count(); ++i) {
    const TBoxItem* item = box.Items(i);
    // A load keeps no two items with the same name and folder.
    if (box.Find(item->pName, item->pPath) != i) std::abort();
    TMemoryStream decoded;
    if (box.GetData(item, decoded) && decoded.Size() > box.MaxItemBytes) std::abort();
    // A folder that is let through stays below the target.
    std::string relative;
    if (BoxPathToRelative(item->pPath, relative)) {
      if (!relative.empty() && relative[0] == '/') std::abort();
      if (("/" + relative).find("/../") != std::string::npos) std::abort();
    }
  }
  TMemoryStream saved;
  if (!box.SaveToStream(saved)) std::abort();
  saved.SetPosition(0);
  TZipBox again;
  if (!again.LoadFromStream(saved, false) || again.Count() != box.Count()) std::abort();
  for (int i = 0; i < box.Count(); ++i)
    if (!SameItem(*box.Items(i), *again.Items(i))) std::abort();
  return 0;
}
