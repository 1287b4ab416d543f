#pragma once
// A private home for a whole test program: HOME and the XDG folders point
// into one scratch folder for the run, so tests never touch the user's
// library, settings or temporary files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/scratch_folder.h"

namespace lumigram::testing {

class PrivateHomeEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    home_ = std::make_unique<ScratchFolder>();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
      const std::string folder = home_->Path() + name + "/";
      std::filesystem::create_directories(folder);
      std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
      ::setenv(name, (std::string(name) == "HOME" ? home_->Path() : folder).c_str(), 1);
    }
    ::unsetenv("XDG_CONFIG_DIRS");
    Home() = home_->Path();
  }
  void TearDown() override { home_.reset(); }

  static std::string& Home() {
    static std::string home;
    return home;
  }

 private:
  std::unique_ptr<ScratchFolder> home_;
};

}  // namespace lumigram::testing
