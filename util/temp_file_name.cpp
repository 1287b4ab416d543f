#include "util/temp_file_name.h"

#include <atomic>
#include <climits>

#include "util/os/file.h"
#include "util/os/process.h"
#include "util/os/temp_folder.h"

namespace lumigram {

std::string PrivateTempFolder() {
  return os::PrivateTempFolder();
}

std::string MakeTempFileName(const std::string& ext) {
  static std::atomic<int> counter{0};
  const std::string folder = PrivateTempFolder();
  if (folder.empty()) return {};
  const std::string prefix = folder + std::to_string(os::OwnProcessId()) + "-";
  // A name may be left over from an earlier process with our id; skip it.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    int n = counter.load();
    while (!counter.compare_exchange_weak(n, n == INT_MAX ? 0 : n + 1)) {
    }
    const std::string name = prefix + std::to_string(n) + "." + ext;
    os::TFile file;
    if (file.Open(name, os::TOpenMode::CreateNewPrivate)) return name;
    if (!file.AlreadyExisted()) return {};
  }
  return {};
}

}  // namespace lumigram
