// The information window's mark-up, what it renders, and how it is shown.

#include <gtest/gtest.h>

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "dialogs/info_markup.h"
#include "dialogs/info_window.h"
#include "tests/platform/qt/ui_driver.h"

namespace lumigram {
namespace {

using testing::WhenReady;

TEST(InfoMarkup, StylesBreaksAndIndents) {
  EXPECT_EQ(ParseInfoMarkup("f1Picture\r\n<li>Yes\r\nplain"),
            (std::vector<TInfoLine>{{1, "Picture"}, {0, "   Yes"}, {0, "plain"}}));
  // A lone "f" is an empty line; digits above 2 mean 2, other characters 0.
  EXPECT_EQ(ParseInfoMarkup("f"), (std::vector<TInfoLine>{{0, ""}}));
  EXPECT_EQ(ParseInfoMarkup("f9word"), (std::vector<TInfoLine>{{2, "word"}}));
  EXPECT_EQ(ParseInfoMarkup("fxword"), (std::vector<TInfoLine>{{0, "word"}}));
  // A break inside a line starts a line of the plain style.
  EXPECT_EQ(ParseInfoMarkup("f2one<br>two"), (std::vector<TInfoLine>{{2, "one"}, {0, "two"}}));
  EXPECT_TRUE(ParseInfoMarkup("").empty());
}

struct TRun {
  QString Text;
  QColor Colour;
  bool Bold;
};

std::vector<TRun> RenderedRuns(const QTextEdit& box) {
  std::vector<TRun> runs;
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      runs.push_back({fragment.text(), fragment.charFormat().foreground().color(),
                      fragment.charFormat().fontWeight() >= QFont::Bold});
    }
  return runs;
}

TEST(InfoWindow, RendersEachLineInItsStyle) {
  TInfoWindow window;
  window.SetReportFont("DejaVu Sans", 9);
  for (const char* line : {"f1Picture", "<li>Yes", "f2Warning"}) window.AddLine(line);
  window.Render();
  ASSERT_EQ(window.TextBox()->document()->blockCount(), 3);
  const std::vector<TRun> runs = RenderedRuns(*window.TextBox());
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].Text, "Picture");
  EXPECT_EQ(runs[0].Colour, QColor(Qt::black));
  EXPECT_FALSE(runs[0].Bold);
  EXPECT_EQ(runs[1].Text, "   Yes");
  EXPECT_EQ(runs[1].Colour, QColor(Qt::blue));
  EXPECT_FALSE(runs[1].Bold);
  EXPECT_EQ(runs[2].Text, "Warning");
  EXPECT_EQ(runs[2].Colour, QColor(Qt::red));
  EXPECT_TRUE(runs[2].Bold);
  const QTextCharFormat format =
      window.TextBox()->document()->begin().begin().fragment().charFormat();
  EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{"DejaVu Sans"});
  EXPECT_EQ(format.fontPointSize(), 9);

  // Refilled, it shows only the new report.
  window.Clear();
  window.AddLine("f1Only");
  window.Render();
  EXPECT_EQ(window.TextBox()->toPlainText(), "Only");
  EXPECT_TRUE(window.TextBox()->isReadOnly());
}

TEST(InfoWindow, ShowsModallyUntilEscAndIgnoresASecondShow) {
  TInfoWindow window;
  window.AddLine("f1First");
  bool wasShown = false;
  int blocksAfterSecondShow = 0;
  WhenReady([&] {
    if (!window.isVisible() || QApplication::activeModalWidget() != &window) return false;
    wasShown = true;
    EXPECT_FALSE(window.CanShow());
    window.AddLine("f2Late");
    window.ShowInfo();  // already showing: nothing happens
    blocksAfterSecondShow = window.TextBox()->document()->blockCount();
    QTest::keyClick(&window, Qt::Key_Escape);
    return true;
  });
  window.ShowInfo();
  EXPECT_TRUE(wasShown);
  EXPECT_EQ(blocksAfterSecondShow, 1);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(window.CanShow());
}

}  // namespace
}  // namespace lumigram
