// The text window: typing reaches the editor only while editing is enabled,
// texts keep the editor's line breaks and character set, and the lines are
// those the user sees.

#include <gtest/gtest.h>

#include <QTest>
#include <QTextEdit>

#include "dialogs/text_window.h"
#include "tests/platform/qt/ui_driver.h"

namespace lumigram {
namespace {

using testing::TurnLoopUntil;

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line;
  return text;
}

TEST(TextWindow, ReportsTypingOnlyWhileEditingIsEnabled) {
  TTextWindow window;
  int typed = 0;
  window.OnTyped = [&] { ++typed; };
  window.ShowWindow();

  window.SetEditEnabled(false);
  window.SetText("abc");
  QTest::keyClicks(window.Memo(), "zz");  // refused: the box is read-only
  EXPECT_EQ(typed, 0);
  EXPECT_EQ(window.Text(), "abc");

  window.SetEditEnabled(true);
  window.Memo()->moveCursor(QTextCursor::End);
  QTest::keyClicks(window.Memo(), "de");
  EXPECT_EQ(typed, 2);
  EXPECT_EQ(window.Text(), "abcde");
  QTest::keyClick(window.Memo(), Qt::Key_Return);
  QTest::keyClicks(window.Memo(), "f");
  EXPECT_EQ(window.Text(), "abcde\r\nf");
  EXPECT_EQ(window.Lines(), (std::vector<std::string>{"abcde", "f"}));
}

TEST(TextWindow, KeepsLineBreaksAndTheFontsCharacterSet) {
  TTextWindow window;
  window.SetText("one\r\n\r\nthree");
  EXPECT_EQ(window.Text(), "one\r\n\r\nthree");
  EXPECT_EQ(window.Lines(), (std::vector<std::string>{"one", "", "three"}));

  TFont cyrillic;
  cyrillic.Charset = kCyrillicCharset;
  cyrillic.Color = RGB(255, 0, 0);
  window.SetFont(cyrillic);
  window.SetText("\xC0\xC1");  // two Cyrillic capitals in Windows-1251
  EXPECT_EQ(window.Memo()->toPlainText(), QString::fromUtf8("\u0410\u0411"));
  EXPECT_EQ(window.Text(), "\xC0\xC1");
  EXPECT_EQ(window.Memo()->palette().color(QPalette::Text), QColor(255, 0, 0));
  window.SetText("");
  EXPECT_TRUE(window.Lines().empty());
}

TEST(TextWindow, LinesAreTheWrappedPiecesTheUserSees) {
  TTextWindow window;
  TTextWindowSetup setup;
  setup.Caption = "Text";
  setup.Width = 220;
  setup.Height = 200;
  window.Setup(setup);
  const std::string text = "the quick brown fox jumps over the lazy dog and keeps running far away";
  window.SetText(text);
  // Not shown yet: nothing is wrapped for anyone.
  EXPECT_EQ(window.Lines(), std::vector<std::string>{text});

  int typed = 0;
  window.OnTyped = [&] { ++typed; };
  window.ShowWindow();
  ASSERT_TRUE(TurnLoopUntil([&] { return window.Lines().size() > 1; }));
  const std::vector<std::string> narrow = window.Lines();
  EXPECT_EQ(Joined(narrow), text);

  // Widening moves the breaks, and tells the editor so.
  typed = 0;
  window.resize(900, 200);
  ASSERT_TRUE(TurnLoopUntil([&] { return typed > 0; }));
  EXPECT_LT(window.Lines().size(), narrow.size());
  EXPECT_EQ(Joined(window.Lines()), text);

  // Without word wrap a paragraph is one line, however narrow the window.
  setup.WordWrap = false;
  setup.Width = 120;
  window.Setup(setup);
  EXPECT_EQ(window.Lines(), std::vector<std::string>{text});
}

TEST(TextWindow, SetupAndAlignment) {
  TTextWindow window;
  TTextWindowSetup setup;
  setup.Caption = "Custom Frame Style Code";
  setup.Width = 300;
  setup.Height = 240;
  setup.FontName = "Courier";
  setup.WordWrap = false;
  setup.HorizontalScrollBar = true;
  window.Setup(setup);
  EXPECT_EQ(window.windowTitle(), "Custom Frame Style Code");
  EXPECT_EQ(window.size(), QSize(300, 240));
  EXPECT_EQ(window.Memo()->font().family(), "Courier");
  EXPECT_TRUE(QFontInfo(window.Memo()->font()).fixedPitch());
  EXPECT_EQ(window.Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

  window.SetAlignment(1);
  EXPECT_EQ(window.Memo()->document()->defaultTextOption().alignment(), Qt::AlignRight);
  window.SetAlignment(7);
  EXPECT_EQ(window.Memo()->document()->defaultTextOption().alignment(), Qt::AlignHCenter);

  EXPECT_TRUE(window.IsHidden());
  window.ShowWindow();
  EXPECT_FALSE(window.IsHidden());
  window.showMinimized();
  EXPECT_TRUE(window.IsHidden());
  window.ShowWindow();
  EXPECT_FALSE(window.IsHidden());
}

}  // namespace
}  // namespace lumigram
