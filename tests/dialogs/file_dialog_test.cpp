// Filters from the editor's form into Qt's and back, the dialogs played as a
// user would, and the picture preview.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>

#include "dialogs/file_dialog.h"
#include "dialogs/file_filter.h"
#include "dialogs/picture_preview.h"
#include "frames/frame_file.h"
#include "imaging/bitmap/bitmap.h"
#include "imaging/bmp/bmp_file.h"
#include "platform/qt/qt_image.h"
#include "tests/platform/qt/ui_driver.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::ActiveModal;
using testing::ScratchFolder;
using testing::WhenReady;

bool Put(const std::string& path, const std::string& bytes) {
  std::string error;
  return WriteStringToFile(path, bytes, error);
}

// The dialog's accept, as its OK button calls it.
void Accept(QFileDialog& dialog) {
  static_cast<QDialog&>(dialog).accept();
}

const std::string kPictureFilter =
    "All Pictures|*.BMP;*.DIB;*.JPG;|Bitmap (*.bmp)|*.BMP;|Jpeg (*.jpg)|*.JPG;|";
const std::string kSavePicture =
    "Bitmap (*.bmp)|*.bmp|Jpeg (*.jpg)|*.jpg|Optimised Multiformat Image (*.omi)|*.omi";
const std::string kOpenMessage =
    "All Messages|*.msg;*.txt|Messages (*.msg)|*.msg|Text Documents (*.txt)|*.txt|"
    "All Files (*.*)|*.*";

TEST(FileFilter, EntriesBecomeQtNameFiltersInOrder) {
  EXPECT_EQ(QtNameFilters(kPictureFilter),
            (QStringList{"All Pictures (*.bmp *.dib *.jpg)", "Bitmap (*.bmp)", "Jpeg (*.jpg)"}));
  EXPECT_EQ(QtNameFilters(kOpenMessage),
            (QStringList{"All Messages (*.msg *.txt)", "Messages (*.msg)", "Text Documents (*.txt)",
                         "All Files (*)"}));
  // The name's own pattern text gives way to the patterns really matched.
  EXPECT_EQ(QtNameFilters("Midi (*.mid,*.midi,*.rmi)|*.mid;*.midi;*.rmi"),
            QStringList{"Midi (*.mid *.midi *.rmi)"});
  // A name left without patterns still matches something.
  EXPECT_EQ(QtNameFilters("Cursor (*.cur)|*.cur|Lost"),
            (QStringList{"Cursor (*.cur)", "Lost (*)"}));
  EXPECT_TRUE(QtNameFilters("").isEmpty());
}

TEST(FileFilter, IndexSurvivesTheRoundTrip) {
  for (const std::string& filter : {kPictureFilter, kSavePicture, kOpenMessage}) {
    const QStringList names = QtNameFilters(filter);
    for (qsizetype i = 0; i < names.size(); ++i)
      EXPECT_EQ(FilterIndexOf(filter, names[i]), int(i) + 1) << filter;
    EXPECT_EQ(FilterIndexOf(filter, "Something else (*.xyz)"), 1);
  }
}

TEST(FileFilter, SingleExtensionOnlyForOneConcretePattern) {
  EXPECT_EQ(SingleExtensionOf(kSavePicture, 2), "jpg");
  EXPECT_EQ(SingleExtensionOf(kPictureFilter, 2), "BMP");
  EXPECT_EQ(SingleExtensionOf(kOpenMessage, 1), "");  // two patterns
  EXPECT_EQ(SingleExtensionOf(kOpenMessage, 4), "");  // *.*
  EXPECT_EQ(SingleExtensionOf(kSavePicture, 0), "");
  EXPECT_EQ(SingleExtensionOf(kSavePicture, 4), "");
}

// Runs the dialog and lets act play the user once it shows.
TFileDialogAnswer Drive(const TFileDialogRequest& request, std::function<void(QFileDialog&)> act) {
  WhenReady([act] {
    QFileDialog* dialog = ActiveModal<QFileDialog>();
    if (!dialog) return false;
    act(*dialog);
    return true;
  });
  return RunFileDialogWindow(request, nullptr);
}

TEST(FileDialog, OpenAnswersTheChosenFile) {
  ScratchFolder folder;
  ASSERT_TRUE(Put(folder / "card.exe", "x"));
  TFileDialogRequest request;
  request.Kind = TFileDialogKind::Open;
  request.Filter = kOpenMessage;
  request.FilterIndex = 3;
  request.Folder = folder.Path();
  QStringList offered;
  QString selected;
  const TFileDialogAnswer answer = Drive(request, [&](QFileDialog& dialog) {
    offered = dialog.nameFilters();
    selected = dialog.selectedNameFilter();
    dialog.selectFile(QString::fromStdString(folder / "card.exe"));
    Accept(dialog);
  });
  EXPECT_EQ(offered, QtNameFilters(kOpenMessage));
  EXPECT_EQ(selected, "Text Documents (*.txt)");
  ASSERT_TRUE(answer.Accepted);
  EXPECT_EQ(answer.FileName, folder / "card.exe");
  EXPECT_EQ(answer.FilterIndex, 3);
}

