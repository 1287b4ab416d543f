// The menu bar: its tree, shortcuts, and the states worked out from the
// editor's queries each time a menu opens.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "app/companion_tools.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/lumigram_creator.h"
#include "frames/frame_styles.h"
#include "tests/app/app_fixtures.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram::testing {
namespace {

class MenuTest : public ::testing::Test {
 protected:
  TMainMenu& Menu() { return form_->Menu(); }
  // Opens the menu as the user would, which works out its items' states.
  void Open(const char* name) {
    QMenu* menu = Menu().Menu(name);
    ASSERT_NE(menu, nullptr) << name;
    QMetaObject::invokeMethod(menu, "aboutToShow", Qt::DirectConnection);
  }
  bool Enabled(const char* name) { return Menu().Item(name)->isEnabled(); }
  bool Checked(const char* name) { return Menu().Item(name)->isChecked(); }
  std::string Shortcut(const char* name) {
    return Menu().Item(name)->shortcut().toString(QKeySequence::PortableText).toStdString();
  }
  bool Run(int code, const std::string& argument = {}) { return form_->RunCommand(code, argument); }
  void Choose(const char* name) { Menu().Item(name)->trigger(); }

  TFormOnDouble form_;
};

TEST_F(MenuTest, TopMenusInOrderWithTheirCaptions) {
  std::vector<std::string> captions;
  for (QAction* action : form_->menuBar()->actions())
    captions.push_back(action->text().toStdString());
  EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Edit", "&Picture", "&Cursor", "&Sound",
                                                "F&rame", "&Link", "&Message", "&Help"}));
}

TEST_F(MenuTest, FileMenuItemsCaptionsAndShortcuts) {
  std::vector<std::string> items;
  for (QAction* action : Menu().Menu("File1")->actions())
    items.push_back(action->isSeparator() ? "-" : action->objectName().toStdString());
  EXPECT_EQ(items, (std::vector<std::string>{
                       "New1", "NewInstance1", "-", "Open1", "OpenfromStartButton1", "Save1",
                       "SaveAs1", "SavetoStartButton1", "Print1", "PrintToClipboard1", "Password1",
                       "RemovePassword1", "Preferences1", "-", "Tools1", "ExtractSupportFiles1",
                       "AdditionalResources1", "-", "Exit1"}));
  // Without language files the accelerator moves to the first such letter.
  EXPECT_EQ(Menu().Caption("SaveAs1"), "S&ave As...");
  EXPECT_EQ(Menu().Caption("Open1"), "&Open...");
  EXPECT_EQ(Shortcut("New1"), "Ctrl+N");
  EXPECT_EQ(Shortcut("SaveAs1"), "Ctrl+A");
  EXPECT_EQ(Shortcut("Undo1"), "F10");
  EXPECT_EQ(Shortcut("Traditional4"), "Ctrl+F1");
  EXPECT_EQ(Shortcut("Gallery4"), "Ctrl+F10");
  EXPECT_EQ(Shortcut("More4"), "Ctrl+F11");
  EXPECT_EQ(Shortcut("Define1"), "Ctrl+D");
}

TEST_F(MenuTest, CtrlXRunsCenterAndIsOnlyShownBesidePictureCut) {
  EXPECT_EQ(Shortcut("Center1"), "Ctrl+X");
  EXPECT_EQ(Shortcut("Cut1"), "");
  EXPECT_TRUE(Menu().Item("Cut1")->text().endsWith(QStringLiteral("Ctrl+X")));
}

TEST_F(MenuTest, NewCardLeavesSaveDisabledUntilSavedOnce) {
  Open("File1");
  EXPECT_FALSE(Enabled("Save1"));
  EXPECT_TRUE(Enabled("SaveAs1"));
  EXPECT_TRUE(Enabled("Open1"));
  EXPECT_FALSE(Enabled("RemovePassword1"));
  const std::string file = MakerFolder() + "saved-once.exe";
  ASSERT_TRUE(Run(kSaveCardToFile, file)) << form_->Editor().LastError();
  Open("File1");
  EXPECT_TRUE(Enabled("Save1"));
}

TEST_F(MenuTest, WithoutFrameTheFrameMenuShowsSizeZeroAndDisablesFrameItems) {
  ASSERT_TRUE(Run(kSetFrameSize, "0"));
  Open("Frame1");
  EXPECT_EQ(Menu().Caption("Size4"), "S&ize [0]");
  EXPECT_EQ(Menu().Item("Size4")->text().toStdString(), "S&ize [0]");
  for (const char* name : {"Style1", "Color4", "Cut4", "Copy4", "Clear4", "SavetoFile4"})
    EXPECT_FALSE(Enabled(name)) << name;
  EXPECT_TRUE(Enabled("Size4"));
  EXPECT_TRUE(Enabled("SelectfromFile4"));

  ASSERT_TRUE(Run(kSetFrameSize, "38"));
  Open("Frame1");
  EXPECT_EQ(Menu().Caption("Size4"), "S&ize [38]");
  EXPECT_TRUE(Enabled("Style1"));
  EXPECT_TRUE(Enabled("Color4"));
}

TEST_F(MenuTest, SizeSubmenuChecksThePresetOfTheFrameSize) {
  ASSERT_TRUE(Run(kSetFrameSize, "38"));
  Open("Size4");
  EXPECT_TRUE(Checked("Medium4"));
  EXPECT_FALSE(Checked("Large4"));
  ASSERT_TRUE(Run(kSetFrameSize, "40"));
  Open("Size4");
  for (const char* name :
       {"Border4", "Fine4", "Small4", "Medium4", "Large4", "ExtraLarge4", "Super4"}) {
    EXPECT_FALSE(Checked(name)) << name;
    EXPECT_TRUE(Enabled(name)) << name;
  }
  Choose("Super4");
  EXPECT_EQ(form_->Editor().Card().Info().Frame.Size, 100);
}

