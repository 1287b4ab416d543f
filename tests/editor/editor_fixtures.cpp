#include "tests/editor/editor_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "imaging/bmp_file.h"
#include "storage/pack_string.h"
#include "tests/support/scratch_folder.h"
#include "util/fields.h"

namespace lumigram::testing {

namespace {

class EditorEnvironment : public ::testing::Environment {
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
    ::testing::AddGlobalTestEnvironment(new EditorEnvironment);

}  // namespace

const std::string& TestHome() {
  return EditorEnvironment::Home();
}

std::string FakeViewerImage() {
  std::string image(size_t(kCardDataOffset) - 1000, '\0');
  for (size_t i = 0; i < image.size(); ++i) image[i] = char('A' + i % 23);
  return image;
}

std::string PictureBytes(int width, int height, TColor colour) {
  TBitmap bitmap;
  bitmap.SetSize(width, height, colour);
  std::string bmp = WriteBmpFile(bitmap);
  std::string error;
  PackString(bmp, error);
  std::string bytes = "OMIV1.0";
  bytes += '\0';
  for (const char* info : {"", "", ""}) AppendField(bytes, info);
  AppendField(bytes, "BMP");
  AppendField(bytes, bmp);
  return bytes;
}

TEditorOnDouble::TEditorOnDouble() {
  Editor = std::make_unique<TLumigramCreator>(Platform, Services, [this] { return Now; });
  Editor->SetViewerImage(FakeViewerImage());
  Editor->OnChanged = [this](TLumigramCreator&) { ++Changes; };
}

TEditorOnDouble::~TEditorOnDouble() {
  Editor.reset();
}

}  // namespace lumigram::testing
