// The dispatcher: codes, queries and the rules every command shares.

#include <gtest/gtest.h>

#include "tests/editor/editor_fixtures.h"

namespace lumigram::testing {
namespace {

TEST(Dispatcher, UnknownCodesFailWithIndexOutOfRange) {
  TEditorOnDouble editor;
  for (int code : {48, 0, 212, 220, 299, 302, 100000, -100000}) {
    EXPECT_FALSE(editor->Execute(code)) << code;
    EXPECT_EQ(editor->LastError(), "Index out of range") << code;
  }
}

}  // namespace
}  // namespace lumigram::testing
