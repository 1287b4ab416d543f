// The picture commands: the system clipboard, picture files and resizing.

#include <gtest/gtest.h>

#include "editor/command_codes.h"
#include "imaging/image_registry.h"
#include "tests/editor/element_fixtures.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

class PictureCommands : public ElementTest {
 protected:
  void SetPicture(int width, int height, TColor colour = kRed) {
    editor.Info().Picture = PictureBytes(width, height, colour);
    editor->Card().Refresh(true);
  }
  const TBitmap& Picture() { return editor->Card().PictureBitmap(); }
};

TEST_F(PictureCommands, CutIsCopyThenClearWithOneUndo) {
  SetPicture(20, 10);
  const std::string before = editor.Info().Picture;
  ASSERT_TRUE(editor->Execute(kCutPicture));
  ASSERT_TRUE(editor.Services.Clipboard.has_value());
  EXPECT_EQ(editor.Services.Clipboard->Width(), 20);
  EXPECT_EQ(editor.Services.Clipboard->GetPixel(3, 3), kRed);
  EXPECT_TRUE(editor.Info().Picture.empty());
  EXPECT_FALSE(editor->Execute(-kClearPicture));
  EXPECT_TRUE(UndoKindIs(kUndoPicture));

  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Picture, before);
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_TRUE(editor.Info().Picture.empty());
}

TEST_F(PictureCommands, AFailedCopyStopsTheCut) {
  SetPicture(20, 10);
  editor.Services.ClipboardWritable = false;
  EXPECT_FALSE(editor->Execute(kCutPicture));
  EXPECT_EQ(editor->LastError(), "Task failed");
  EXPECT_FALSE(editor.Info().Picture.empty());
  EXPECT_FALSE(editor->CanUndo());
}

TEST_F(PictureCommands, PasteAndPasteToFit) {
  EXPECT_FALSE(editor->Execute(-kPastePicture));
  EXPECT_FALSE(editor->Execute(kPastePictureToFit));
  EXPECT_FALSE(editor->CanUndo());

  TBitmap clip;
  clip.SetSize(100, 50, kRed);
  editor.Services.Clipboard = clip;
  SetPicture(300, 300, kWhite);
  ASSERT_TRUE(editor->Execute(kPastePictureToFit));
  EXPECT_EQ(Picture().Width(), 300);
  EXPECT_EQ(Picture().Height(), 300);
  EXPECT_EQ(Picture().GetPixel(150, 150), kRed);

  ASSERT_TRUE(editor->Execute(kPastePicture));
  EXPECT_EQ(Picture().Width(), 100);
  EXPECT_EQ(Picture().Height(), 50);
  EXPECT_FALSE(editor->Saved());
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(Picture().Width(), 300);
}

TEST_F(PictureCommands, AClipboardBitmapTheCardCannotHoldKeepsThePicture) {
  SetPicture(20, 10);
  editor.Services.Clipboard = TBitmap();
  EXPECT_FALSE(editor->Execute(kPastePicture));
  EXPECT_EQ(editor->LastError(), "Task failed");
  EXPECT_EQ(Picture().Width(), 20);

  TBitmap wide;
  ASSERT_TRUE(wide.SetSize(19001, 1));
  editor.Services.Clipboard = wide;
  EXPECT_FALSE(editor->Execute(kPastePicture));
  EXPECT_EQ(editor->LastError(), "Out of memory");
  EXPECT_EQ(Picture().Width(), 20);
  EXPECT_FALSE(editor.Info().Picture.empty());
}

TEST_F(PictureCommands, EnlargeAndShrinkStayWithinTheLimits) {
  SetPicture(20, 8);
  ASSERT_TRUE(editor->Execute(kEnlargePicture));
  EXPECT_EQ(Picture().Width(), 25);
  EXPECT_EQ(Picture().Height(), 10);
  ASSERT_TRUE(editor->Execute(kShrinkPicture));
  EXPECT_EQ(Picture().Width(), 19);  // 25 - 625 / 100
  EXPECT_EQ(Picture().Height(), 8);  // 10 - 250 / 100
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(Picture().Width(), 25);

  // A quarter of a side below 4 truncates to nothing.
  SetPicture(3, 3);
  ASSERT_TRUE(editor->Execute(kShrinkPicture));
  EXPECT_EQ(Picture().Width(), 3);
  SetPicture(1, 1);
  EXPECT_TRUE(editor->Execute(-kShrinkPicture));
  ASSERT_TRUE(editor->Execute(kShrinkPicture));
  EXPECT_EQ(Picture().Width(), 1);
  EXPECT_EQ(Picture().Height(), 1);

  SetPicture(16000, 1);
  EXPECT_FALSE(editor->Execute(-kEnlargePicture));  // 20000 > 19000
  EXPECT_TRUE(editor->Execute(-kShrinkPicture));
  editor->BeginChange(kUndoNone);
  EXPECT_FALSE(editor->Execute(kEnlargePicture));
  EXPECT_EQ(editor->LastError(), "Unexpected error");
  EXPECT_FALSE(editor->CanUndo());
  SetPicture(15200, 1);
  EXPECT_TRUE(editor->Execute(-kEnlargePicture));  // exactly 19000
}

