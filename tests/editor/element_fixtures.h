#pragma once
// What the element command tests share: an editor whose clipboard transfer
// files start out absent, files written and read back in a scratch folder,
// and a small cursor file built byte by byte.

#include <gtest/gtest.h>

#include <string>

#include "tests/editor/editor_fixtures.h"
#include "tests/support/scratch_folder.h"

namespace lumigram::testing {

// A 2 x 2 cursor (".cur") or icon (".ico") file of one colour.
std::string SmallCursorFile(TColor colour, bool icon = false);

void WriteTestFile(const std::string& path, const std::string& bytes);
std::string ReadTestFile(const std::string& path);
// Moves the file's last-write time into the past.
void AgeFile(const std::string& path, int seconds);

class ElementTest : public ::testing::Test {
 protected:
  // Every test starts with no clipboard transfer file of any element.
  void SetUp() override;
  void TearDown() override;

  // Undo is possible and would restore an element of the kind.
  bool UndoKindIs(int kind) { return editor->CanUndo() && editor->UndoSnapshot().Kind == kind; }

  TEditorOnDouble editor;
  ScratchFolder folder;
};

}  // namespace lumigram::testing
