// Clipboard transfer files: shared with other programs, so read as untrusted.

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/editor/editor_fixtures.h"
#include "util/files.h"
#include "util/paths.h"

namespace lumigram::testing {
namespace {

TEST(ClipboardFiles, WriteReplacesAndReadReturnsTheBytes) {
  TEditorOnDouble editor;
  EXPECT_EQ(editor->ClipboardFile("CUR"),
            TPaths::Shared().MakerFolder("Clipboard") + "clipboard-object-CUR.CUR");
  ASSERT_TRUE(editor->WriteClipboardFile("CUR", "first"));
  ASSERT_TRUE(editor->WriteClipboardFile("CUR", "second"));
  EXPECT_TRUE(editor->ClipboardFileExists("CUR"));
  std::string bytes;
  ASSERT_TRUE(editor->ReadClipboardFile("CUR", bytes, 100));
  EXPECT_EQ(bytes, "second");
  DeleteFileIfExists(editor->ClipboardFile("CUR"));
}

TEST(ClipboardFiles, ReadIsCapped) {
  TEditorOnDouble editor;
  ASSERT_TRUE(editor->WriteClipboardFile("MSG", std::string(1000, 'x')));
  std::string bytes = "stale";
  EXPECT_FALSE(editor->ReadClipboardFile("MSG", bytes, 999));
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(editor->LastError(), "Out of memory");
  DeleteFileIfExists(editor->ClipboardFile("MSG"));
  EXPECT_FALSE(editor->ReadClipboardFile("MSG", bytes, 999));
  EXPECT_EQ(editor->LastError(), "File not found");
}

TEST(ClipboardFiles, TypesCannotNameFilesOutsideTheClipboardFolder) {
  TEditorOnDouble editor;
  for (const std::string& type : {std::string(), std::string("../x"), std::string("a/b"),
                                  std::string("CUR."), std::string(40, 'A')}) {
    EXPECT_TRUE(editor->ClipboardFile(type).empty()) << type;
    EXPECT_FALSE(editor->ClipboardFileExists(type));
    EXPECT_FALSE(editor->WriteClipboardFile(type, "x"));
  }
}

TEST(ClipboardFiles, AnOldFileThatStaysIsFileInUse) {
  TEditorOnDouble editor;
  const std::string file = editor->ClipboardFile("LK");
  ForceFolder(file + "/");  // a folder where the file should be
  EXPECT_FALSE(editor->WriteClipboardFile("LK", "x"));
  EXPECT_EQ(editor->LastError(), "File in use");
  ::rmdir(file.c_str());
}

}  // namespace
}  // namespace lumigram::testing