TEST(FileDialog, OpenRefusesAFileThatDoesNotExist) {
  ScratchFolder folder;
  TFileDialogRequest request;
  request.Kind = TFileDialogKind::Open;
  request.Options = kOpenDialogOptions;
  request.Filter = kOpenMessage;
  request.Folder = folder.Path();
  bool stillOpen = false;
  bool told = false;
  const TFileDialogAnswer answer = Drive(request, [&](QFileDialog& dialog) {
    // Qt tells the user in a box of its own, over the dialog.
    WhenReady([&] {
      QWidget* box = QApplication::activeModalWidget();
      if (!box || box == &dialog) return false;
      told = true;
      box->close();
      return true;
    });
    dialog.selectFile(QString::fromStdString(folder / "missing.txt"));
    Accept(dialog);  // refused: the dialog stays
    stillOpen = dialog.isVisible() && dialog.result() != QDialog::Accepted;
    dialog.reject();
  });
  EXPECT_TRUE(told);
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(answer.Accepted);
}

TEST(FileDialog, SaveCompletesANameWithTheChosenEntry) {
  ScratchFolder folder;
  TFileDialogRequest request;
  request.Kind = TFileDialogKind::Save;
  request.Options = kSaveDialogOptions;
  request.Filter = kSavePicture;
  request.FilterIndex = 1;
  request.Folder = folder.Path();
  request.FileName = "Untitled.bmp";
  QString proposed;
  const TFileDialogAnswer answer = Drive(request, [&](QFileDialog& dialog) {
    proposed = dialog.selectedFiles().value(0);
    dialog.selectNameFilter(QtNameFilters(kSavePicture)[1]);
    dialog.selectFile("picture");
    Accept(dialog);
  });
  EXPECT_EQ(proposed.toStdString(), folder / "Untitled.bmp");
  ASSERT_TRUE(answer.Accepted);
  EXPECT_EQ(answer.FileName, folder / "picture.jpg");
  EXPECT_EQ(answer.FilterIndex, 2);
}

TEST(FileDialog, SaveKeepsATypedExtensionAndFallsBackToTheDefault) {
  ScratchFolder folder;
  TFileDialogRequest request;
  request.Kind = TFileDialogKind::Save;
  request.Options = kSaveDialogOptions;
  request.Filter = kSavePicture;
  request.FilterIndex = 2;
  request.Folder = folder.Path();
  // The editor, not the dialog, turns a.bmp into a.jpg for the Jpeg entry.
  TFileDialogAnswer answer = Drive(request, [&](QFileDialog& dialog) {
    dialog.selectFile("a.bmp");
    Accept(dialog);
  });
  EXPECT_EQ(answer.FileName, folder / "a.bmp");
  EXPECT_EQ(answer.FilterIndex, 2);

  // An entry of several patterns: the dialog's default extension.
  request.Filter = kOpenMessage;
  request.DefaultExt = "TXT";
  request.FilterIndex = 1;
  answer = Drive(request, [&](QFileDialog& dialog) {
    dialog.selectFile("note");
    Accept(dialog);
  });
  EXPECT_EQ(answer.FileName, folder / "note.txt");
}

TEST(FileDialog, CancelAnswersNothing) {
  ScratchFolder folder;
  TFileDialogRequest request;
  request.Kind = TFileDialogKind::SavePicture;
  request.Filter = kSavePicture;
  request.Folder = folder.Path();
  const TFileDialogAnswer answer = Drive(request, [](QFileDialog& dialog) {
    dialog.selectFile("picture");
    dialog.reject();
  });
  EXPECT_FALSE(answer.Accepted);
}

// A 40 x 20 picture: left half red, right half blue.
TBitmap TwoColours() {
  TBitmap bitmap;
  bitmap.SetSize(40, 20, RGB(255, 0, 0));
  for (int y = 0; y < 20; ++y)
    for (int x = 20; x < 40; ++x) bitmap.SetPixel(x, y, RGB(0, 0, 255));
  return bitmap;
}

