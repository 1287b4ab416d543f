#include "tests/editor/editor_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "imaging/bmp/bmp_file.h"
#include "storage/pack_string.h"
#include "tests/support/picture_bytes.h"
#include "tests/support/private_home.h"
#include "tests/support/scratch_folder.h"
#include "util/fields.h"

namespace lumigram::testing {

const std::string& TestHome() {
  return PrivateHome::Folder();
}

std::string FakeViewerImage() {
  std::string image(size_t(kCardDataOffset) - 1000, '\0');
  for (size_t i = 0; i < image.size(); ++i) image[i] = char('A' + i % 23);
  return image;
}

std::string PictureBytes(int width, int height, TColor colour) {
  TBitmap bitmap;
  bitmap.SetSize(width, height, colour);
  return OptimisedImageBytes(bitmap);
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
