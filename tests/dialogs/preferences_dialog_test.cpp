// The preferences dialog: Apply takes the controls, Cancel and closing
// change nothing, and the controls sit where the layout puts them.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/preferences_dialog.h"
#include "tests/platform/qt/ui_driver.h"

namespace lumigram {
namespace {

using testing::WhenReady;

// Runs the dialog for prefs, acting once it shows; answers the result.
bool RunDialog(TCardPreferences& prefs, std::function<void(TPreferencesDialog&)> act) {
  WhenReady([act] {
    auto* dialog = dynamic_cast<TPreferencesDialog*>(QApplication::activeModalWidget());
    if (!dialog) return false;
    act(*dialog);
    return true;
  });
  return EditPreferencesWithDialog(prefs, nullptr);
}

TEST(PreferencesDialog, ApplyTakesWhatTheUserSet) {
  TCardPreferences prefs{true, false, "Ann\r\nBee"};
  bool startedRight = false;
  const bool applied = RunDialog(prefs, [&](TPreferencesDialog& dialog) {
    startedRight = dialog.CanEditBox()->isChecked() && !dialog.CanPrintBox()->isChecked() &&
                   dialog.AuthorBox()->toPlainText() == "Ann\nBee";
    // Clicked on their boxes, as a person aims.
    for (QCheckBox* box : {dialog.CanEditBox(), dialog.CanPrintBox()})
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    dialog.AuthorBox()->moveCursor(QTextCursor::End);
    QTest::keyClick(dialog.AuthorBox(), Qt::Key_Return);
    QTest::keyClicks(dialog.AuthorBox(), "Cy");
    QTest::mouseClick(dialog.ApplyButton(), Qt::LeftButton);
  });
  EXPECT_TRUE(startedRight);
  ASSERT_TRUE(applied);
  EXPECT_FALSE(prefs.CanEdit);
  EXPECT_TRUE(prefs.CanPrint);
  EXPECT_EQ(prefs.Author, "Ann\r\nBee\r\nCy");
}

TEST(PreferencesDialog, CancelAndClosingChangeNothing) {
  const TCardPreferences start{true, true, "Someone"};
  TCardPreferences prefs = start;
  EXPECT_FALSE(RunDialog(prefs, [](TPreferencesDialog& dialog) {
    dialog.CanEditBox()->setChecked(false);
    dialog.AuthorBox()->setPlainText("Other");
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
  }));
  EXPECT_TRUE(prefs.CanEdit);
  EXPECT_EQ(prefs.Author, "Someone");

  EXPECT_FALSE(RunDialog(prefs, [](TPreferencesDialog& dialog) {
    dialog.CanPrintBox()->setChecked(false);
    dialog.close();
  }));
  EXPECT_TRUE(prefs.CanPrint);
}

TEST(PreferencesDialog, ReturnAppliesAsTheDefaultButton) {
  TCardPreferences prefs{true, true, ""};
  EXPECT_TRUE(RunDialog(prefs, [](TPreferencesDialog& dialog) {
    dialog.CanPrintBox()->setChecked(false);
    dialog.CanEditBox()->setFocus();
    QTest::keyClick(dialog.CanEditBox(), Qt::Key_Return);
  }));
  EXPECT_FALSE(prefs.CanPrint);
}

TEST(PreferencesDialog, ControlsAreStackedAndButtonsAtTheBottomRight) {
  TPreferencesDialog dialog({true, true, ""});
  dialog.show();
  ASSERT_TRUE(testing::TurnLoopUntil([&] { return dialog.isVisible(); }));
  EXPECT_EQ(dialog.size(), QSize(300, 400));
  EXPECT_EQ(dialog.windowTitle(), "Lumigram Preferences");

  QList<QLabel*> labels = dialog.findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 2);
  std::sort(labels.begin(), labels.end(),
            [](QLabel* a, QLabel* b) { return a->geometry().top() < b->geometry().top(); });
  EXPECT_EQ(labels[0]->text(), "User Preferences");
  EXPECT_EQ(labels[1]->text(), "Author Details");
  const std::vector<QWidget*> stack = {labels[0], dialog.CanEditBox(), dialog.CanPrintBox(),
                                       labels[1], dialog.AuthorBox()};
  for (size_t i = 1; i < stack.size(); ++i)
    EXPECT_GE(stack[i]->geometry().top(), stack[i - 1]->geometry().bottom()) << i;
  // The author label keeps a gap from the boxes above it.
  EXPECT_GE(labels[1]->geometry().top() - dialog.CanPrintBox()->geometry().bottom(), 8);
  EXPECT_EQ(dialog.AuthorBox()->geometry().left(), 8);
  EXPECT_EQ(dialog.AuthorBox()->geometry().width(), 300 - 16);

  const QRect apply = dialog.ApplyButton()->geometry();
  const QRect cancel = dialog.CancelButton()->geometry();
  EXPECT_EQ(dialog.width() - (apply.right() + 1), 8);
  EXPECT_EQ(dialog.height() - (apply.bottom() + 1), 8);
  EXPECT_EQ(apply.left() - (cancel.right() + 1), 8);
  EXPECT_GT(apply.top(), dialog.AuthorBox()->geometry().bottom());
  EXPECT_TRUE(dialog.ApplyButton()->isDefault());
}

}  // namespace
}  // namespace lumigram
