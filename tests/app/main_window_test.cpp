// The main window: start-up, RunCommand and the busy state, the caption,
// closing, settings and the toolbar seam.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <filesystem>

#include "app/compact_splash.h"
#include "app/help_viewer.h"
#include "card/card_texts.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/lumigram_creator.h"
#include "storage/ini_file.h"
#include "tests/app/app_fixtures.h"
#include "tests/editor/editor_fixtures.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/paths.h"
#include "util/text.h"

namespace lumigram::testing {
namespace {

constexpr const char* kNewCaption = "Untitled.exe - Brimble Lumigram Creator";

std::string IniValue(const char* section, const char* name) {
  TIniFile ini;
  ini.LoadFromFile(SettingsFile());
  return ini.ReadString(section, name, "(none)");
}

void SetIniValue(const char* section, const char* name, const char* value) {
  TIniFile ini;
  ASSERT_TRUE(ini.LoadFromFile(SettingsFile()));
  ASSERT_TRUE(ini.WriteString(section, name, value));
  ASSERT_TRUE(ini.SaveToFile(SettingsFile()));
}

std::string Caption(TForm1& form) {
  return form.windowTitle().toStdString();
}

TEST(MainWindow, StartsShownWithANewCardAndItsCardWindow) {
  TFormOnDouble form;
  ASSERT_TRUE(form.Started);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(Caption(*form), kNewCaption);
  EXPECT_EQ(form->width(), 640);
  EXPECT_EQ(form->height(), form->menuBar()->sizeHint().height() + 2);
  EXPECT_TRUE(form.Platform.LastWindow->IsVisible);
  EXPECT_FALSE(form->Editor().Card().ExitOnClose);
  EXPECT_EQ(form->Editor().ViewerImage(), FileBytes(LUMIGRAM_VIEWER));
  EXPECT_EQ(form.ErrorBoxes(), 0);
}

TEST(MainWindow, CaptionGainsAStarWhenTheCardChanges) {
  TFormOnDouble form;
  ASSERT_TRUE(form->RunCommand(kSetFrameSize, "20"));
  EXPECT_EQ(Caption(*form), std::string("*") + kNewCaption);
}

TEST(MainWindow, FailingCommandShowsItsErrorOnceAndQueriesNothing) {
  TFormOnDouble form;
  EXPECT_FALSE(form->RunCommand(9999));
  EXPECT_EQ(form.ErrorBoxes(err::kIndexOutOfRange), 1);
  EXPECT_EQ(form.ErrorBoxes(), 1);
  EXPECT_FALSE(form->RunCommand(-kSaveCard));
  EXPECT_FALSE(form->RunCommand(-9999));
  EXPECT_EQ(form.ErrorBoxes(), 1);
  EXPECT_FALSE(form->IsBusy());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MainWindow, CommandRunsBusyAndCancelledDialogIsASilentSuccess) {
  TFormOnDouble form;
  bool busyInside = false;
  form->Editor().OnBusyChanged = [&](TLumigramCreator& editor) {
    if (editor.Busy()) busyInside = form->IsBusy() && QApplication::overrideCursor() != nullptr;
  };
  EXPECT_TRUE(form->RunCommand(kOpenCard));
  EXPECT_EQ(form.Services.FileDialogs.size(), 1u);
  EXPECT_TRUE(busyInside);
  EXPECT_FALSE(form->IsBusy());
  EXPECT_EQ(form.ErrorBoxes(), 0);
}

TEST(MainWindow, CardFileOnTheCommandLineIsOpened) {
  std::string file;
  {
    TFormOnDouble maker;
    ASSERT_TRUE(maker->RunCommand(kSetLinkAddress, "https://example.org/"));
    file = MakerFolder() + "from-command-line.exe";
    ASSERT_TRUE(maker->RunCommand(kSaveCardToFile, file)) << maker->Editor().LastError();
  }
  TStartOptions options;
  options.Arguments = {file};
  TFormOnDouble form(options);
  ASSERT_TRUE(form.Started);
  EXPECT_EQ(form->Editor().Card().Info().Link, "https://example.org/");
  EXPECT_EQ(Caption(*form), "from-command-line.exe - Brimble Lumigram Creator");
  EXPECT_EQ(form.ErrorBoxes(), 0);
}

TEST(MainWindow, NonCardOnTheCommandLineShowsUnknownFormatAndKeepsANewCard) {
  const std::string file = MakerFolder() + "not-a-card.exe";
  std::string error;
  ASSERT_TRUE(WriteStringToFile(file, std::string(300000, 'q'), error));
  TStartOptions options;
  options.Arguments = {file};
  TFormOnDouble form(options);
  ASSERT_TRUE(form.Started);
  EXPECT_EQ(form.ErrorBoxes(err::kUnknownFormat), 1);
  EXPECT_EQ(Caption(*form), kNewCaption);
}

TEST(MainWindow, BrokenCoreArchiveStopsStartUpAfterOneErrorBox) {
  const std::string core = MakeArchive({{"A.JPG", "garbage"}});
  const TProgramArchives archives{core, EmbeddedArchives().Help, EmbeddedArchives().Support};
  TFormOnDouble form(archives, {});
  EXPECT_FALSE(form.Started);
  EXPECT_EQ(form.ErrorBoxes(err::kUnknownFormat), 1);
  EXPECT_FALSE(form->isVisible());
}

TEST(MainWindow, MissingCoreArchiveStartsWithoutViewer) {
  const TProgramArchives archives{{}, EmbeddedArchives().Help, EmbeddedArchives().Support};
  TFormOnDouble form(archives, {});
  ASSERT_TRUE(form.Started);
  EXPECT_TRUE(form->Editor().ViewerImage().empty());
  EXPECT_FALSE(form->Splash()->HasPicture());
}

TEST(MainWindow, ClosingAChangedCardAsksAndCancelKeepsRunning) {
  TFormOnDouble form;
  ASSERT_TRUE(form->RunCommand(kSetFrameSize, "20"));
  form->close();
  ASSERT_EQ(form.Services.Boxes.size(), 1u);
  EXPECT_EQ(form.Services.Boxes[0].Text, "Save Changes to Untitled.exe?");
  EXPECT_EQ(form.Terminations, 0);
  EXPECT_TRUE(form->HasEditor());
  EXPECT_TRUE(form->isVisible());

  form.Services.YesNoCancelAnswers.push_back(TWarningAnswer::No);
  form->RunMenuItem("Exit1");
  EXPECT_EQ(form.Terminations, 1);
  EXPECT_FALSE(form->HasEditor());
  EXPECT_FALSE(form->isVisible());
}

TEST(MainWindow, SettingsAreWrittenAtFirstStartAndAtClose) {
  ResetHome();
  {
    TFormOnDouble form;
    EXPECT_FALSE(form->IsStayOnTop());
    EXPECT_TRUE(FileExistsNotFolder(MakerFolder() + "Messages/birthday.msg"));
    EXPECT_EQ(IniValue("Settings", "OnTop"), "0");
    EXPECT_EQ(IniValue("Version", "Version"), "2.00.2181");
    EXPECT_EQ(IniValue("Version", "SupportFiles"), "1.00.2123");
    form->SetStayOnTop(true);
    form->CloseApplication();
    EXPECT_EQ(form.Terminations, 1);
  }
  EXPECT_EQ(IniValue("Settings", "OnTop"), "1");
  ASSERT_TRUE(DeleteFileIfExists(MakerFolder() + "Messages/birthday.msg"));
  {
    TFormOnDouble form;
    EXPECT_TRUE(form->IsStayOnTop());
    EXPECT_FALSE(form->SupportFilesNeeded());
    EXPECT_FALSE(FileExistsNotFolder(MakerFolder() + "Messages/birthday.msg"));
  }
}

TEST(MainWindow, OtherSupportFilesVersionExtractsAgainKeepingTheUsersFiles) {
  ResetHome();
  { TFormOnDouble form; }
  std::string error;
  ASSERT_TRUE(WriteStringToFile(MakerFolder() + "Pictures/meadow.jpg", "mine", error));
  ASSERT_TRUE(DeleteFileIfExists(MakerFolder() + "Messages/birthday.msg"));
  SetIniValue("Version", "SupportFiles", "0.99");
  SetIniValue("Settings", "OnTop", "yes");
  TFormOnDouble form;
  EXPECT_FALSE(form->IsStayOnTop());
  EXPECT_TRUE(FileExistsNotFolder(MakerFolder() + "Messages/birthday.msg"));
  EXPECT_EQ(FileBytes(MakerFolder() + "Pictures/meadow.jpg"), "mine");
}

TEST(MainWindow, ExtractSupportFilesCommandAsksFirst) {
  TFormOnDouble form;
  ASSERT_TRUE(DeleteFileIfExists(MakerFolder() + "Messages/birthday.msg"));
  form->RunMenuItem("ExtractSupportFiles1");
  ASSERT_FALSE(form.Services.Boxes.empty());
  EXPECT_EQ(form.Services.Boxes.back().Text, "Extract Support Files?");
  EXPECT_FALSE(FileExistsNotFolder(MakerFolder() + "Messages/birthday.msg"));
  form.Services.YesNoAnswers.push_back(true);
  form->RunMenuItem("ExtractSupportFiles1");
  EXPECT_TRUE(FileExistsNotFolder(MakerFolder() + "Messages/birthday.msg"));
  EXPECT_EQ(form.ErrorBoxes(), 0);
}

TEST(MainWindow, ProgramIsCopiedForTheViewersEditAction) {
  const std::string copy =
      TPaths::Shared().MakerFolder(card_text::kEditorFolder) + card_text::kEditorProgram;
  const std::string program = MakerFolder() + "creator-under-test";
  std::string error;
  ASSERT_TRUE(WriteStringToFile(program, "program bytes", error, true));
  DeleteFileIfExists(copy);
  {
    TStartOptions options;
    options.ProgramFile = program;
    TFormOnDouble form(options);
    EXPECT_EQ(FileBytes(copy), "program bytes");
  }
  // Started from the copy itself, the copy must survive.
  TStartOptions options;
  options.ProgramFile = copy;
  TFormOnDouble form(options);
  EXPECT_EQ(FileBytes(copy), "program bytes");
}

TEST(MainWindow, HelpIsUnpackedOpenedAndRemovedAtClose) {
  TFormOnDouble form;
  ASSERT_TRUE(form->RunMenuItem("Help2"));
  ASSERT_EQ(form.HelpOpened.size(), 1u);
  const std::string page = form.HelpOpened[0];
  EXPECT_EQ(ExtractFileName(page), "index.html");
  EXPECT_TRUE(FileExistsNotFolder(page));
  form->CloseApplication();
  EXPECT_FALSE(FileExistsNotFolder(page));
  EXPECT_FALSE(FolderExists(ExtractFolder(page)));
}

// A toolbar that only records what the window asks of it.
class TRecordingToolbar : public TMainToolbar {
 public:
  explicit TRecordingToolbar(QWidget* parent) : widget_(new QWidget(parent)) {
    widget_->setFixedHeight(28);
  }
  QWidget* Widget() override { return widget_; }
  void RefreshButtons() override { ++Refreshes; }
  int Refreshes = 0;

