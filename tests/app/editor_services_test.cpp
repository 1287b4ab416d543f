// The editor's services on Qt: fonts both ways, the dialogs and boxes
// played as a user would, and the editor's windows.

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>

#include "app/qt_editor_services.h"
#include "dialogs/font_dialog.h"
#include "dialogs/font_mapping.h"
#include "dialogs/info_window.h"
#include "dialogs/text_window.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "tests/platform/qt/ui_driver.h"

namespace lumigram {
namespace {

using testing::ActiveModal;
using testing::WhenReady;

TFont SampleFont() {
  TFont font;
  font.Name = "DejaVu Serif";
  font.Height = -16;
  font.Bold = true;
  font.Italic = true;
  font.Underline = true;
  font.StrikeOut = true;
  font.Charset = kCyrillicCharset;
  font.Color = RGB(10, 20, 30);
  return font;
}

TEST(FontMapping, BothWays) {
  const TFont font = SampleFont();
  const QFont pixels = ToQFont(font);
  EXPECT_EQ(pixels.family(), "DejaVu Serif");
  EXPECT_EQ(pixels.pixelSize(), 16);
  EXPECT_TRUE(pixels.bold() && pixels.italic() && pixels.underline() && pixels.strikeOut());
  EXPECT_EQ(FromQFont(pixels, font), font);

  // The dialog's unit: 16 pixels are 12 points at 96 dots per inch.
  const QFont points = ToQFont(font, TFontUnit::Points);
  EXPECT_DOUBLE_EQ(points.pointSizeF(), 12.0);
  EXPECT_EQ(FromQFont(points, font), font);

  // What Qt's fonts lack comes from the base.
  QFont plain("DejaVu Sans");
  plain.setPointSize(9);
  const TFont back = FromQFont(plain, font);
  EXPECT_EQ(back.Height, -12);
  EXPECT_FALSE(back.Bold || back.Italic || back.Underline || back.StrikeOut);
  EXPECT_EQ(back.Charset, kCyrillicCharset);
  EXPECT_EQ(back.Color, font.Color);
}

TEST(FontMapping, CellHeightsAndDefaults) {
  TFont font;
  font.Name = "DejaVu Sans";
  font.Height = 0;
  EXPECT_EQ(ToQFont(font).pixelSize(), -TFont::kDefaultHeight);
  // A positive height is the whole cell: the character itself is smaller.
  font.Height = 40;
  const QFont cell = ToQFont(font);
  EXPECT_LT(cell.pixelSize(), 40);
  EXPECT_NEAR(QFontMetrics(cell).height(), 40, 2);
  // A damaged record's height does not ask for an absurd font.
  font.Height = -1000000;
  EXPECT_LE(ToQFont(font).pixelSize(), 2000);
  EXPECT_EQ(FromQColor(ToQColor(RGB(1, 2, 3))), RGB(1, 2, 3));
}

TEST(EditorServices, FontDialogStartsAtTheFontAndAnswersTheChoice) {
  TQtEditorServices services;
  TFont font = SampleFont();
  QString startColour;
  QFont startFont;
  WhenReady([&] {
    auto* dialog = dynamic_cast<TFontDialog*>(QApplication::activeModalWidget());
    if (!dialog) return false;
    startColour = dialog->ColourList()->currentText();
    startFont = dialog->currentFont();
    QFont chosen("DejaVu Sans");
    chosen.setPointSize(18);
    chosen.setUnderline(true);
    dialog->setCurrentFont(chosen);
    dialog->ColourList()->setCurrentIndex(dialog->ColourList()->findText("Red"));
    dialog->accept();
    return true;
  });
  ASSERT_TRUE(services.ChooseFont(font));
  // A colour outside the list is offered as it is.
  EXPECT_EQ(startColour, "Custom");
  EXPECT_EQ(startFont.family(), "DejaVu Serif");
  EXPECT_TRUE(startFont.bold() && startFont.strikeOut());
  EXPECT_EQ(font.Name, "DejaVu Sans");
  EXPECT_EQ(font.Height, -24);
  EXPECT_TRUE(font.Underline);
  EXPECT_FALSE(font.Bold || font.StrikeOut);
  EXPECT_EQ(font.Color, RGB(255, 0, 0));
  EXPECT_EQ(font.Charset, kCyrillicCharset);

  // Cancelled: the font stays.
  const TFont before = font;
  WhenReady([] {
    auto* dialog = dynamic_cast<TFontDialog*>(QApplication::activeModalWidget());
    if (!dialog) return false;
    dialog->reject();
    return true;
  });
  EXPECT_FALSE(services.ChooseFont(font));
  EXPECT_EQ(font, before);
}

TEST(EditorServices, FontDialogKeepsAFaceTheDesktopLacks) {
  TQtEditorServices services;
  TFont font;
  font.Name = "No Such Face Anywhere";
  font.Color = RGB(0, 0, 128);
  QString colour;
  WhenReady([&] {
    auto* dialog = dynamic_cast<TFontDialog*>(QApplication::activeModalWidget());
    if (!dialog) return false;
    colour = dialog->ColourList()->currentText();
    dialog->accept();
    return true;
  });
  ASSERT_TRUE(services.ChooseFont(font));
  EXPECT_EQ(colour, "Navy");
  EXPECT_EQ(font.Name, "No Such Face Anywhere");
  EXPECT_EQ(font.Height, TFont::kDefaultHeight);
}

TEST(EditorServices, ColourDialog) {
  TQtEditorServices services;
  TColor colour = RGB(1, 2, 3);
  QColor start;
  WhenReady([&] {
    QColorDialog* dialog = ActiveModal<QColorDialog>();
    if (!dialog) return false;
    start = dialog->currentColor();
    dialog->setCurrentColor(QColor(200, 100, 50));
    dialog->accept();
    return true;
  });
  ASSERT_TRUE(services.ChooseColour(colour));
  EXPECT_EQ(start, QColor(1, 2, 3));
  EXPECT_EQ(colour, RGB(200, 100, 50));
}

TEST(EditorServices, PromptTakesAtMost255Characters) {
  TQtEditorServices services;
  std::string value = "start";
  QString shown;
  WhenReady([&] {
    QInputDialog* dialog = ActiveModal<QInputDialog>();
    if (!dialog) return false;
    QLineEdit* line = dialog->findChild<QLineEdit*>();
    shown = line->text();
    line->selectAll();
    QTest::keyClicks(line, QString(300, QLatin1Char('x')));
    dialog->accept();
    return true;
  });
  ASSERT_TRUE(services.InputQuery("Size", "Type a size", value));
  EXPECT_EQ(shown, "start");
  EXPECT_EQ(value, std::string(255, 'x'));

  WhenReady([] {
    QInputDialog* dialog = ActiveModal<QInputDialog>();
    if (!dialog) return false;
    dialog->findChild<QLineEdit*>()->setText("ignored");
    dialog->reject();
    return true;
  });
  EXPECT_FALSE(services.InputQuery("Size", "Type a size", value));
  EXPECT_EQ(value, std::string(255, 'x'));
}

// Answers the next message box with a key, recording its text.
void AnswerBox(int key, QString* text = nullptr) {
  WhenReady([key, text] {
    QMessageBox* box = ActiveModal<QMessageBox>();
    if (!box) return false;
    if (text) *text = box->text();
    QTest::keyClick(box, Qt::Key(key));
    return true;
  });
}

TEST(EditorServices, WarningBoxes) {
  TQtEditorServices services;
  QString text;
  AnswerBox(Qt::Key_Escape, &text);
  EXPECT_EQ(services.AskWarningYesNoCancel("Warning", "Save Changes to\r\nUntitled.exe?"),
            TWarningAnswer::Cancel);
  EXPECT_EQ(text, "Save Changes to\nUntitled.exe?");
  AnswerBox(Qt::Key_Return);  // Yes is the default
  EXPECT_EQ(services.AskWarningYesNoCancel("Warning", "Save?"), TWarningAnswer::Yes);
  AnswerBox(Qt::Key_N);
  EXPECT_EQ(services.AskWarningYesNoCancel("Warning", "Save?"), TWarningAnswer::No);

  AnswerBox(Qt::Key_Escape);
  EXPECT_FALSE(services.AskWarningYesNo("Warning", "Replace?"));
  AnswerBox(Qt::Key_Return);
  EXPECT_TRUE(services.AskWarningYesNo("Warning", "Replace?"));
  // The editor's error box is the card platform's.
  TQtCardDialogs dialogs;
  AnswerBox(Qt::Key_Return, &text);
  dialogs.ShowError("Error", "Out of memory");
  EXPECT_EQ(text, "Out of memory");
}

TEST(EditorServices, InfoWindowShowsTheReportModally) {
  TQtEditorServices services;
  TInfoReport report;
  report.Caption = "Lumigram Information";
  report.Width = 400;
  report.Height = 470;
  report.Lines = {"f1Picture", "<li>No"};
  QString caption, content;
  QSize size;
  WhenReady([&] {
    auto* window = dynamic_cast<TInfoWindow*>(QApplication::activeModalWidget());
    if (!window) return false;
    caption = window->windowTitle();
    content = window->TextBox()->toPlainText();
    size = window->size();
    QTest::keyClick(window, Qt::Key_Escape);
    return true;
  });
  services.ShowInfoWindow(report);
  EXPECT_EQ(caption, "Lumigram Information");
  EXPECT_EQ(content, "Picture\n   No");
  EXPECT_EQ(size, QSize(400, 470));
  EXPECT_FALSE(services.InfoWindow().isVisible());
}

TEST(EditorServices, TheTwoTextWindowsAreTheirOwn) {
  TQtEditorServices services;
  EXPECT_NE(&services.MessageWindow(), &services.StyleCodeWindow());
  EXPECT_EQ(&services.MessageWindow(), &services.MessageWindow());
  services.StyleCodeWindow().SetText("40,s60,d");
  EXPECT_EQ(services.MessageWindow().Text(), "");
  EXPECT_EQ(services.StyleCodeTextWindow().Text(), "40,s60,d");
  EXPECT_FALSE(TQtCardDesktop().StartProgram({}));
}

}  // namespace
}  // namespace lumigram
