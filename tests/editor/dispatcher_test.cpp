// The dispatcher: codes, queries and the rules every command shares.

#include <gtest/gtest.h>

#include "tests/editor/editor_fixtures.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

TEST(Dispatcher, UnknownCodesFailWithIndexOutOfRange) {
  TEditorOnDouble editor;
  for (int code : {48, 0, 212, 220, 299, 302, 100000, -100000, INT32_MIN}) {
    EXPECT_FALSE(editor->Execute(code)) << code;
    EXPECT_EQ(editor->LastError(), "Index out of range") << code;
  }
}

TEST(Dispatcher, QueriesAnswerWithoutRunningAnything) {
  TEditorOnDouble editor;
  EXPECT_FALSE(editor->Execute(-201));  // nothing to undo on a new card
  EXPECT_FALSE(editor->Execute(-211));  // a new card has no file yet
  EXPECT_FALSE(editor->Execute(-218));  // no password
  EXPECT_TRUE(editor->Execute(-202));   // no query of its own
  EXPECT_TRUE(editor->Execute(-212, TestHome() + "no such file"));
  EXPECT_TRUE(editor.Services.Boxes.empty());
  EXPECT_TRUE(editor.Services.FileDialogs.empty());
}

TEST(Dispatcher, AFalseQueryStopsTheCommandWithTheStartText) {
  TEditorOnDouble editor;
  EXPECT_FALSE(editor->Execute(211));
  EXPECT_EQ(editor->LastError(), "Unexpected error");
  EXPECT_FALSE(editor->Execute(213, TestHome() + "missing/"));
  EXPECT_EQ(editor->LastError(), "Path not found");
  EXPECT_TRUE(editor.Services.Opened.empty());

  // Paste All sets no text of its own: what the last command left stands.
  EXPECT_FALSE(editor->Execute(215));
  EXPECT_EQ(editor->LastError(), "Path not found");
}

TEST(Dispatcher, OpenFolderGoesToTheDesktop) {
  TEditorOnDouble editor;
  EXPECT_TRUE(editor->Execute(213, TestHome()));
  ASSERT_EQ(editor.Services.Opened.size(), 1u);
  EXPECT_EQ(editor.Services.Opened[0], TestHome());

  editor.Services.OpenSucceeds = false;
  EXPECT_FALSE(editor->Execute(213, TestHome()));
  EXPECT_EQ(editor->LastError(), "Task failed");
}

TEST(Dispatcher, CentreIsEnabledOnlyWhenTheWindowIsOffCentre) {
  TEditorOnDouble editor;
  editor.Window().SetBounds(0, 0, 400, 400);
  EXPECT_TRUE(editor->Execute(-203));
  EXPECT_TRUE(editor->Execute(203));
  EXPECT_FALSE(editor->Execute(-203));
  const TRect bounds = editor.Window().Bounds();
  EXPECT_EQ(bounds.Left, (1920 - 400) / 2);
  EXPECT_EQ(bounds.Top, (1080 - 400) / 2);
}

TEST(Dispatcher, PrintGoesThroughTheServices) {
  TEditorOnDouble editor;
  EXPECT_FALSE(editor->Execute(-204));
  EXPECT_FALSE(editor->Execute(-216));
  EXPECT_FALSE(editor->Execute(204));

  editor.Services.PrinterInstalled = true;
  ASSERT_TRUE(editor->Execute(204));
  ASSERT_EQ(editor.Services.Printed.size(), 1u);
  EXPECT_EQ(editor.Services.Printed[0].second.Width(), editor->Card().Composite().Width());

  editor.Services.PrintError = "No printer";
  EXPECT_FALSE(editor->Execute(204));
  EXPECT_EQ(editor->LastError(), "No printer");

  ASSERT_TRUE(editor->Execute(216));
  ASSERT_TRUE(editor.Services.Clipboard.has_value());
  EXPECT_EQ(editor.Services.Clipboard->Height(), editor->Card().Composite().Height());
  editor.Services.ClipboardWritable = false;
  EXPECT_FALSE(editor->Execute(216));
  EXPECT_EQ(editor->LastError(), "Task failed");
}

TEST(Dispatcher, ShowLastErrorUsesTheErrorBox) {
  TEditorOnDouble editor;
  editor->Execute(48);
  editor->ShowLastError();
  ASSERT_EQ(editor.Services.Boxes.size(), 1u);
  EXPECT_EQ(editor.Services.Boxes[0].Kind, TEditorServicesDouble::TBox::Error);
  EXPECT_EQ(editor.Services.Boxes[0].Text, "Index out of range");
}

TEST(Editor, TickComesAtMostEveryFiftyMilliseconds) {
  TEditorOnDouble editor;
  int ticks = 0;
  editor->OnTick = [&](TLumigramCreator&) { ++ticks; };
  editor.Now += 49;
  editor->Tick();
  EXPECT_EQ(ticks, 0);
  editor.Now += 1;
  editor->Tick();
  EXPECT_EQ(ticks, 1);
  editor->Tick();
  EXPECT_EQ(ticks, 1);
  editor.Now += 50;
  editor->Tick();
  EXPECT_EQ(ticks, 2);
}

TEST(Editor, BusyStateFollowsTheCardBothWays) {
  TEditorOnDouble editor;
  int busyChanges = 0;
  editor->OnBusyChanged = [&](TLumigramCreator&) { ++busyChanges; };
  editor->SetBusy(true);
  EXPECT_TRUE(editor->Card().Busy());
  EXPECT_TRUE(editor.Window().BusyCursor);
  EXPECT_EQ(busyChanges, 1);
  editor->SetBusy(true);
  EXPECT_EQ(busyChanges, 1);

  // The card turning busy by itself (printing) reaches the main window too.
  editor->Card().SetBusy(false);
  EXPECT_FALSE(editor->Busy());
  EXPECT_EQ(busyChanges, 2);
}

TEST(Editor, StartsWithASavedUntitledCardInEmbeddedMode) {
  TEditorOnDouble editor;
  EXPECT_TRUE(editor->Saved());
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_EQ(editor->CardName(), "Untitled.exe");
  EXPECT_FALSE(editor->Card().Standalone());
  EXPECT_EQ(editor.Window().Kind, TCardWindowKind::Embedded);
  EXPECT_FALSE(editor.Window().IsVisible);
  EXPECT_FALSE(editor->Card().Info().CreatorInfo.empty());
  EXPECT_EQ(editor.Services.StyleCode.Settings.Caption, "Custom Frame Style Code");
  EXPECT_FALSE(editor.Services.StyleCode.Settings.WordWrap);
  EXPECT_EQ(editor.Services.StyleCode.Content, editor.Info().Frame.Code);
}

}  // namespace
}  // namespace lumigram::testing
