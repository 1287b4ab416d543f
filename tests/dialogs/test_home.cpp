// Every test of the windows runs with a private home, so that neither our
// settings nor Qt's dialog history reach the real one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "tests/support/scratch_folder.h"

namespace lumigram::testing {
namespace {

class PrivateHome : public ::testing::Environment {
 public:
  void SetUp() override {
    home_ = std::make_unique<ScratchFolder>();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
      const std::string folder = home_->Path() + name + "/";
      std::filesystem::create_directories(folder);
      std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
      ::setenv(name, folder.c_str(), 1);
    }
    ::setenv("HOME", home_->Path().c_str(), 1);
    ::unsetenv("XDG_CONFIG_DIRS");
  }
  void TearDown() override { home_.reset(); }

 private:
  std::unique_ptr<ScratchFolder> home_;
};

[[maybe_unused]] ::testing::Environment* const kPrivateHome =
    ::testing::AddGlobalTestEnvironment(new PrivateHome);

}  // namespace
}  // namespace lumigram::testing
