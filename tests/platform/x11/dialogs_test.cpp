// GoogleTest before Xlib, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "platform/x11/x11_card_window.h"
#include "platform/x11/x11_dialogs.h"
#include "tests/platform/x11/dialog_driver.h"
#include "tests/platform/x11/x11_fixture.h"

namespace lumigram {
namespace {

using testing::TDialogDriver;
using testing::TDialogSeen;
using TUser = TDialogDriver::TUser;

class X11DialogsTest : public testing::X11Test {
 protected:
  // Asks the warning while the user acts on it.
  bool AskWith(const std::function<void(TUser&, const TDialogSeen&)>& act,
               TDialogSeen* seen = nullptr) {
    TDialogDriver driver("Warning", act);
    const bool answer = dialogs_.AskWarning("Warning", "card.exe already exists.\r\nReplace it?");
    const TDialogSeen& found = driver.Finish();
    EXPECT_NE(found.Id, 0u) << "the box never had the keyboard";
    if (seen) *seen = found;
    return answer;
  }

  TX11Dialogs dialogs_{app_};
};

TEST_F(X11DialogsTest, WarningAnswersYesAndNoByKey) {
  EXPECT_TRUE(AskWith([](TUser& user, const TDialogSeen&) { user.Key(XK_y); }));
  EXPECT_FALSE(AskWith([](TUser& user, const TDialogSeen&) { user.Key(XK_N, true); }));
  EXPECT_FALSE(AskWith([](TUser& user, const TDialogSeen&) { user.Key(XK_Escape); }));
  EXPECT_TRUE(AskWith([](TUser& user, const TDialogSeen&) { user.Key(XK_Return); }));
  EXPECT_FALSE(AskWith([](TUser& user, const TDialogSeen&) {
    user.Key(XK_Tab);
    user.Key(XK_Return);
  }));
}

TEST_F(X11DialogsTest, WarningAnswersByMouse) {
  // "No" is the right-most button, "Yes" left of it.
  EXPECT_FALSE(AskWith(
      [](TUser& user, const TDialogSeen& seen) { user.ClickFromBottomRight(seen, 40, 22); }));
  EXPECT_TRUE(AskWith(
      [](TUser& user, const TDialogSeen& seen) { user.ClickFromBottomRight(seen, 130, 22); }));
}

TEST_F(X11DialogsTest, BoxIsACentredDialogAboveTheCardWindow) {
  TX11CardWindow card(app_);
  app_.SetMainWindow(card.XWindow());
  TDialogSeen seen;
  AskWith([](TUser& user, const TDialogSeen&) { user.Key(XK_Escape); }, &seen);
  EXPECT_EQ(seen.TransientFor, card.XWindow());
  EXPECT_EQ(seen.Type, "_NET_WM_WINDOW_TYPE_DIALOG");
  EXPECT_EQ(seen.Left, (1024 - seen.Width) / 2);
  EXPECT_EQ(seen.Top, (768 - seen.Height) / 2);
  EXPECT_GT(seen.Width, 100);
}

TEST_F(X11DialogsTest, PasswordPromptReturnsWhatWasTyped) {
  std::string password = "unchanged";
  {
    TDialogDriver driver("Password", [](TUser& user, const TDialogSeen&) {
      user.Type("Abc");
      user.Key(XK_BackSpace);
      user.Type("d e");
      user.Key(XK_Return);
    });
    EXPECT_TRUE(dialogs_.AskPassword("Password", "Enter the password:", password));
  }
  EXPECT_EQ(password, "Abd e");
  {
    TDialogDriver driver("Password", [](TUser& user, const TDialogSeen&) {
      user.Type("xyz");
      user.Key(XK_Escape);
    });
    EXPECT_FALSE(dialogs_.AskPassword("Password", "Enter the password:", password));
  }
  EXPECT_EQ(password, "Abd e");
}

TEST_F(X11DialogsTest, ErrorAndInformationBoxesCloseByKey) {
  {
    TDialogDriver driver("Error", [](TUser& user, const TDialogSeen&) { user.Key(XK_Return); });
    dialogs_.ShowError("Error", "Unsupported format");
    EXPECT_NE(driver.Finish().Id, 0u);
  }
  {
    TDialogDriver driver("card.exe", [](TUser& user, const TDialogSeen&) { user.Key(XK_Escape); });
    dialogs_.ShowInformation("card.exe", std::string(2000, 'w'));  // wraps, however long
    const TDialogSeen& seen = driver.Finish();
    EXPECT_NE(seen.Id, 0u);
    EXPECT_LE(seen.Width, 1024);
  }
}

}  // namespace
}  // namespace lumigram
