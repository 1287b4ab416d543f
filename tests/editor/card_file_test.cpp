// Saving and opening card files, the replace check, Copy All and Paste All.

#include <gtest/gtest.h>

#include "card/card_data.h"
#include "card/password_hash.h"
#include "editor/command_codes.h"
#include "tests/editor/editor_fixtures.h"
#include "util/files.h"
#include "util/paths.h"

namespace lumigram::testing {
namespace {

std::string ReadAll(const std::string& file) {
  std::string data, error;
  ReadFileToString(file, data, error);
  return data;
}

std::string WriteFile(const std::string& name, const std::string& bytes) {
  const std::string file = TestHome() + name;
  std::string error;
  EXPECT_TRUE(WriteStringToFile(file, bytes, error));
  return file;
}

// A card with something in every element, as the element commands leave it.
void FillCard(TEditorOnDouble& editor) {
  TLumigramInfo& info = editor.Info();
  info.Picture = PictureBytes(40, 30, kRed);
  info.Link = "http://example.org/page";
  info.LinkColor = RGB(0, 0, 255);
  info.Frame.Size = 25;
  info.Message = {"Happy", "birthday"};
  info.HAlign = kAlignCentre;
  info.Author = "Ann\r\nStreet 1";
  info.CanPrint = false;
  editor->Card().Refresh(true);
  editor->RefreshMessageWindow();
}

TEST(CardFile, SavedFileIsViewerPartThenCardDataAndLoadsBackTheSameRecord) {
  TEditorOnDouble editor;
  FillCard(editor);
  const std::string file = TestHome() + "round-trip.exe";
  editor.Services.ChooseFile(file);
  ASSERT_TRUE(editor->Execute(kSaveCardAs)) << editor->LastError();
  EXPECT_TRUE(editor->Saved());
  EXPECT_EQ(editor->CardName(), "round-trip.exe");
  EXPECT_TRUE(editor->Execute(-kSaveCard));

  const std::string bytes = ReadAll(file);
  ASSERT_GT(bytes.size(), size_t(kCardDataOffset) + 6);
  EXPECT_EQ(bytes.substr(size_t(kCardDataOffset), 6), std::string("LG1.0", 6));
  TLumigramInfo read;
  read.CreatorInfo = editor.Info().CreatorInfo;  // only a standalone card takes it from the data
  EXPECT_TRUE(ReadCardData(std::string_view(bytes).substr(size_t(kCardDataOffset)), read).Complete);
  EXPECT_TRUE(SameContent(read, editor.Info()));
  const std::string viewer = FakeViewerImage();
  EXPECT_EQ(bytes.substr(0, viewer.size()), viewer);
  EXPECT_EQ(bytes.substr(viewer.size(), size_t(kCardDataOffset) - viewer.size()),
            std::string(size_t(kCardDataOffset) - viewer.size(), '\0'));

  TEditorOnDouble other;
  ASSERT_TRUE(other->Execute(kOpenCardFile, file)) << other->LastError();
  EXPECT_TRUE(SameContent(other.Info(), editor.Info()));
  EXPECT_EQ(other->CardPath(), file);
  EXPECT_EQ(other.Services.MessageText.Content, "Happy\r\nbirthday");
  EXPECT_TRUE(other->Saved());
  EXPECT_FALSE(other->CanUndo());
}

TEST(CardFile, ALongerViewerIsCut) {
  TEditorOnDouble editor;
  editor->SetViewerImage(std::string(size_t(kCardDataOffset) + 500, 'V'));
  const std::string file = TestHome() + "long-viewer.exe";
  ASSERT_TRUE(editor->Execute(kSaveCardToFile, file));
  const std::string bytes = ReadAll(file);
  EXPECT_EQ(bytes.substr(size_t(kCardDataOffset), 5), "LG1.0");
}

TEST(CardFile, SaveKeepsTheUndo) {
  TEditorOnDouble editor;
  editor->BeginChange(kUndoLink);
  editor.Info().Link = "http://x.example";
  ASSERT_TRUE(editor->Execute(kSaveCardToFile, TestHome() + "keeps-undo.exe"));
  EXPECT_TRUE(editor->Saved());
  EXPECT_TRUE(editor->CanUndo());
}

TEST(CardFile, NeverOverwritesAProgramThatIsNotACard) {
  TEditorOnDouble editor;
  const std::string program = WriteFile("program.exe", std::string(300000, 'P'));
  const std::string tiny = WriteFile("tiny.exe", "#!/bin/sh\n");
  for (const std::string& file : {program, tiny}) {
    EXPECT_FALSE(editor->Execute(-kIsCardFile, file));
    editor.Services.ChooseFile(file);
    editor.Services.YesNoAnswers = {true};  // yes, replace it
    EXPECT_FALSE(editor->Execute(kSaveCardAs));
    EXPECT_EQ(editor->LastError(), "A program exists with that name.\r\nUse another.");
  }
  EXPECT_EQ(ReadAll(program), std::string(300000, 'P'));
  EXPECT_EQ(ReadAll(tiny), "#!/bin/sh\n");
  EXPECT_EQ(editor->CardName(), "Untitled.exe");
}

TEST(CardFile, SaveAsOntoACardAsksThenOverwrites) {
  TEditorOnDouble editor;
  const std::string file = TestHome() + "overwrite.exe";
  ASSERT_TRUE(editor->Execute(kSaveCardToFile, file));
  FillCard(editor);
  editor->BeginChange(kUndoLink);
  editor.Services.ChooseFile(file);
  editor.Services.YesNoAnswers = {true};
  ASSERT_TRUE(editor->Execute(kSaveCardAs)) << editor->LastError();
  ASSERT_EQ(editor.Services.Boxes.size(), 1u);
  EXPECT_EQ(editor.Services.Boxes[0].Kind, TEditorServicesDouble::TBox::WarningYesNo);
  TEditorOnDouble other;
  ASSERT_TRUE(other->Execute(kOpenCardFile, file));
  EXPECT_EQ(other.Info().Message, editor.Info().Message);
}

TEST(CardFile, AFailedSaveLeavesTheOldFile) {
  TEditorOnDouble editor;
  const std::string file = TestHome() + "failed-save.exe";
  ASSERT_TRUE(editor->Execute(kSaveCardToFile, file));
  const std::string before = ReadAll(file);
  editor->BeginChange(kUndoLink);
  editor.Info().Link = "http://changed.example";

  editor->SetViewerImage("");
  EXPECT_FALSE(editor->Execute(kSaveCard));
  EXPECT_EQ(editor->LastError(), "Data corrupt");
  EXPECT_FALSE(editor->Saved());

  editor->SetViewerImage(FakeViewerImage());
  const std::string folder = TestHome() + "a-folder.exe/";
  ForceFolder(folder);
  EXPECT_FALSE(editor->Execute(kSaveCardToFile, TestHome() + "a-folder.exe"));
  EXPECT_FALSE(editor->Execute(kSaveCardToFile, TestHome() + "no-such-folder/card.exe"));
  EXPECT_FALSE(editor->Saved());
  EXPECT_EQ(editor->CardPath(), file);
  EXPECT_EQ(ReadAll(file), before);
}

TEST(CardFile, OpeningSomethingThatIsNotACardGivesANewEmptyCard) {
  TEditorOnDouble editor;
  const std::string card = TestHome() + "before.exe";
  ASSERT_TRUE(editor->Execute(kSaveCardToFile, card));
  const std::string shortFile = WriteFile("short.exe", std::string(size_t(kCardDataOffset), 'x'));
  const std::string text = WriteFile("text.exe", "just some text\r\n");
  for (const std::string& file : {shortFile, text, TestHome() + "missing.exe"}) {
    FillCard(editor);
    editor->BeginChange(kUndoLink);
    editor->SetSaved(true);
    EXPECT_FALSE(editor->Execute(kOpenCardFile, file));
    EXPECT_EQ(editor->LastError(),
              file == text || file == shortFile ? "Unknown format" : "File not found");
    EXPECT_TRUE(editor.Info().Message.empty());
    EXPECT_TRUE(editor.Info().Picture.empty());
    EXPECT_EQ(editor.Info().Frame.Size, 52);
    EXPECT_TRUE(editor->Saved());
    EXPECT_FALSE(editor->CanUndo());
    // Saving now must not overwrite the card shown before.
    EXPECT_EQ(editor->CardName(), "Untitled.exe");
    EXPECT_FALSE(editor->Execute(-kSaveCard));
  }
}

TEST(CardFile, CancellingTheSaveQuestionOpensNothing) {
  TEditorOnDouble editor;
  const std::string file = TestHome() + "other-card.exe";
  ASSERT_TRUE(editor->Execute(kSaveCardToFile, file));
  editor->NewCard(false);
  editor->BeginChange(kUndoMessage);
  editor.Info().Message = {"keep me"};
  editor.Services.ChooseFile(file);
  editor.Services.YesNoCancelAnswers = {TWarningAnswer::Cancel};
  EXPECT_TRUE(editor->Execute(kOpenCard));
  EXPECT_EQ(editor.Info().Message, std::vector<std::string>{"keep me"});
  EXPECT_EQ(editor->CardName(), "Untitled.exe");
  EXPECT_FALSE(editor->Saved());
}

TEST(CardFile, OpenShowsTheDialogAndTheCardAgain) {
  TEditorOnDouble editor;
  FillCard(editor);
  const std::string file = TestHome() + "open-dialog.exe";
  ASSERT_TRUE(editor->Execute(kSaveCardToFile, file));
  TEditorOnDouble other;
  other.Services.ChooseFile(file);
  ASSERT_TRUE(other->Execute(kOpenCard, TPaths::Shared().MakerFolder("Lumigrams")));
  EXPECT_EQ(other.Services.FileDialogs.back().Folder, TPaths::Shared().MakerFolder("Lumigrams"));
  EXPECT_TRUE(other.Window().IsVisible);
  EXPECT_EQ(other->CardName(), "open-dialog.exe");
  EXPECT_EQ(other.Info().Link, "http://example.org/page");
  other.Services.CancelFileDialog();
  EXPECT_TRUE(other->Execute(kOpenCard));
}

TEST(CardFile, ProtectedCardAsksItsPassword) {
  TEditorOnDouble editor;
  editor.Info().Password = PasswordHash("secret");
  editor.Info().Message = {"hidden"};
  const std::string file = TestHome() + "protected.exe";
  ASSERT_TRUE(editor->Execute(kSaveCardToFile, file));

  TEditorOnDouble other;
  other.Platform.DialogsDouble.Passwords = {std::string("wrong"), std::string("SECRET")};
  EXPECT_FALSE(other->Execute(kOpenCardFile, file));
  EXPECT_EQ(other->LastError(), "Access denied");
  EXPECT_EQ(other.Info().Password, 0);
  EXPECT_TRUE(other.Info().Message.empty());
  ASSERT_TRUE(other->Execute(kOpenCardFile, file));
  EXPECT_EQ(other.Info().Message, std::vector<std::string>{"hidden"});
}

TEST(CardFile, CopyAllAndPasteAllCarryTheWholeCardWithOneUndo) {
  TEditorOnDouble first;
  FillCard(first);
  first.Info().Password = PasswordHash("pw");
  first->SetSaved(true);
  ASSERT_TRUE(first->Execute(kCopyAll));
  EXPECT_TRUE(first->Saved());
  EXPECT_EQ(first->CardName(), "Untitled.exe");

  TEditorOnDouble second;
  second.Info().Message = {"mine"};
  second.Info().Author = "me";
  second->RefreshMessageWindow();
  const std::string path = TestHome() + "second.exe";
  ASSERT_TRUE(second->Execute(kSaveCardToFile, path));
  ASSERT_TRUE(second->Execute(-kPasteAll));
  second.Platform.DialogsDouble.Passwords = {std::string("pw")};
  ASSERT_TRUE(second->Execute(kPasteAll)) << second->LastError();
  EXPECT_EQ(second.Info().Link, "http://example.org/page");
  EXPECT_EQ(second->UndoSnapshot().Kind, kUndoAll);
  EXPECT_FALSE(second->Saved());
  EXPECT_EQ(second->CardPath(), path);

  ASSERT_TRUE(second->Execute(kUndo));
  EXPECT_EQ(second.Info().Message, std::vector<std::string>{"mine"});
  EXPECT_TRUE(second.Info().Link.empty());
  EXPECT_EQ(second.Info().Password, 0);
  EXPECT_EQ(second.Info().Author, "me");
  EXPECT_EQ(second.Services.MessageText.Content, "mine");
}

TEST(CardFile, PasteAllRefusesAClipboardFileThatIsNotACard) {
  TEditorOnDouble editor;
  const std::string clip = TPaths::Shared().ClipboardObjectFile("EXE");
  std::string error;
  ASSERT_TRUE(WriteStringToFile(clip, std::string(300000, 'z'), error));
  EXPECT_FALSE(editor->Execute(-kPasteAll));
  EXPECT_FALSE(editor->Execute(kPasteAll));
  EXPECT_FALSE(editor->CanUndo());
  DeleteFileIfExists(clip);
}

}  // namespace
}  // namespace lumigram::testing
