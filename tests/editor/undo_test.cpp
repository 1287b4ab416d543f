// The undo snapshot, the saved flag and the save question.

#include <gtest/gtest.h>

#include "editor/command_codes.h"
#include "tests/editor/editor_fixtures.h"

namespace lumigram::testing {
namespace {

TEST(Undo, SecondUndoRedoesAndOnlyTheSnapshotKindMoves) {
  TEditorOnDouble editor;
  const std::string red = PictureBytes(20, 10, kRed);
  editor.Info().Picture = red;
  editor->Card().Refresh(true);

  ASSERT_TRUE(editor->BeginChange(kUndoPicture));
  editor.Info().Picture.clear();
  editor.Info().Link = "http://example.org";  // not part of the picture snapshot
  editor->Card().Refresh(true);
  EXPECT_FALSE(editor->Saved());
  ASSERT_TRUE(editor->Execute(-kUndo));

  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Picture, red);
  EXPECT_EQ(editor->Card().PictureBitmap().Width(), 20);
  EXPECT_EQ(editor.Info().Link, "http://example.org");
  EXPECT_TRUE(editor->CanUndo());

  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_TRUE(editor.Info().Picture.empty());
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Picture, red);
}

TEST(Undo, SnapshotHoldsOnlyItsKindsMembers) {
  TEditorOnDouble editor;
  editor.Info().Link = "http://a.example";
  editor.Info().LinkColor = kRed;
  editor.Info().Message = {"hello"};
  editor.Info().Frame.Size = 12;
  ASSERT_TRUE(editor->BeginChange(kUndoLink));
  const TLumigramCreatorUndoInfo& snapshot = editor->UndoSnapshot();
  EXPECT_EQ(snapshot.Kind, kUndoLink);
  EXPECT_EQ(snapshot.Info.Link, "http://a.example");
  EXPECT_EQ(snapshot.Info.LinkColor, kRed);
  EXPECT_TRUE(snapshot.Info.Message.empty());
  EXPECT_EQ(snapshot.Info.Frame.Size, 0);
  EXPECT_EQ(snapshot.Info.Frame.Color, kWhite);
  EXPECT_EQ(snapshot.Info.Frame.Code, "40,s60,d\r\n15,d,s60\r\n38,s60,s60\r\nr,s120,s120");
}

TEST(Undo, KindsAreClampedAndKindZeroEmptiesTheUndo) {
  TEditorOnDouble editor;
  editor->BeginChange(99);
  EXPECT_EQ(editor->UndoSnapshot().Kind, kUndoAll);
  EXPECT_FALSE(editor->Saved());
  editor->BeginChange(-3);
  EXPECT_EQ(editor->UndoSnapshot().Kind, kUndoNone);
  EXPECT_TRUE(editor->Saved());
  EXPECT_FALSE(editor->Execute(kUndo));
}

TEST(Undo, BeginChangeMarksUnsavedWithoutTellingTheWindow) {
  TEditorOnDouble editor;
  const int before = editor.Changes;
  editor->BeginChange(kUndoFrame);
  EXPECT_FALSE(editor->Saved());
  EXPECT_EQ(editor.Changes, before);
  editor->SetSaved(true);
  EXPECT_EQ(editor.Changes, before + 1);
  editor->SetSaved(true);
  EXPECT_EQ(editor.Changes, before + 1);
}

TEST(Undo, MessageUndoRefreshesTheTextWindow) {
  TEditorOnDouble editor;
  editor->BeginChange(kUndoMessage);
  editor.Info().Message = {"one", "two"};
  editor.Info().Flash = true;
  editor->RefreshMessageWindow();
  ASSERT_TRUE(editor->Undo());
  EXPECT_TRUE(editor.Info().Message.empty());
  EXPECT_FALSE(editor.Info().Flash);
  EXPECT_EQ(editor.Services.MessageText.Content, "");
  ASSERT_TRUE(editor->Undo());
  EXPECT_EQ(editor.Services.MessageText.Content, "one\r\ntwo");
  EXPECT_TRUE(editor.Info().Flash);
}

TEST(Undo, FrameUndoRefreshesTheStyleCodeWindow) {
  TEditorOnDouble editor;
  const std::string before = editor.Info().Frame.Code;
  editor->BeginChange(kUndoFrame);
  editor.Info().Frame.Code = "r,s120,s120";
  editor.Info().Frame.Size = 30;
  ASSERT_TRUE(editor->Undo());
  EXPECT_EQ(editor.Info().Frame.Code, before);
  EXPECT_EQ(editor.Services.StyleCode.Content, before);
}