TEST_F(MenuTest, StyleSubmenuChecksTheExactStyleOnly) {
  Choose("Classic4");
  EXPECT_EQ(form_->Editor().Card().Info().Frame.Code, kFrameStyles[kClassicStyle].Code);
  Open("Style1");
  EXPECT_TRUE(Checked("Classic4"));
  EXPECT_FALSE(Checked("Gallery4"));
  ASSERT_TRUE(Run(kSetFrameStyle, std::string(kFrameStyles[kClassicStyle].Code) + " "));
  Open("Style1");
  for (const char* name : {"Traditional4", "Modern4", "Classic4", "Gallery4"})
    EXPECT_FALSE(Checked(name)) << name;
}

TEST_F(MenuTest, LinkAddressIsCheckedExactlyWhenSet) {
  Open("Link1");
  EXPECT_FALSE(Checked("Link5"));
  ASSERT_TRUE(Run(kSetLinkAddress, "https://example.org/"));
  Open("Link1");
  EXPECT_TRUE(Checked("Link5"));
  ASSERT_TRUE(Run(kSetLinkAddress, ""));
  Open("Link1");
  EXPECT_FALSE(Checked("Link5"));
}

TEST_F(MenuTest, FlashChosenTwiceReturnsToTheFirstState) {
  Open("Message1");
  const bool first = Checked("Flash6");
  Choose("Flash6");
  Open("Message1");
  EXPECT_NE(Checked("Flash6"), first);
  Choose("Flash6");
  Open("Message1");
  EXPECT_EQ(Checked("Flash6"), first);
}

TEST_F(MenuTest, AlignmentSubmenusCheckTheCurrentValue) {
  Choose("Right6");
  Choose("Bottom6");
  Open("Alignment6");
  Open("VerticalAlignment1");
  EXPECT_TRUE(Checked("Right6"));
  EXPECT_FALSE(Checked("Left6"));
  EXPECT_TRUE(Checked("Bottom6"));
  EXPECT_FALSE(Checked("Center6b"));
  Choose("Center6b");
  Open("VerticalAlignment1");
  EXPECT_TRUE(Checked("Center6b"));
}

TEST_F(MenuTest, SoundPasteCarriesNoTypeWhileItCannotPaste) {
  Open("Sound1");
  EXPECT_FALSE(Enabled("Paste3"));
  EXPECT_EQ(Menu().Caption("Paste3"), "&Paste");
  EXPECT_FALSE(Enabled("Play3"));
  EXPECT_FALSE(Enabled("Stop3"));
}

TEST_F(MenuTest, ToolsAreEnabledOnlyWhileTheirProgramIsThere) {
  const TCompanionTool& language = kCompanionTools.back();
  const std::string file = CompanionToolFile(language);
  DeleteFileIfExists(file);
  Open("Tools1");
  for (const TCompanionTool& tool : kCompanionTools) EXPECT_FALSE(Enabled(tool.Name)) << tool.Name;
  std::string error;
  ASSERT_TRUE(ForceFolder(ExtractFolder(file)));
  ASSERT_TRUE(WriteStringToFile(file, "#!/bin/sh\nexit 0\n", error, true));
  Open("Tools1");
  EXPECT_TRUE(Enabled(language.Name));
  Choose(language.Name);
  ASSERT_FALSE(form_.Platform.DesktopDouble.Started.empty());
  EXPECT_EQ(form_.Platform.DesktopDouble.Started.back(), std::vector<std::string>{file});
  DeleteFileIfExists(file);
}

TEST_F(MenuTest, UndoFollowsTheEditorsQuery) {
  Open("Edit1");
  EXPECT_FALSE(Enabled("Undo1"));
  ASSERT_TRUE(Run(kSetFrameSize, "20"));
  Open("Edit1");
  EXPECT_TRUE(Enabled("Undo1"));
  Choose("Undo1");
  EXPECT_EQ(form_->Editor().Card().Info().Frame.Size, 52);
}

TEST_F(MenuTest, OnTopIsCheckedFromTheWindow) {
  Open("Edit1");
  EXPECT_FALSE(Checked("OnTop1"));
  Choose("OnTop1");
  EXPECT_TRUE(form_->IsStayOnTop());
  Open("Edit1");
  EXPECT_TRUE(Checked("OnTop1"));
  Choose("OnTop1");
  EXPECT_FALSE(form_->IsStayOnTop());
}

TEST_F(MenuTest, BusyDisablesEveryTopMenu) {
  form_->SetBusy(true);
  for (const char* name : kTopMenus) EXPECT_FALSE(Enabled(name)) << name;
  EXPECT_TRUE(form_->IsBusy());
  EXPECT_FALSE(form_->RunMenuItem("Flash6"));
  form_->SetBusy(false);
  for (const char* name : kTopMenus) EXPECT_TRUE(Enabled(name)) << name;
}

TEST_F(MenuTest, LibraryItemsStartInTheirLibraryFolder) {
  Choose("SelectfromStartButton1");
  ASSERT_FALSE(form_.Services.FileDialogs.empty());
  EXPECT_EQ(form_.Services.FileDialogs.back().Folder, MakerFolder() + "Pictures/");
}

}  // namespace
}  // namespace lumigram::testing
