// Runs the fuzz entry once per file named on the command line (folders are
// walked), without libFuzzer, so a finding can be replayed under a debugger.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "tests/support/private_home.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  // The readers may keep settings; like every test, a replay keeps them to
  // a home of its own.
  lumigram::testing::PrivateHome home(argc > 0 ? argv[0] : nullptr);
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path(argv[i]);
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
        if (entry.is_regular_file()) {
          Replay(entry.path());
          ++replayed;
        }
    } else if (std::filesystem::exists(path)) {
      Replay(path);
      ++replayed;
    }
  }
  std::cout << "replayed " << replayed << " inputs\n";
  return 0;
}