TEST_F(PictureCommands, SavedJpegLoadsBackAtTheSameSize) {
  SetPicture(40, 30);
  const std::string file = folder / "photo.jpg";
  ASSERT_TRUE(editor->Execute(kSavePictureToFile, file));
  const std::string bytes = ReadTestFile(file);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(uint8_t(bytes[0]), 0xFF);
  EXPECT_EQ(uint8_t(bytes[1]), 0xD8);

  SetPicture(5, 5);
  editor->BeginChange(kUndoNone);
  ASSERT_TRUE(editor->Execute(kLoadPictureFile, file));
  EXPECT_EQ(Picture().Width(), 40);
  EXPECT_EQ(Picture().Height(), 30);
  EXPECT_TRUE(UndoKindIs(kUndoPicture));
}

TEST_F(PictureCommands, TheChosenFilterEntryDecidesTheFormat) {
  SetPicture(12, 6);
  editor.Services.ChooseFile(folder / "a.bmp", 2);  // Jpeg
  ASSERT_TRUE(editor->Execute(kSavePictureAs));
  EXPECT_FALSE(FileExistsNotFolder(folder / "a.bmp"));
  EXPECT_EQ(ReadTestFile(folder / "a.jpg").substr(0, 2), "\xFF\xD8");

  editor.Services.ChooseFile(folder / "b", 3);  // Optimised Multiformat Image
  ASSERT_TRUE(editor->Execute(kSavePictureAs));
  EXPECT_EQ(ReadTestFile(folder / "b.omi").substr(0, 7), "OMIV1.0");

  editor.Services.ChooseFile(folder / "c.bmp", 1);
  ASSERT_TRUE(editor->Execute(kSavePictureAs));
  EXPECT_EQ(ReadTestFile(folder / "c.bmp").substr(0, 2), "BM");

  // Each saved file loads back as the same picture size.
  for (const char* name : {"b.omi", "c.bmp"}) {
    SetPicture(2, 2);
    ASSERT_TRUE(editor->Execute(kLoadPictureFile, folder / name)) << name;
    EXPECT_EQ(Picture().Width(), 12) << name;
    EXPECT_EQ(Picture().Height(), 6) << name;
  }
}

TEST_F(PictureCommands, FailedLoadsChangeNothing) {
  SetPicture(20, 10);
  editor->BeginChange(kUndoNone);
  EXPECT_FALSE(editor->Execute(kLoadPictureFile, folder / "missing.bmp"));
  EXPECT_EQ(editor->LastError(), "File not found");

  WriteTestFile(folder / "broken.bmp", "BM not really a bitmap");
  TBitmap probe;
  TImageInfoRec request;
  request.FileName = folder / "broken.bmp";
  request.Target = &probe;
  ASSERT_FALSE(TOpenImage::Shared().Load(request));
  EXPECT_FALSE(editor->Execute(kLoadPictureFile, folder / "broken.bmp"));
  EXPECT_EQ(editor->LastError(), request.ErrorText);
  EXPECT_EQ(Picture().Width(), 20);
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_TRUE(editor->Saved());
}

TEST_F(PictureCommands, SelectLoadsTheChosenFileAndCancelDoesNothing) {
  SetPicture(7, 7);
  editor->BeginChange(kUndoNone);
  editor.Services.CancelFileDialog();
  EXPECT_TRUE(editor->Execute(kSelectPicture));
  EXPECT_FALSE(editor->CanUndo());
  ASSERT_EQ(editor.Services.FileDialogs.size(), 1u);
  EXPECT_EQ(editor.Services.FileDialogs[0].Kind, TFileDialogKind::OpenPicture);

  ASSERT_TRUE(editor->Execute(kSavePictureToFile, folder / "chosen.bmp"));
  SetPicture(3, 3);
  editor.Services.ChooseFile(folder / "chosen.bmp");
  ASSERT_TRUE(editor->Execute(kSelectPicture, folder.Path()));
  EXPECT_EQ(editor.Services.FileDialogs[1].Folder, folder.Path());
  EXPECT_EQ(Picture().Width(), 7);

  // The folder of the chosen file is the one View Folder opens.
  ASSERT_TRUE(editor->Execute(-kViewPictureFolder));
  ASSERT_TRUE(editor->Execute(kViewPictureFolder));
  EXPECT_EQ(editor.Platform.DesktopDouble.Opened.back(), folder.Path());
}

TEST_F(PictureCommands, ViewFolderNeedsAnExistingFolder) {
  editor->DialogSetting(TDialogSetting::OpenPicture).FileName = folder / "gone/x.bmp";
  EXPECT_FALSE(editor->Execute(-kViewPictureFolder));
  EXPECT_FALSE(editor->Execute(kViewPictureFolder));
  EXPECT_TRUE(editor.Platform.DesktopDouble.Opened.empty());
}

}  // namespace
}  // namespace lumigram::testing