TEST(Undo, NewCardEmptiesTheUndoAndShowsTheCardCentred) {
  TEditorOnDouble editor;
  editor.Info().Message = {"text"};
  editor->BeginChange(kUndoMessage);
  editor.Window().SetBounds(5, 5, 100, 100);
  ASSERT_TRUE(editor->Execute(kNewCard));
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_TRUE(editor->Saved());
  EXPECT_TRUE(editor.Info().Message.empty());
  EXPECT_TRUE(editor.Window().IsVisible);
  EXPECT_FALSE(editor->Execute(-kCentreCard));
  EXPECT_EQ(editor->CardName(), "Untitled.exe");
}

TEST(Undo, SoundUndoKeepsPlaying) {
  TEditorOnDouble editor;
  editor.Info().Sound = "first tune";
  editor.Info().SoundType = "MID";
  editor->Card().Refresh(false);
  const int changes = editor.Changes;
  ASSERT_TRUE(editor->Card().Play());
  ASSERT_TRUE(editor->Card().IsPlaying());
  EXPECT_GT(editor.Changes, changes);  // Play and Stop are enabled anew

  editor->BeginChange(kUndoSound);
  editor.Info().Sound = "second tune";
  ASSERT_TRUE(editor->Undo());
  EXPECT_EQ(editor.Info().Sound, "first tune");
  EXPECT_TRUE(editor->Card().IsPlaying());
  EXPECT_EQ(editor.Platform.LastSound->OpenedFiles.size(), 2u);

  // Undoing back to no sound at all stops it.
  editor->BeginChange(kUndoSound);
  editor.Info().Sound.clear();
  editor.Info().SoundType.clear();
  editor->Undo();
  ASSERT_TRUE(editor->Undo());
  EXPECT_FALSE(editor->Card().IsPlaying());
}

TEST(SaveQuestion, SavedCardIsNotAsked) {
  TEditorOnDouble editor;
  EXPECT_TRUE(editor->QuerySaveChanges());
  EXPECT_TRUE(editor.Services.Boxes.empty());
  EXPECT_TRUE(editor.Platform.DialogsDouble.Shown.empty());
}

TEST(SaveQuestion, NoDiscardsCancelKeeps) {
  TEditorOnDouble editor;
  editor->BeginChange(kUndoLink);
  editor.Services.YesNoCancelAnswers = {TWarningAnswer::Cancel, TWarningAnswer::No};
  EXPECT_FALSE(editor->QuerySaveChanges());
  EXPECT_FALSE(editor->Saved());
  ASSERT_EQ(editor.Services.Boxes.size(), 1u);
  EXPECT_EQ(editor.Services.Boxes[0].Text, "Save Changes to Untitled.exe?");
  EXPECT_TRUE(editor->QuerySaveChanges());
  EXPECT_TRUE(editor->Saved());
}

TEST(SaveQuestion, YesSavesAndACancelledSaveAnswersFalse) {
  TEditorOnDouble editor;
  editor->BeginChange(kUndoLink);
  editor.Services.YesNoCancelAnswers = {TWarningAnswer::Yes, TWarningAnswer::Yes};
  editor.Services.CancelFileDialog();
  EXPECT_FALSE(editor->QuerySaveChanges());

  const std::string file = TestHome() + "yes-saves.exe";
  editor.Services.ChooseFile(file);
  EXPECT_TRUE(editor->QuerySaveChanges());
  EXPECT_EQ(editor->CardPath(), file);
}

TEST(SaveQuestion, AFailedSaveIsShownAndKeepsTheCard) {
  TEditorOnDouble editor;
  editor->SetViewerImage("");
  editor->BeginChange(kUndoLink);
  editor.Services.YesNoCancelAnswers = {TWarningAnswer::Yes};
  editor.Services.ChooseFile(TestHome() + "never-written.exe");
  EXPECT_FALSE(editor->QuerySaveChanges());
  ASSERT_EQ(editor.Services.Boxes.size(), 1u);
  const auto& shown = editor.Platform.DialogsDouble.Shown;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Kind, TScriptedCardDialogs::TKind::Error);
  EXPECT_EQ(shown[0].Text, "Data corrupt");
}

}  // namespace
}  // namespace lumigram::testing
