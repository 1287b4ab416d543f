#include "tests/card/card_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "imaging/bmp/bmp_file.h"
#include "storage/pack_string.h"
#include "tests/support/fixture_file.h"
#include "tests/support/picture_bytes.h"
#include "tests/support/private_home.h"
#include "tests/support/scratch_folder.h"
#include "util/fields.h"

namespace lumigram::testing {

const std::string& TestHome() {
  return PrivateHome::Folder();
}

std::string TestDataFile(const std::string& relative) {
  const char* root = std::getenv("LUMIGRAM_TEST_DATA");
  return ExistingFixture(std::string(root ? root : LUMIGRAM_SOURCE_TEST_DATA) + "/" + relative);
}

std::string PictureBytes(int width, int height, TColor colour) {
  TBitmap bitmap;
  bitmap.SetSize(width, height, colour);
  return OptimisedImageBytes(bitmap);
}

TCardOnDouble::TCardOnDouble(bool standalone) {
  Card = std::make_unique<TLumigram>(
      Platform, standalone ? TCardWindowKind::Standalone : TCardWindowKind::Embedded);
}

}  // namespace lumigram::testing
