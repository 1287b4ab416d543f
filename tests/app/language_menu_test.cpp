// A language chosen in the Tools menu's tool shows at the next start: the
// menus come up in that language, its accented letters intact.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>

#include "app/main_menu.h"
#include "lang/translate.h"
#include "tests/app/app_fixtures.h"
#include "util/files.h"
#include "util/paths.h"

namespace lumigram::testing {
namespace {

TEST(LanguageAtStart, GermanFilesInTheSettingsFolderGiveGermanMenus) {
  ResetHome();
  const std::string settings = TPaths::Shared().SettingsFolder("Settings");
  std::string error;
  for (const char* name : {"language.llf", "language.ll2"})
    ASSERT_TRUE(CopyFileChecked(std::string(LUMIGRAM_CONTENT_DIR) + "/languages/german/" + name,
                                settings + name, error))
        << error;
  ReloadSharedLanguages();
  {
    TFormOnDouble form;
    std::vector<QString> captions;
    for (QAction* action : form->menuBar()->actions()) captions.push_back(action->text());
    ASSERT_GE(captions.size(), 2u);
    EXPECT_EQ(captions[0], QString::fromUtf8("Datei"));
    EXPECT_EQ(captions[1], QString::fromUtf8("B&earbeiten"));
    EXPECT_TRUE(form->Menu().Item("Undo1")->text().contains(QString::fromUtf8("Rückgängig")))
        << form->Menu().Item("Undo1")->text().toStdString();
  }
  // Back to English for the other tests.
  for (const char* name : {"language.llf", "language.ll2"}) DeleteFileIfExists(settings + name);
  ReloadSharedLanguages();
}

}  // namespace
}  // namespace lumigram::testing
