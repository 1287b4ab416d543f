// The card's menu and boxes, played by keys as a person would.

#include <gtest/gtest.h>

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_popup.h"
#include "tests/platform/qt/ui_driver.h"

namespace lumigram {
namespace {

using testing::ActiveModal;
using testing::ActivePopup;
using testing::WhenReady;

const std::vector<TPopupItem> kItems = {
    {10, "&Play", true, false},     {11, "&Stop", false, false},           {12, "-", true, false},
    {15, "&About...", true, false}, {16, "Send To &Desktop", false, true}, {18, "-", true, false},
    {19, "E&xit", true, false},
};

// Opens the menu and plays keys on it once it shows; answers what Track did.
int TrackWithKeys(const std::vector<Qt::Key>& keys, QMenu** seen = nullptr) {
  TQtPopup popup(nullptr);
  WhenReady([&] {
    QMenu* menu = ActivePopup<QMenu>();
    if (!menu) return false;
    if (seen) *seen = menu;
    for (Qt::Key key : keys) QTest::keyClick(menu, key);
    return true;
  });
  return popup.Track(kItems, 120, 90);
}

TEST(QtPopupTest, BuildsTheRowsAsGivenAtThePosition) {
  TQtPopup popup(nullptr);
  QStringList texts;
  QList<bool> enabled, checked;
  QPoint at;
  WhenReady([&] {
    QMenu* menu = ActivePopup<QMenu>();
    if (!menu) return false;
    at = menu->pos();
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) {
        texts << "-";
        continue;
      }
      texts << action->text();
      enabled << action->isEnabled();
      checked << action->isChecked();
    }
    QTest::keyClick(menu, Qt::Key_Escape);
    return true;
  });
  EXPECT_EQ(popup.Track(kItems, 120, 90), -1);  // dismissed
  EXPECT_EQ(texts,
            QStringList({"&Play", "&Stop", "-", "&About...", "Send To &Desktop", "-", "E&xit"}));
  EXPECT_EQ(enabled, QList<bool>({true, false, true, false, true}));
  EXPECT_EQ(checked, QList<bool>({false, false, false, true, false}));
  EXPECT_EQ(at, QPoint(120, 90));
}

TEST(QtPopupTest, AnswersTheIdOfTheItemChosenByKeys) {
  EXPECT_EQ(TrackWithKeys({Qt::Key_X}), 19);  // the marked letter
  EXPECT_EQ(TrackWithKeys({Qt::Key_Down, Qt::Key_Return}), 10);
  // Down skips the disabled Stop and the separator.
  EXPECT_EQ(TrackWithKeys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}), 15);
  // A disabled item's letter chooses nothing.
  EXPECT_EQ(TrackWithKeys({Qt::Key_S, Qt::Key_Escape}), -1);
  EXPECT_EQ(TQtPopup(nullptr).Track({}, 0, 0), -1);
}

// Answers the next box with a button, recording what it showed.
struct TBoxSeen {
  QString Title, Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QStringList Buttons;
};

void AnswerBox(QMessageBox::StandardButton answer, TBoxSeen& seen) {
  WhenReady([answer, &seen] {
    QMessageBox* box = ActiveModal<QMessageBox>();
    if (!box) return false;
    seen.Title = box->windowTitle();
    seen.Text = box->text();
    seen.Icon = box->icon();
    for (QAbstractButton* button : box->buttons()) seen.Buttons << button->text();
    if (answer == QMessageBox::NoButton)
      QTest::keyClick(box, Qt::Key_Escape);
    else
      box->button(answer)->click();
    return true;
  });
}

TEST(QtCardDialogsTest, BoxesShowTheirCaptionTextAndIcon) {
  TQtCardDialogs dialogs;
  TBoxSeen seen;
  AnswerBox(QMessageBox::Ok, seen);
  dialogs.ShowError("Error", "File not found\r\nsecond line");
  EXPECT_EQ(seen.Title, "Error");
  EXPECT_EQ(seen.Text, "File not found\nsecond line");
  EXPECT_EQ(seen.Icon, QMessageBox::Critical);

  seen = {};
  AnswerBox(QMessageBox::Ok, seen);
  dialogs.ShowInformation("card.exe", "Made by \xC3\xA9mile");
  EXPECT_EQ(seen.Title, "card.exe");
  EXPECT_EQ(seen.Text, QString::fromUtf8("Made by \xC3\xA9mile"));
  EXPECT_EQ(seen.Icon, QMessageBox::Information);
}

TEST(QtCardDialogsTest, TheWarningAnswersYesOnlyForYes) {
  TQtCardDialogs dialogs;
  TBoxSeen seen;
  AnswerBox(QMessageBox::Yes, seen);
  EXPECT_TRUE(dialogs.AskWarning("Warning", "Replace it?"));
  EXPECT_EQ(seen.Icon, QMessageBox::Warning);
  EXPECT_EQ(seen.Buttons.size(), 2);
  AnswerBox(QMessageBox::No, seen);
  EXPECT_FALSE(dialogs.AskWarning("Warning", "Replace it?"));
  AnswerBox(QMessageBox::NoButton, seen);  // Esc
  EXPECT_FALSE(dialogs.AskWarning("Warning", "Replace it?"));
}

TEST(QtCardDialogsTest, ThePasswordPromptHidesWhatIsTypedAndCanBeCancelled) {
  TQtCardDialogs dialogs;
  bool hidden = false;
  QString title;
  WhenReady([&] {
    auto* dialog = ActiveModal<QInputDialog>();
    if (!dialog) return false;
    title = dialog->windowTitle();
    auto* edit = dialog->findChild<QLineEdit*>();
    hidden = edit && edit->echoMode() == QLineEdit::Password;
    QTest::keyClicks(edit, "s3cret");
    QTest::keyClick(edit, Qt::Key_Return);
    return true;
  });
  std::string password = "old";
  EXPECT_TRUE(dialogs.AskPassword("Lumigram", "Password:", password));
  EXPECT_EQ(password, "s3cret");
  EXPECT_TRUE(hidden);
  EXPECT_EQ(title, "Lumigram");

  WhenReady([&] {
    auto* dialog = ActiveModal<QInputDialog>();
    if (!dialog) return false;
    QTest::keyClicks(dialog->findChild<QLineEdit*>(), "typed");
    dialog->reject();
    return true;
  });
  EXPECT_FALSE(dialogs.AskPassword("Lumigram", "Password:", password));
  EXPECT_EQ(password, "s3cret");
}

}  // namespace
}  // namespace lumigram
