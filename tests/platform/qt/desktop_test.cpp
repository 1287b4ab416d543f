// Printing, the clipboard and the screen's pixels.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <filesystem>
#include <fstream>

#include "platform/qt/qt_card_window.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_screen_pixel.h"
#include "tests/platform/qt/ui_driver.h"
#include "tests/support/scratch_folder.h"

namespace lumigram {
namespace {

TBitmap Pattern(int width, int height) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RGB(x * 40, y * 30, 200 - x - y));
  return bitmap;
}

std::string FileStart(const std::string& path, size_t count) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes(count, '\0');
  file.read(bytes.data(), std::streamsize(count));
  bytes.resize(size_t(file.gcount()));
  return bytes;
}

TEST(QtDesktopTest, PrintsThroughTheChosenPrinterAndACancelPrintsNothing) {
  testing::ScratchFolder folder;
  const std::string pdf = folder / "card.pdf";
  TQtCardDesktop desktop;
  QString documentName;
  desktop.SetPrintSetup([&](QPrinter& printer, QWidget*) {
    documentName = printer.docName();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  });
  std::string error;
  EXPECT_TRUE(desktop.CanPrint());
  ASSERT_TRUE(desktop.Print(Pattern(31, 17), "Lumigram", error)) << error;
  EXPECT_EQ(documentName, "Lumigram");
  EXPECT_EQ(FileStart(pdf, 5), "%PDF-");

  std::filesystem::remove(pdf);
  desktop.SetPrintSetup([&](QPrinter& printer, QWidget*) {
    printer.setOutputFileName(QString::fromStdString(pdf));
    return false;  // the user cancelled
  });
  EXPECT_TRUE(desktop.Print(Pattern(31, 17), "Lumigram", error));
  EXPECT_FALSE(std::filesystem::exists(pdf));

  EXPECT_FALSE(desktop.Print(TBitmap(), "Lumigram", error));
  EXPECT_EQ(error, "Unknown format");
}

TEST(QtDesktopTest, APrintedCardKeepsItsScreenSizeUnlessThePageIsSmaller) {
  const QRect page(0, 0, 9000, 12000);
  // 300 pixels at 96 per inch are 3.125 inches: 3750 dots at 1200 per inch.
  EXPECT_EQ(PrintPlacement({300, 200}, page, 1200), QRect(2625, 0, 3750, 2500));
  // Too wide for the page: shrunk to its width, proportions kept.
  EXPECT_EQ(PrintPlacement({1200, 300}, page, 1200), QRect(0, 0, 9000, 2250));
  EXPECT_TRUE(PrintPlacement({0, 10}, page, 1200).isEmpty());
}

TEST(QtClipboardTest, ABitmapPutOnTheClipboardComesBackTheSame) {
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(ClipboardHasBitmap());
  TBitmap bitmap;
  std::string error;
  EXPECT_FALSE(GetClipboardBitmap(bitmap, error));
  EXPECT_EQ(error, "Empty");

  const TBitmap original = Pattern(13, 7);
  ASSERT_TRUE(PutClipboardBitmap(original, error)) << error;
  EXPECT_TRUE(ClipboardHasBitmap());
  ASSERT_TRUE(GetClipboardBitmap(bitmap, error)) << error;
  EXPECT_EQ(bitmap, original);

  EXPECT_FALSE(PutClipboardBitmap(TBitmap(), error));
  EXPECT_EQ(error, "Empty");
  QGuiApplication::clipboard()->setText("not a picture");
  EXPECT_FALSE(ClipboardHasBitmap());
}

TEST(QtScreenPixelTest, ReadsTheColourShownOnTheScreen) {
  TQtCardWindow window(TCardWindowKind::Standalone, nullptr);
  const TBitmap image = Pattern(40, 30);
  window.SetBounds(100, 80, 40, 30);
  window.Present(image);
  window.Show();
  ASSERT_TRUE(testing::TurnLoopUntil([&] {
    TColor colour = 0;
    return ScreenPixel({100 + 5, 80 + 7}, colour) && colour == image.GetPixel(5, 7);
  }));
  TColor colour = 0;
  ASSERT_TRUE(ScreenPixel({100 + 39, 80 + 29}, colour));
  EXPECT_EQ(colour, image.GetPixel(39, 29));

  QCursor::setPos(100 + 20, 80 + 3);
  ASSERT_TRUE(ScreenPixelUnderMouse(colour));
  EXPECT_EQ(colour, image.GetPixel(20, 3));

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_FALSE(ScreenPixel({screen.right() + 10, screen.bottom() + 10}, colour));
}

}  // namespace
}  // namespace lumigram
