// File dialogs: settings, filters, the save extension, the replace question
// and the format check.

#include <gtest/gtest.h>

#include "editor/command_codes.h"
#include "tests/editor/editor_fixtures.h"
#include "util/files.h"
#include "util/paths.h"

namespace lumigram::testing {
namespace {

TEST(FileDialog, SaveTakesTheExtensionOfTheChosenFilterEntry) {
  TEditorOnDouble editor;
  const std::string folder = TestHome() + "dialog-ext/";
  ForceFolder(folder);
  editor.Services.ChooseFile(folder + "a.bmp", 2);  // Jpeg
  ASSERT_TRUE(editor->RunFileDialog(TDialogSetting::SavePicture, TFileDialogKind::SavePicture, ""));
  EXPECT_EQ(editor->DialogSetting(TDialogSetting::SavePicture).FileName, folder + "a.jpg");
  EXPECT_EQ(editor->DialogSetting(TDialogSetting::SavePicture).FilterIndex, 2);

  editor.Services.ChooseFile(folder + "b", 3);  // no extension at all
  ASSERT_TRUE(editor->RunFileDialog(TDialogSetting::SavePicture, TFileDialogKind::SavePicture, ""));
  EXPECT_EQ(editor->DialogSetting(TDialogSetting::SavePicture).FileName, folder + "b.omi");

  editor.Services.ChooseFile(folder + "c.JPG", 2);  // the same extension in capitals stays
  ASSERT_TRUE(editor->RunFileDialog(TDialogSetting::SavePicture, TFileDialogKind::SavePicture, ""));
  EXPECT_EQ(editor->DialogSetting(TDialogSetting::SavePicture).FileName, folder + "c.JPG");
  // The next dialog starts with the filter the user chose.
  editor.Services.CancelFileDialog();
  editor->RunFileDialog(TDialogSetting::SavePicture, TFileDialogKind::SavePicture, "");
  EXPECT_EQ(editor.Services.FileDialogs.back().FilterIndex, 2);
}

TEST(FileDialog, ReplaceQuestionNoShowsTheDialogAgain) {
  TEditorOnDouble editor;
  const std::string folder = TestHome() + "dialog-replace/";
  ForceFolder(folder);
  std::string error;
  ASSERT_TRUE(WriteStringToFile(folder + "x.msg", "old", error));
  editor.Services.ChooseFile(folder + "x.msg");
  editor.Services.ChooseFile(folder + "x.msg");
  editor.Services.YesNoAnswers = {false, true};
  ASSERT_TRUE(editor->RunFileDialog(TDialogSetting::SaveMessage, TFileDialogKind::Save, ""));
  ASSERT_EQ(editor.Services.FileDialogs.size(), 2u);
  EXPECT_EQ(editor.Services.FileDialogs[1].FileName, "x.msg");
  EXPECT_EQ(editor.Services.FileDialogs[1].Folder, folder);
  ASSERT_EQ(editor.Services.Boxes.size(), 2u);
  EXPECT_EQ(editor.Services.Boxes[0].Text,
            folder + "x.msg already exists.\r\n\r\nDo you want to replace it?");
}

TEST(FileDialog, CancelAnswersFalseAndKeepsTheSetting) {
  TEditorOnDouble editor;
  const TOpenInfo before = editor->DialogSetting(TDialogSetting::OpenFrame);
  editor.Services.CancelFileDialog();
  EXPECT_FALSE(editor->RunFileDialog(TDialogSetting::OpenFrame, TFileDialogKind::OpenPicture, ""));
  EXPECT_EQ(editor->DialogSetting(TDialogSetting::OpenFrame).FileName, before.FileName);
  ASSERT_EQ(editor.Services.FileDialogs.size(), 1u);
  const TFileDialogRequest& shown = editor.Services.FileDialogs[0];
  EXPECT_EQ(shown.Kind, TFileDialogKind::OpenPicture);
  EXPECT_EQ(shown.Options, 516);
  EXPECT_EQ(shown.Folder, TPaths::Shared().MakerFolder("Frames"));
  EXPECT_EQ(shown.Filter, "All Frames|*.frm;*.frs|Frame (*.frm)|*.frm|Frame Style (*.frs)|*.frs");
  EXPECT_TRUE(shown.FileName.empty());
}

TEST(FileDialog, StartFolderArgumentWinsAndAMissingFolderFallsBackHome) {
  TEditorOnDouble editor;
  editor.Services.CancelFileDialog();
  editor->RunFileDialog(TDialogSetting::OpenMessage, TFileDialogKind::Open, TestHome());
  EXPECT_EQ(editor.Services.FileDialogs.back().Folder, TestHome());

  editor->DialogSetting(TDialogSetting::OpenMessage).FileName = TestHome() + "gone/file.msg";
  editor.Services.CancelFileDialog();
  editor->RunFileDialog(TDialogSetting::OpenMessage, TFileDialogKind::Open, "");
  EXPECT_EQ(editor.Services.FileDialogs.back().Folder, TPaths::Shared().HomeFolder());
}

TEST(FileDialog, SaveProposesTheNameOfTheLastOpenedFile) {
  TEditorOnDouble editor;
  const std::string folder = TestHome() + "dialog-propose/";
  ForceFolder(folder);
  editor->DialogSetting(TDialogSetting::OpenSound).FileName = TestHome() + "elsewhere/tune.mid";
  editor.Services.CancelFileDialog();
  editor->RunFileDialog(TDialogSetting::SaveSound, TFileDialogKind::Save, "");
  const TFileDialogRequest& shown = editor.Services.FileDialogs.back();
  EXPECT_EQ(shown.FileName, "tune.mid");
  EXPECT_EQ(shown.Folder, TPaths::Shared().MakerFolder("Sounds"));
  EXPECT_EQ(shown.Options, 260);
}

TEST(FileDialog, NewCardProposesUntitledInTheLibrary) {
  TEditorOnDouble editor;
  editor.Services.CancelFileDialog();
  ASSERT_TRUE(editor->Execute(kSaveCardAs));  // cancelled: success, nothing saved
  const TFileDialogRequest& shown = editor.Services.FileDialogs.back();
  EXPECT_EQ(shown.FileName, "Untitled.exe");
  EXPECT_EQ(shown.Folder, TPaths::Shared().MakerFolder("Lumigrams"));
  EXPECT_EQ(shown.Filter, "Lumigrams (*.exe)|*.exe");
  EXPECT_EQ(shown.DefaultExt, "EXE");
  EXPECT_TRUE(editor.Services.Boxes.empty());
  EXPECT_TRUE(editor.Platform.DialogsDouble.Shown.empty());
  EXPECT_EQ(editor->CardPath(), "Untitled.exe");
}

TEST(FileDialog, BuiltFilters) {
  EXPECT_EQ(TLumigramCreator::CursorFormatsFilter(),
            "All Cursors|*.ani;*.ico;*.cur|Animated Cursor (*.ani)|*.ani|Icon (*.ico)|*.ico|"
            "Cursor (*.cur)|*.cur");
  EXPECT_EQ(TLumigramCreator::SoundFormatsFilter(),
            "All Sounds|*.mid;*.midi;*.rmi;*.wav;*.au;*.mp3;*.wma|"
            "Midi (*.mid,*.midi,*.rmi)|*.mid;*.midi;*.rmi|Wave (*.wav,*.au)|*.wav;*.au|"
            "MP3 (*.mp3)|*.mp3|Windows Media Audio (*.wma)|*.wma");
  TEditorOnDouble editor;
  const TOpenInfo& pictures = editor->DialogSetting(TDialogSetting::OpenPicture);
  EXPECT_EQ(pictures.Filter.find(";*.ICO"), std::string::npos);
  EXPECT_NE(pictures.Filter.find("|*.ICO;|"), std::string::npos);  // icons keep their entry
  EXPECT_EQ(pictures.DefaultExt, "BMP");
}

TEST(FileDialog, FormatCheckMatchesWholePatternsInAnyCase) {
  TEditorOnDouble editor;
  const std::string cursors = TLumigramCreator::CursorFormatsFilter();
  EXPECT_TRUE(editor->FormatCheck("/x/arrow.CUR", cursors));
  EXPECT_TRUE(editor->FormatCheck("/x/busy.ani", cursors));
  for (const char* file : {"/x/arrow.cu", "/x/arrow", "/x/arrow.bmp", "/x.cur/arrow"}) {
    EXPECT_FALSE(editor->FormatCheck(file, cursors)) << file;
    EXPECT_EQ(editor->LastError(), "Unsupported format");
  }
}

}  // namespace
}  // namespace lumigram::testing
