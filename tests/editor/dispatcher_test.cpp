// The dispatcher: codes, queries and the rules every command shares.

#include <gtest/gtest.h>

#include "editor/command_codes.h"
#include "tests/editor/editor_fixtures.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

TEST(Dispatcher, UnknownCodesFailWithIndexOutOfRange) {
  TEditorOnDouble editor;
  for (int code : {kNoSuchCommand, 0, kIsCardFile, 220, 299, 302, 100000, -100000, INT32_MIN}) {
    EXPECT_FALSE(editor->Execute(code)) << code;
    EXPECT_EQ(editor->LastError(), "Index out of range") << code;
  }
}

TEST(Dispatcher, QueriesAnswerWithoutRunningAnything) {
  TEditorOnDouble editor;
  EXPECT_FALSE(editor->Execute(-kUndo));            // nothing to undo on a new card
  EXPECT_FALSE(editor->Execute(-kSaveCard));        // a new card has no file yet
  EXPECT_FALSE(editor->Execute(-kRemovePassword));  // no password
  EXPECT_TRUE(editor->Execute(-kNewCard));          // no query of its own
  EXPECT_TRUE(editor->Execute(-kIsCardFile, TestHome() + "no such file"));
  EXPECT_TRUE(editor.Services.Boxes.empty());
  EXPECT_TRUE(editor.Platform.DialogsDouble.Shown.empty());
  EXPECT_TRUE(editor.Services.FileDialogs.empty());
}

TEST(Dispatcher, AFalseQueryStopsTheCommandWithTheStartText) {
  TEditorOnDouble editor;
  EXPECT_FALSE(editor->Execute(kSaveCard));
  EXPECT_EQ(editor->LastError(), "Unexpected error");
  EXPECT_FALSE(editor->Execute(kOpenFolder, TestHome() + "missing/"));
  EXPECT_EQ(editor->LastError(), "Path not found");
  EXPECT_TRUE(editor.Platform.DesktopDouble.Opened.empty());

  // Paste All sets no text of its own: what the last command left stands.
  EXPECT_FALSE(editor->Execute(kPasteAll));
  EXPECT_EQ(editor->LastError(), "Path not found");
}

TEST(Dispatcher, OpenFolderGoesToTheDesktop) {
  TEditorOnDouble editor;
  EXPECT_TRUE(editor->Execute(kOpenFolder, TestHome()));
  ASSERT_EQ(editor.Platform.DesktopDouble.Opened.size(), 1u);
  EXPECT_EQ(editor.Platform.DesktopDouble.Opened[0], TestHome());

  editor.Platform.DesktopDouble.OpenSucceeds = false;
  EXPECT_FALSE(editor->Execute(kOpenFolder, TestHome()));
  EXPECT_EQ(editor->LastError(), "Task failed");
}

TEST(Dispatcher, CentreIsEnabledOnlyWhenTheWindowIsOffCentre) {
  TEditorOnDouble editor;
  editor.Window().SetBounds(0, 0, 400, 400);
  EXPECT_TRUE(editor->Execute(-kCentreCard));
  EXPECT_TRUE(editor->Execute(kCentreCard));
  EXPECT_FALSE(editor->Execute(-kCentreCard));
  const TRect bounds = editor.Window().Bounds();
  EXPECT_EQ(bounds.Left, (1920 - 400) / 2);
  EXPECT_EQ(bounds.Top, (1080 - 400) / 2);
}

TEST(Dispatcher, PrintGoesThroughTheDesktop) {
  TEditorOnDouble editor;
  EXPECT_FALSE(editor->Execute(-kPrintCard));
  EXPECT_FALSE(editor->Execute(-kPrintToClipboard));
  EXPECT_FALSE(editor->Execute(kPrintCard));

  editor.Platform.DesktopDouble.PrintAvailable = true;
  ASSERT_TRUE(editor->Execute(kPrintCard));
  ASSERT_EQ(editor.Platform.DesktopDouble.Printed.size(), 1u);
  EXPECT_EQ(editor.Platform.DesktopDouble.Printed[0].second.Width(),
            editor->Card().Composite().Width());

  editor.Platform.DesktopDouble.PrintError = "No printer";
  EXPECT_FALSE(editor->Execute(kPrintCard));
  EXPECT_EQ(editor->LastError(), "No printer");

  ASSERT_TRUE(editor->Execute(kPrintToClipboard));
  ASSERT_TRUE(editor.Services.Clipboard.has_value());
  EXPECT_EQ(editor.Services.Clipboard->Height(), editor->Card().Composite().Height());
  editor.Services.ClipboardWritable = false;
  EXPECT_FALSE(editor->Execute(kPrintToClipboard));
  EXPECT_EQ(editor->LastError(), "Task failed");
}

TEST(Dispatcher, ShowLastErrorUsesTheErrorBox) {
  TEditorOnDouble editor;
  editor->Execute(kNoSuchCommand);
  editor->ShowLastError();
  const auto& shown = editor.Platform.DialogsDouble.Shown;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Kind, TScriptedCardDialogs::TKind::Error);
  EXPECT_EQ(shown[0].Text, "Index out of range");
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
