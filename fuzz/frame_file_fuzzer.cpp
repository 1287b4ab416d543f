// Frame and frame style files, fed arbitrary bytes: the file holder and the
// preview picture that the open dialog runs on whatever file it is shown.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frames/frame_file.h"
#include "frames/frame_viewer.h"
#include "util/general_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumigram;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TFrame frame;
  if (frame.FromBytes(bytes)) {
    // Whatever loads must write out and load back the same.
    std::string again;
    if (!frame.ToBytes(kFrameFileMagic, again)) std::abort();
    TFrame copy;
    if (!copy.FromBytes(again) || !(copy.Settings() == frame.Settings())) std::abort();
  }
  TFrameViewer viewer;
  TMemoryStream stream{std::string(bytes)};
  try {
    viewer.LoadFromStream(stream);
  } catch (const EGeneralError&) {
  }
  return 0;
}
