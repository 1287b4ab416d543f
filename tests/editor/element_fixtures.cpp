#include "tests/editor/element_fixtures.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "util/files.h"

namespace lumigram::testing {

namespace {

void Put16(std::string& bytes, int value) {
  bytes += char(value & 0xFF);
  bytes += char((value >> 8) & 0xFF);
}

void Put32(std::string& bytes, int64_t value) {
  Put16(bytes, int(value & 0xFFFF));
  Put16(bytes, int((value >> 16) & 0xFFFF));
}

void ClearClipboardFiles(TLumigramCreator& editor) {
  for (const char* type : {"CUR", "ICO", "SND", "MID", "WAV", "MP3", "WMA", "FRM", "LK", "MSG"})
    DeleteFileIfExists(editor.ClipboardFile(type));
}

}  // namespace

std::string SmallCursorFile(TColor colour, bool icon) {
  // The image: a header with the height doubled for the mask, 24-bit rows
  // bottom-up padded to 4 bytes, then the 1-bit mask rows padded likewise.
  std::string dib;
  Put32(dib, 40);
  Put32(dib, 2);
  Put32(dib, 4);
  Put16(dib, 1);
  Put16(dib, 24);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 2; ++x) {
      dib += char((colour >> 16) & 0xFF);
      dib += char((colour >> 8) & 0xFF);
      dib += char(colour & 0xFF);
    }
    dib += std::string(2, '\0');
  }
  dib += std::string(8, '\0');  // every pixel opaque

  std::string file;
  Put16(file, 0);
  Put16(file, icon ? 1 : 2);
  Put16(file, 1);
  file += char(2);
  file += char(2);
  file += char(0);
  file += char(0);
  Put16(file, icon ? 1 : 0);   // planes, or the hot spot's x
  Put16(file, icon ? 24 : 0);  // bits per pixel, or the hot spot's y
  Put32(file, int64_t(dib.size()));
  Put32(file, 22);
  return file + dib;
}

void WriteTestFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string ReadTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void AgeFile(const std::string& path, int seconds) {
  const auto when = std::filesystem::last_write_time(path) - std::chrono::seconds(seconds);
  std::filesystem::last_write_time(path, when);
}

void ElementTest::SetUp() {
  ClearClipboardFiles(*editor);
}

void ElementTest::TearDown() {
  ClearClipboardFiles(*editor);
}

}  // namespace lumigram::testing
