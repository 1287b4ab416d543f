#include "tests/support/private_home.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#ifndef LUMIGRAM_DEFAULT_TEST_HOMES
#error "LUMIGRAM_DEFAULT_TEST_HOMES names the folder the private homes are made in"
#endif
#ifndef LUMIGRAM_SOURCE_TEST_DATA
#error "LUMIGRAM_SOURCE_TEST_DATA names the source tree's tests/data"
#endif

namespace lumigram::testing {
namespace {

std::string& HomeFolder() {
  static std::string folder;
  return folder;
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "test set-up: %s\n", what.c_str());
  std::exit(2);
}

}  // namespace

PrivateHome::PrivateHome(const char* argv0) {
  namespace fs = std::filesystem;
  const char* given = std::getenv("LUMIGRAM_TEST_HOMES");
  const fs::path base = given && *given ? given : LUMIGRAM_DEFAULT_TEST_HOMES;
  std::error_code error;
  fs::create_directories(base, error);
  if (error) Fail("cannot make " + base.string() + ": " + error.message());

  const std::string program = argv0 ? fs::path(argv0).filename().string() : "test";
  std::string pattern = (base / (program + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) Fail("cannot make a private home under " + base.string());
  folder_ = pattern + "/";

  // Short names: sockets made in the runtime folder must fit in 108 bytes.
  const struct {
    const char* Variable;
    const char* Sub;
  } kFolders[] = {{"XDG_CONFIG_HOME", ".config"},
                  {"XDG_DATA_HOME", ".local/share"},
                  {"XDG_CACHE_HOME", ".cache"},
                  {"XDG_RUNTIME_DIR", "run"}};
  for (const auto& row : kFolders) {
    const fs::path folder = fs::path(folder_) / row.Sub;
    fs::create_directories(folder, error);
    if (error) Fail("cannot make " + folder.string() + ": " + error.message());
    ::setenv(row.Variable, (folder.string() + "/").c_str(), 1);
  }
  // The runtime folder must be the user's alone, or programs refuse it.
  fs::permissions(folder_ + "run", fs::perms::owner_all, error);
  ::setenv("HOME", folder_.c_str(), 1);
  ::unsetenv("XDG_CONFIG_DIRS");

  const char* data = std::getenv("LUMIGRAM_TEST_DATA");
  if (!data || !*data) ::setenv("LUMIGRAM_TEST_DATA", LUMIGRAM_SOURCE_TEST_DATA, 1);
  HomeFolder() = folder_;
}

PrivateHome::~PrivateHome() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
  HomeFolder().clear();
}

const std::string& PrivateHome::Folder() {
  return HomeFolder();
}

}  // namespace lumigram::testing
