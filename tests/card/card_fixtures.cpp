#include "tests/card/card_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "imaging/bmp_file.h"
#include "storage/pack_string.h"
#include "tests/support/picture_bytes.h"
#include "tests/support/scratch_folder.h"
#include "util/fields.h"

namespace lumigram::testing {

namespace {

class CardEnvironment : public ::testing::Environment {
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

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new CardEnvironment);

}  // namespace

const std::string& TestHome() {
  return CardEnvironment::Home();
}

std::string TestDataFile(const std::string& relative) {
  const char* root = std::getenv("LUMIGRAM_TEST_DATA");
  return std::string(root ? root : LUMIGRAM_SOURCE_TEST_DATA) + "/" + relative;
}

std::string PictureBytes(int width, int height, TColor colour) {
  TBitmap bitmap;
  bitmap.SetSize(width, height, colour);
  return OptimisedImageBytes(bitmap);
}

TCardOnDouble::TCardOnDouble(bool standalone) {
  Card = std::make_unique<TLumigram>(
      Platform, standalone ? TCardWindowKind::Standalone : TCardWindowKind::Embedded);
  Card->SetStandalone(standalone);
}

}  // namespace lumigram::testing
