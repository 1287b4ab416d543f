// Password, preferences, the information report and the text windows.

#include <gtest/gtest.h>

#include <algorithm>
#include "card/password_hash.h"
#include "editor/command_codes.h"
#include "editor/information_report.h"

#include "tests/editor/editor_fixtures.h"
#include "util/text.h"

namespace lumigram::testing {
namespace {

TEST(Password, TwoMatchingPromptsSetTheHash) {
  TEditorOnDouble editor;
  EXPECT_FALSE(editor->Execute(-kRemovePassword));
  editor.Services.PromptAnswers = {std::string("Open Sesame"), std::string("open sesame")};
  ASSERT_TRUE(editor->Execute(kSetPassword));
  EXPECT_EQ(editor.Info().Password, PasswordHash("Open Sesame"));
  EXPECT_FALSE(editor->Saved());
  EXPECT_FALSE(editor->CanUndo());
  ASSERT_EQ(editor.Services.Prompts.size(), 2u);
  EXPECT_EQ(editor.Services.Prompts[0].Prompt, "Enter password");
  EXPECT_EQ(editor.Services.Prompts[1].Prompt, "Confirm password");
  EXPECT_TRUE(editor.Services.Prompts[1].Start.empty());

  ASSERT_TRUE(editor->Execute(-kRemovePassword));
  ASSERT_TRUE(editor->Execute(kRemovePassword));
  EXPECT_EQ(editor.Info().Password, 0);
  EXPECT_FALSE(editor->Execute(-kRemovePassword));
}

TEST(Password, MismatchOrCancelChangesNothing) {
  TEditorOnDouble editor;
  editor.Services.PromptAnswers = {std::string("one"), std::string("two")};
  EXPECT_FALSE(editor->Execute(kSetPassword));
  EXPECT_EQ(editor->LastError(), "Task cancelled");
  EXPECT_EQ(editor.Info().Password, 0);
  EXPECT_TRUE(editor->Saved());

  editor.Services.PromptAnswers = {std::string("one"), std::nullopt};
  EXPECT_TRUE(editor->Execute(kSetPassword));
  editor.Services.PromptAnswers = {std::nullopt};
  EXPECT_TRUE(editor->Execute(kSetPassword));
  EXPECT_EQ(editor.Info().Password, 0);
  EXPECT_TRUE(editor->Saved());
  EXPECT_TRUE(editor.Services.Boxes.empty());
  EXPECT_TRUE(editor.Platform.DialogsDouble.Shown.empty());
}

TEST(Preferences, ApplyChangesAndUnsavesCancelDoesNeither) {
  TEditorOnDouble editor;
  editor.Services.PreferenceAnswers = {std::nullopt};
  ASSERT_TRUE(editor->Execute(kPreferences));
  EXPECT_TRUE(editor->Saved());
  ASSERT_EQ(editor.Services.PreferencesShown.size(), 1u);
  EXPECT_TRUE(editor.Services.PreferencesShown[0].CanEdit);

  editor.Services.PreferenceAnswers = {TCardPreferences{false, true, "Ann\r\nBee"}};
  const int changes = editor.Changes;
  ASSERT_TRUE(editor->Execute(kPreferences));
  EXPECT_FALSE(editor.Info().CanEdit);
  EXPECT_TRUE(editor.Info().CanPrint);
  EXPECT_EQ(editor.Info().Author, "Ann\r\nBee");
  EXPECT_FALSE(editor->Saved());
  EXPECT_GT(editor.Changes, changes);
}

TEST(Information, ReportOfANewCard) {
  TEditorOnDouble editor;
  const TInfoReport report = editor->InformationReport();
  EXPECT_EQ(report.Caption, "Lumigram Information");
  EXPECT_EQ(report.FontName, "Arial");
  EXPECT_EQ(report.FontSize, 9);
  EXPECT_EQ(report.Width, 400);
  EXPECT_EQ(report.Height, 470);
  // The card data's length changes from one save to the next (its texts are
  // scrambled with a random key), so the size line is checked apart.
  ASSERT_EQ(report.Lines.size(), 24u);
  const std::string sizeLine = report.Lines[21];
  EXPECT_EQ(sizeLine.substr(0, 6), "<li>20");
  EXPECT_EQ(sizeLine.substr(sizeLine.size() - 16), " bytes (0.20" + sizeLine.substr(6, 1) + "Mb)");
  const std::vector<std::string> expected = {"f1Picture",
                                             "<li>No",
                                             "f1Cursor",
                                             "<li>No",
                                             "f1Sound",
                                             "<li>No",
                                             "f1Frame",
                                             "<li>Yes",
                                             "<li>width: 52",
                                             "f1Link",
                                             "<li>No",
                                             "f1Message",
                                             "<li>No",
                                             "f1General",
                                             "<li>Password Protected: No",
                                             "<li>Author Details: No",
                                             "<li>Can Edit: Yes",
                                             "<li>Can Print: Yes",
                                             "f1Name",
                                             "<li>Untitled.exe",
                                             "f1Size",
                                             sizeLine,
                                             "f1Status",
                                             "<li>Saved"};
  EXPECT_EQ(report.Lines, expected);
}

TEST(Information, ReportOfAFullCard) {
  TEditorOnDouble editor;
  TLumigramInfo& info = editor.Info();
  info.Picture = PictureBytes(64, 48, kRed);
  info.Link = "HTTP://http://example.org/?q=1";
  info.Message = {std::string(12343, 'm')};  // and its line break
  info.Password = PasswordHash("x");
  info.Author = "me";
  editor->Card().Refresh(true);
  editor->BeginChange(kUndoLink);
  editor->ShowInformation();
  ASSERT_EQ(editor.Services.Reports.size(), 1u);
  const std::vector<std::string>& lines = editor.Services.Reports[0].Lines;
  auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("<li>dimensions: 64x48"));
  EXPECT_TRUE(has("<li>address: example.org/?q=1"));
  EXPECT_TRUE(has("<li>length: 12,345 bytes"));
  EXPECT_TRUE(has("<li>Password Protected: Yes"));
  EXPECT_TRUE(has("<li>Author Details: Yes"));
  EXPECT_TRUE(has("<li>Not Saved"));
}

TEST(Information, SizeLineCutsTheMegabytes) {
  EXPECT_EQ(CardSizeText(1000), "206,823 bytes (0.206Mb)");
  EXPECT_EQ(CardSizeText(0), "205,823 bytes (0.205Mb)");
  EXPECT_EQ(CardSizeText(1794177), "2,000,000 bytes (2.000Mb)");
  EXPECT_EQ(CardSizeText(2794176), "2,999,999 bytes (2.999Mb)");
  EXPECT_EQ(CardSizeText(1000000000), "1,000,205,823 bytes (1000.205Mb)");
}

TEST(TextWindows, TypingAMessageChangesTheCardWithoutUndo) {
  TEditorOnDouble editor;
  const int changes = editor.Changes;
  editor.Services.MessageText.Type("Hello\r\nworld");
  EXPECT_EQ(editor.Info().Message, (std::vector<std::string>{"Hello", "world"}));
  EXPECT_FALSE(editor->Saved());
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_GT(editor.Changes, changes);
}

TEST(TextWindows, TypingIsCutToTheMessageLimit) {
  TEditorOnDouble editor;
  editor->MessageMaxLength = 8;
  editor.Services.MessageText.Type("abcde\r\nfghij\r\nklm");
  EXPECT_EQ(editor.Info().Message, (std::vector<std::string>{"abcde", "fgh"}));
  editor.Services.MessageText.Type("abcdefgh\r\nmore");
  EXPECT_EQ(editor.Info().Message, (std::vector<std::string>{"abcdefgh"}));
}

TEST(TextWindows, WrappedLinesBecomeMessageLines) {
  TEditorOnDouble editor;
  editor.Services.MessageText.ShownLines = {"a long line ", "wrapped"};
  editor.Services.MessageText.Type("a long line wrapped");
  EXPECT_EQ(editor.Info().Message, (std::vector<std::string>{"a long line ", "wrapped"}));
}

TEST(TextWindows, FillingTheWindowsIsNotTyping) {
  TEditorOnDouble editor;
  editor.Info().Message = {"set", "by", "command"};
  editor.Info().Font.Color = kRed;
  editor.Info().HAlign = kAlignRight;
  const int typed = editor.Services.MessageText.TypedEvents;
  editor->RefreshMessageWindow();
  editor->RefreshStyleCodeWindow();
  EXPECT_EQ(editor.Services.MessageText.TypedEvents, typed);
  EXPECT_EQ(editor.Services.MessageText.Content, "set\r\nby\r\ncommand");
  EXPECT_EQ(editor.Services.MessageText.Font.Color, kBlack);
  EXPECT_EQ(editor.Services.MessageText.Alignment, kAlignRight);
  EXPECT_TRUE(editor.Services.MessageText.EditEnabled);
  EXPECT_TRUE(editor->Saved());
}

TEST(TextWindows, TypingAStyleCodeChangesTheFrameButNotTheSavedState) {
  TEditorOnDouble editor;
  const int presents = editor.Window().PresentCount;
  editor.Services.StyleCode.Type("r,s120,s120");
  EXPECT_EQ(editor.Info().Frame.Code, "r,s120,s120");
  EXPECT_TRUE(editor->Saved());
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_GT(editor.Window().PresentCount, presents);
}

}  // namespace
}  // namespace lumigram::testing