 private:
  QWidget* widget_;
};

TEST(MainWindow, ToolbarSitsUnderTheBevelAndFollowsTheBusyState) {
  TRecordingToolbar* toolbar = nullptr;
  TShellHost* host = nullptr;
  TStartOptions options;
  options.Toolbar = [&](TShellHost& shell, QWidget* parent) {
    host = &shell;
    auto made = std::make_unique<TRecordingToolbar>(parent);
    toolbar = made.get();
    return made;
  };
  TFormOnDouble form(options);
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(host, static_cast<TShellHost*>(form.Form.get()));
  EXPECT_EQ(form->height(), form->menuBar()->sizeHint().height() + 2 + 28);
  const int before = toolbar->Refreshes;
  ASSERT_TRUE(host->RunCommand(kSetFrameSize, "30"));
  EXPECT_GT(toolbar->Refreshes, before);
  host->SetBusy(true);
  EXPECT_FALSE(toolbar->Widget()->isEnabled());
  host->SetBusy(false);
  EXPECT_TRUE(toolbar->Widget()->isEnabled());
  EXPECT_TRUE(host->RunMenuItem("Undo1"));
  EXPECT_EQ(form->Editor().Card().Info().Frame.Size, 52);
  EXPECT_FALSE(host->RunMenuItem("NoSuchItem"));
}

TEST(Splash, PairsWithoutTextTakeNoRoomAndEscClosesOnlyTheAboutBox) {
  TCompactSplash splash(nullptr);
  splash.SetTitle("Brimble Lumigram Creator");
  splash.SetVersion("2.00.2181");
  splash.SetMargins(10, 10);
  splash.ShowSplash();
  EXPECT_TRUE(splash.Window()->isVisible());
  EXPECT_FALSE(splash.ValueLabel(0)->isVisible()) << "the title is off";
  EXPECT_EQ(splash.ValueLabel(1)->text().toStdString(), "2.00.2181");
  EXPECT_EQ(splash.CaptionLabel(1)->x(), 10);
  EXPECT_EQ(splash.ValueLabel(1)->x(), 10 + splash.CaptionLabel(1)->width());
  EXPECT_EQ(splash.ValueLabel(5)->y() + splash.ValueLabel(5)->height(),
            splash.Window()->height() - 10);
  // Pair 4 is a line of its own with a blank value: visible, right above 5.
  EXPECT_EQ(splash.ValueLabel(4)->y() + splash.ValueLabel(4)->height(), splash.ValueLabel(5)->y());

  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(splash.Window(), &escape);
  EXPECT_TRUE(splash.Window()->isVisible());
  splash.CloseAfter(0);
  EXPECT_FALSE(splash.Window()->isVisible());

  bool closedByEscape = false;
  QMetaObject::invokeMethod(
      splash.Window(),
      [&] {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(splash.Window(), &key);
        closedByEscape = !splash.Window()->isVisible();
      },
      Qt::QueuedConnection);
  splash.ShowAbout();
  EXPECT_TRUE(closedByEscape);
  EXPECT_EQ(splash.Mode(), 1);
}

TEST(Splash, LinkOpensOncePerClick) {
  std::vector<std::string> opened;
  TCompactSplash splash(nullptr, [&](const std::string& target) {
    opened.push_back(target);
    return true;
  });
  splash.ShowSplash();
  splash.LinkClicked();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], splash.ValueLabel(5)->text().toStdString());
}

}  // namespace
}  // namespace lumigram::testing