TEST(PicturePreview, ShowsAPictureOfTheRegistry) {
  ScratchFolder folder;
  std::string error;
  ASSERT_TRUE(SaveBmpFile(folder / "two.BMP", TwoColours(), error)) << error;
  // A portable pixmap: one of the program's own formats.
  ASSERT_TRUE(Put(folder / "dot.ppm", std::string("P6\n2 1\n255\n\xff\0\0\0\xff\0", 17)));

  TPicturePreview preview;
  ASSERT_TRUE(preview.ShowFile(folder / "two.BMP"));
  ASSERT_EQ(preview.Thumbnail().size(), QSize(40, 20));
  EXPECT_EQ(ColourOfRgb(preview.Thumbnail().pixel(5, 5)), RGB(255, 0, 0));
  EXPECT_EQ(ColourOfRgb(preview.Thumbnail().pixel(35, 5)), RGB(0, 0, 255));
  EXPECT_EQ(preview.SizeText(), "40 x 20");

  ASSERT_TRUE(preview.ShowFile(folder / "dot.ppm"));
  EXPECT_EQ(ColourOfRgb(preview.Thumbnail().pixel(1, 0)), RGB(0, 255, 0));
}

TEST(PicturePreview, ShrinksLargePicturesIntoThePane) {
  ScratchFolder folder;
  TBitmap big;
  ASSERT_TRUE(big.SetSize(640, 320, RGB(0, 128, 0)));
  std::string error;
  ASSERT_TRUE(SaveBmpFile(folder / "big.bmp", big, error)) << error;
  TPicturePreview preview;
  ASSERT_TRUE(preview.ShowFile(folder / "big.bmp"));
  EXPECT_EQ(preview.Thumbnail().size(), QSize(TPicturePreview::kSide, TPicturePreview::kSide / 2));
  EXPECT_EQ(preview.SizeText(), "640 x 320");
}

TEST(PicturePreview, ShowsAFrameFile) {
  ScratchFolder folder;
  TFrame frame;
  TFrameInfo info;
  info.Color = RGB(200, 0, 0);
  info.Size = 30;
  info.Code = "40,s60,d";
  frame.Assign(info);
  ASSERT_TRUE(frame.WriteToFile(folder / "red.frm")) << frame.ErrorText();

  TPicturePreview preview;
  ASSERT_TRUE(preview.ShowFile(folder / "red.frm"));
  const QImage& shown = preview.Thumbnail();
  ASSERT_FALSE(shown.isNull());
  // The frame's corner is reddish, its inside hatched black on white.
  const TColor corner = ColourOfRgb(shown.pixel(2, 2));
  EXPECT_GT(ChannelOf(corner, 0), ChannelOf(corner, 2) + 40);
  const TColor inside = ColourOfRgb(shown.pixel(shown.width() - 3, shown.height() - 3));
  EXPECT_TRUE(inside == kWhite || inside == kBlack) << std::hex << inside;
}

TEST(PicturePreview, DamagedAndMissingFilesShowNothing) {
  ScratchFolder folder;
  ASSERT_TRUE(Put(folder / "bad.frm", "FRM1.0\x7f\x7f\x7f\x7f garbage"));
  ASSERT_TRUE(Put(folder / "bad.jpg", "not a jpeg"));
  ASSERT_TRUE(Put(folder / "notes.xyz", "hello"));
  TPicturePreview preview;
  ASSERT_TRUE(preview.ShowFile(folder / "bad.jpg") == false);
  for (const char* name : {"bad.frm", "notes.xyz", "missing.bmp"}) {
    EXPECT_FALSE(preview.ShowFile(folder / name)) << name;
    EXPECT_TRUE(preview.Thumbnail().isNull()) << name;
    EXPECT_TRUE(preview.SizeText().isEmpty()) << name;
  }
  EXPECT_FALSE(preview.ShowFile(folder.Path()));
}

TEST(PicturePreview, PictureDialogsPreviewTheCurrentFile) {
  ScratchFolder folder;
  std::string error;
  ASSERT_TRUE(SaveBmpFile(folder / "two.bmp", TwoColours(), error));
  TFileDialogRequest request;
  request.Kind = TFileDialogKind::OpenPicture;
  request.Filter = kPictureFilter;
  request.Folder = folder.Path();
  TFileDialog dialog(request);
  ASSERT_NE(dialog.Preview(), nullptr);
  emit dialog.currentChanged(QString::fromStdString(folder / "two.bmp"));
  EXPECT_EQ(dialog.Preview()->Thumbnail().size(), QSize(40, 20));
  emit dialog.currentChanged(QString::fromStdString(folder.Path()));
  EXPECT_TRUE(dialog.Preview()->Thumbnail().isNull());

  request.Kind = TFileDialogKind::Open;
  EXPECT_EQ(TFileDialog(request).Preview(), nullptr);
}

}  // namespace
}  // namespace lumigram
