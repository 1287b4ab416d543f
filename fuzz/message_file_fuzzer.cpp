// Message files from strangers; a whole one is written and read again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "card/message_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumigram::TLumigramInfo info;
  const auto result =
      lumigram::ReadMessageFile(std::string_view(reinterpret_cast<const char*>(data), size), info);
  if (result == lumigram::TMessageFileResult::Complete) {
    lumigram::TLumigramInfo again;
    if (lumigram::ReadMessageFile(lumigram::WriteMessageFile(info), again) !=
            lumigram::TMessageFileResult::Complete ||
        again.Font != info.Font || again.HAlign != info.HAlign || again.VAlign != info.VAlign)
      std::abort();
  }
  return 0;
}
