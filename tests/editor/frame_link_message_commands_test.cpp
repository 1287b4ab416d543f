// The frame, link and message commands: prompts, automatic colours,
// clipboard objects shared with other programs, and message files.

#include <gtest/gtest.h>

#include "card/message_file.h"
#include "editor/command_codes.h"
#include "frames/frame_file.h"
#include "frames/frame_painter.h"
#include "frames/frame_styles.h"
#include "tests/editor/element_fixtures.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram::testing {
namespace {

using FrameCommands = ElementTest;

TEST_F(FrameCommands, TheSizePromptReadsANumber) {
  editor.Services.PromptAnswers = {std::nullopt, std::string("300"), std::string("twelve")};
  ASSERT_TRUE(editor->Execute(kChooseFrameSize));
  EXPECT_FALSE(editor->CanUndo());
  ASSERT_EQ(editor.Services.Prompts.size(), 1u);
  EXPECT_EQ(editor.Services.Prompts[0].Caption, "Size");
  EXPECT_EQ(editor.Services.Prompts[0].Prompt, "Type a size for frame (0-255)");
  EXPECT_EQ(editor.Services.Prompts[0].Start, "52");

  ASSERT_TRUE(editor->Execute(kChooseFrameSize));
  EXPECT_EQ(editor.Info().Frame.Size, 255);
  EXPECT_EQ(editor->Card().Composite().Width(), 300 + 2 * 255);
  // Letters read as 0: the frame goes.
  ASSERT_TRUE(editor->Execute(kChooseFrameSize));
  EXPECT_EQ(editor.Info().Frame.Size, 0);
  EXPECT_EQ(editor->Card().Composite().Width(), 300);
  EXPECT_FALSE(editor->Execute(-kClearFrame));
  EXPECT_FALSE(editor->Execute(-kSetFrameStyle));
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Frame.Size, 255);
}

TEST_F(FrameCommands, AStyleItemStoresExactlyItsCode) {
  const TFrameStyle& style = kFrameStyles[7];  // "&Post-Modern Insert"
  ASSERT_TRUE(editor->Execute(kSetFrameStyle, style.Code));
  EXPECT_EQ(editor.Info().Frame.Code, style.Code);
  EXPECT_EQ(FindFrameStyle(editor.Info().Frame.Code), 7);
  EXPECT_EQ(editor.Services.StyleCode.Content, style.Code);
  EXPECT_EQ(editor.Services.StyleCode.TypedEvents, 0);
  EXPECT_TRUE(UndoKindIs(kUndoFrame));

  ASSERT_TRUE(editor->Execute(kCustomFrameStyle));
  EXPECT_EQ(editor.Services.StyleCode.ShowCount, 1);
}

TEST_F(FrameCommands, CutAndPasteBringBackTheWholeFrame) {
  ASSERT_TRUE(editor->Execute(kSetFrameColour, IntToText(kRed)));
  ASSERT_TRUE(editor->Execute(kSetFrameSize, "30"));
  ASSERT_TRUE(editor->Execute(kSetFrameStyle, kFrameStyles[0].Code));
  const TFrameInfo frame = editor.Info().Frame;

  ASSERT_TRUE(editor->Execute(kCutFrame));
  EXPECT_EQ(editor.Info().Frame.Size, 0);
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Frame.Size, 30);
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Frame.Size, 0);

  editor->Card().Info().Frame.Code = kFrameStyles[3].Code;
  ASSERT_TRUE(editor->Execute(-kPasteFrame));
  ASSERT_TRUE(editor->Execute(kPasteFrame));
  EXPECT_EQ(editor.Info().Frame.Color, frame.Color);
  EXPECT_EQ(editor.Info().Frame.Size, 30);
  EXPECT_EQ(editor.Info().Frame.Code, frame.Code);
  EXPECT_EQ(editor.Services.StyleCode.Content, frame.Code);
}

TEST_F(FrameCommands, ADamagedFrameClipboardFileChangesNothing) {
  TFrame whole;
  std::string bytes;
  ASSERT_TRUE(whole.ToBytes(kFrameFileMagic, bytes));
  const std::string damaged = "FRM2.0" + bytes.substr(6);
  WriteTestFile(editor->ClipboardFile("FRM"), damaged);
  TFrame probe;
  ASSERT_FALSE(probe.FromBytes(damaged));
  const TFrameInfo before = editor.Info().Frame;
  EXPECT_FALSE(editor->Execute(kPasteFrame));
  EXPECT_EQ(editor->LastError(), probe.ErrorText());
  EXPECT_EQ(editor.Info().Frame.Code, before.Code);
  EXPECT_EQ(editor.Info().Frame.Size, before.Size);
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_TRUE(editor->Saved());
}

TEST_F(FrameCommands, AFrameStyleFileKeepsTheSizeAndColour) {
  ASSERT_TRUE(editor->Execute(kSetFrameStyle, kFrameStyles[5].Code));
  ASSERT_TRUE(editor->Execute(kSaveFrameToFile, folder / "style.frs"));
  ASSERT_TRUE(editor->Execute(kSaveFrameToFile, folder / "whole.frm"));
  EXPECT_EQ(ReadTestFile(folder / "style.frs").substr(0, 6), "FRS1.0");
  EXPECT_EQ(ReadTestFile(folder / "whole.frm").substr(0, 6), "FRM1.0");

  ASSERT_TRUE(editor->Execute(kSetFrameStyle, kFrameStyles[1].Code));
  ASSERT_TRUE(editor->Execute(kSetFrameSize, "20"));
  ASSERT_TRUE(editor->Execute(kSetFrameColour, IntToText(kRed)));
  editor.Services.ChooseFile(folder / "style.frs");
  ASSERT_TRUE(editor->Execute(kMoreFrameStyles));
  EXPECT_EQ(editor.Services.FileDialogs.back().Filter, "Frame Style (*.frs)|*.frs");
  EXPECT_EQ(editor.Info().Frame.Code, kFrameStyles[5].Code);
  EXPECT_EQ(editor.Info().Frame.Size, 20);
  EXPECT_EQ(editor.Info().Frame.Color, kRed);

  ASSERT_TRUE(editor->Execute(kLoadFrameFile, folder / "whole.frm"));
  EXPECT_EQ(editor.Info().Frame.Size, 52);
  EXPECT_EQ(editor.Info().Frame.Color, kWhite);
}

TEST_F(FrameCommands, ColourDialogAndAutomaticColour) {
  editor.Services.ColourAnswers = {std::nullopt, kRed};
  ASSERT_TRUE(editor->Execute(kChooseFrameColour));
  EXPECT_FALSE(editor->CanUndo());
  ASSERT_TRUE(editor->Execute(kChooseFrameColour));
  EXPECT_EQ(editor.Services.ColourStarts, (std::vector<TColor>{kWhite, kWhite}));
  EXPECT_EQ(editor.Info().Frame.Color, kRed);

  editor.Info().Picture = PictureBytes(30, 30, RGB(0, 0, 200));
  editor->Card().Refresh(true);
  const TColor automatic = AutoFrameColor(&editor->Card().PictureBitmap());
  ASSERT_NE(automatic, kRed);
  ASSERT_TRUE(editor->Execute(-kAutoFrameColour));
  ASSERT_TRUE(editor->Execute(kAutoFrameColour));
  EXPECT_EQ(editor.Info().Frame.Color, automatic);
  EXPECT_FALSE(editor->Execute(-kAutoFrameColour));
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Frame.Color, kRed);
}

using LinkCommands = ElementTest;

TEST_F(LinkCommands, ThePromptCompletesTheAddress) {
  const std::pair<const char*, const char*> cases[] = {
      {"someone@example.org", "mailto:someone@example.org"},
      {"example.org/me@home", "http://example.org/me@home"},
      {"a@b@example.org", "http://a@b@example.org"},
      {"", "http://"},
  };
  for (const auto& [typed, stored] : cases) {
    editor.Services.PromptAnswers.push_back(std::string(typed));
    ASSERT_TRUE(editor->Execute(kEnterLinkAddress));
    EXPECT_EQ(editor.Info().Link, stored) << typed;
  }
  EXPECT_EQ(editor.Services.Prompts[0].Caption, "Address");
  EXPECT_EQ(editor.Services.Prompts[0].Prompt, "Type website or email address");
  EXPECT_EQ(editor.Services.Prompts[1].Start, "someone@example.org");

  editor.Info().Link = "HTTP://http://example.org";
  editor->BeginChange(kUndoNone);
  ASSERT_TRUE(editor->Execute(kEnterLinkAddress));  // cancelled
  EXPECT_EQ(editor.Services.Prompts.back().Start, "example.org");
  EXPECT_EQ(editor.Info().Link, "HTTP://http://example.org");
  EXPECT_FALSE(editor->CanUndo());
}

TEST_F(LinkCommands, AutomaticColourStandsOutAgainstTheBottomRows) {
  const std::pair<TColor, TColor> cases[] = {
      {kBlack, kWhite},              // the inverse of black
      {RGB(128, 128, 128), kWhite},  // mid grey: white
      // The running average from 0 stops one short of a bright channel.
      {kWhite, RGB(1, 1, 1)},
      {RGB(20, 40, 60), RGB(236, 216, 196)},
  };
  for (const auto& [picture, expected] : cases) {
    editor.Info().Picture = PictureBytes(40, 30, picture);
    editor->Card().Refresh(true);
    EXPECT_EQ(editor->AutoLinkColor(), expected) << picture;
  }
  editor.Info().LinkColor = kRed;
  ASSERT_TRUE(editor->Execute(-kAutoLinkColour));
  ASSERT_TRUE(editor->Execute(kAutoLinkColour));
  EXPECT_EQ(editor.Info().LinkColor, RGB(236, 216, 196));
  EXPECT_FALSE(editor->Execute(-kAutoLinkColour));
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().LinkColor, kRed);
}

TEST_F(LinkCommands, CutAndPasteBringBackAddressAndColour) {
  EXPECT_FALSE(editor->Execute(-kCutLink));
  ASSERT_TRUE(editor->Execute(kSetLinkAddress, "http://"));
  EXPECT_TRUE(editor->Execute(-kClearLink));
  EXPECT_FALSE(editor->Execute(-kCopyLink));  // nothing but a scheme

  ASSERT_TRUE(editor->Execute(kSetLinkAddress, "http://example.org/page?x=1"));
  ASSERT_TRUE(editor->Execute(kSetLinkColour, IntToText(kRed)));
  ASSERT_TRUE(editor->Execute(kCutLink));
  EXPECT_TRUE(editor.Info().Link.empty());
  EXPECT_TRUE(UndoKindIs(kUndoLink));
  editor.Info().LinkColor = kBlack;

  ASSERT_TRUE(editor->Execute(kPasteLink));
  EXPECT_EQ(editor.Info().Link, "http://example.org/page?x=1");
  EXPECT_EQ(editor.Info().LinkColor, kRed);
  EXPECT_TRUE(editor->Card().LinkLabel().Visible());
}

TEST_F(LinkCommands, ADamagedLinkObjectChangesNothing) {
  ASSERT_TRUE(editor->Execute(kSetLinkAddress, "http://example.org"));
  ASSERT_TRUE(editor->Execute(kCopyLink));
  const std::string object = ReadTestFile(editor->ClipboardFile("LK"));
  editor->BeginChange(kUndoNone);
  for (const std::string& damaged :
       {object.substr(0, object.size() - 3), std::string("TPF0"), std::string("not a link")}) {
    WriteTestFile(editor->ClipboardFile("LK"), damaged);
    EXPECT_FALSE(editor->Execute(kPasteLink));
    EXPECT_EQ(editor->LastError(), "Unknown format");
    EXPECT_EQ(editor.Info().Link, "http://example.org");
    EXPECT_FALSE(editor->CanUndo());
    EXPECT_TRUE(editor->Saved());
  }
}

class MessageCommands : public ElementTest {
 protected:
  void SetMessage(std::vector<std::string> lines) {
    editor.Info().Message = std::move(lines);
    editor->RefreshMessageWindow();
  }
};

TEST_F(MessageCommands, PlainTextFilesWidenTabsAndKeepTheLimit) {
  WriteTestFile(folder / "note.txt", "a\tb\r\nsecond line");
  editor.Services.ChooseFile(folder / "note.txt");
  ASSERT_TRUE(editor->Execute(kSelectMessage));
  EXPECT_EQ(editor.Info().Message, (std::vector<std::string>{"a     b", "second line"}));
  EXPECT_EQ(editor.Services.MessageText.Content, "a     b\r\nsecond line");
  EXPECT_EQ(editor.Services.MessageText.TypedEvents, 0);
  EXPECT_TRUE(UndoKindIs(kUndoMessage));

  WriteTestFile(folder / "long.txt", std::string(40000, 'x'));
  ASSERT_TRUE(editor->Execute(kLoadMessageFile, folder / "long.txt"));
  ASSERT_EQ(editor.Info().Message.size(), 1u);
  EXPECT_EQ(editor.Info().Message[0].size(), 32767u);
}

TEST_F(MessageCommands, MessageFilesRoundTripAndTextFilesHoldTheLines) {
  SetMessage({"Happy", "Birthday"});
  ASSERT_TRUE(editor->Execute(kSetMessageColour, IntToText(kRed)));
  ASSERT_TRUE(editor->Execute(kSetHorizontalAlignment, "1"));
  ASSERT_TRUE(editor->Execute(kSetVerticalAlignment, "2"));
  ASSERT_TRUE(editor->Execute(kSetFlash, "1"));
  const TLumigramInfo saved = editor.Info();
  ASSERT_TRUE(editor->Execute(kSaveMessageToFile, folder / "card.msg"));
  ASSERT_TRUE(editor->Execute(kSaveMessageToFile, folder / "card.txt"));
  EXPECT_EQ(ReadTestFile(folder / "card.txt"), "Happy\r\nBirthday");
  EXPECT_EQ(ReadTestFile(folder / "card.msg").substr(0, 7), std::string("MSG1.0") + '\0');

  ASSERT_TRUE(editor->Execute(kNewCard));
  ASSERT_TRUE(editor->Execute(kLoadMessageFile, folder / "card.msg"));
  EXPECT_EQ(editor.Info().Message, saved.Message);
  EXPECT_EQ(editor.Info().Font, saved.Font);
  EXPECT_EQ(editor.Info().HAlign, kAlignRight);
  EXPECT_EQ(editor.Info().VAlign, kAlignCentre);
  EXPECT_TRUE(editor.Info().Flash);
  EXPECT_EQ(editor.Services.MessageText.Content, "Happy\r\nBirthday");
  EXPECT_EQ(editor.Services.MessageText.Font.Color, kBlack);
}

TEST_F(MessageCommands, ADamagedMessageLeavesTheCardAsItWas) {
  SetMessage({"kept"});
  editor.Info().Font.Color = kRed;
  const std::string whole = editor->Card().WriteMessageFile();
  editor.Info().Font.Color = kBlack;
  editor->BeginChange(kUndoNone);
  // Cut before the last field: the font would already have been read.
  for (const std::string& damaged :
       {whole.substr(0, whole.size() - 2), std::string("MSG1.0"), std::string("MSG2.0") + '\0'}) {
    WriteTestFile(editor->ClipboardFile("MSG"), damaged);
    EXPECT_FALSE(editor->Execute(kPasteMessage));
    EXPECT_EQ(editor->LastError(), "Unknown format");
    EXPECT_EQ(editor.Info().Message, (std::vector<std::string>{"kept"}));
    EXPECT_EQ(editor.Info().Font.Color, kBlack);
    EXPECT_FALSE(editor->CanUndo());
  }
  WriteTestFile(folder / "bad.msg", whole.substr(0, 12));
  EXPECT_FALSE(editor->Execute(kLoadMessageFile, folder / "bad.msg"));
  EXPECT_EQ(editor->LastError(), "Unknown format");
  EXPECT_TRUE(editor->Saved());
}

TEST_F(MessageCommands, CutAndPasteWithOneUndo) {
  EXPECT_FALSE(editor->Execute(-kCutMessage));
  SetMessage({"one", "two"});
  ASSERT_TRUE(editor->Execute(kCutMessage));
  EXPECT_TRUE(editor.Info().Message.empty());
  EXPECT_EQ(editor.Services.MessageText.Content, "");
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Message, (std::vector<std::string>{"one", "two"}));
  ASSERT_TRUE(editor->Execute(kClearMessage));
  ASSERT_TRUE(editor->Execute(kPasteMessage));
  EXPECT_EQ(editor.Info().Message, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(editor.Services.MessageText.Content, "one\r\ntwo");
}

TEST_F(MessageCommands, FlashAndAlignmentsTakeASnapshotOnlyWhenTheyChange) {
  EXPECT_FALSE(editor->Execute(kFlashOn));  // a query only
  ASSERT_TRUE(editor->Execute(kSetFlash, "0"));
  ASSERT_TRUE(editor->Execute(kSetHorizontalAlignment, "0"));
  ASSERT_TRUE(editor->Execute(kSetVerticalAlignment, "0"));
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_TRUE(editor->Saved());

  ASSERT_TRUE(editor->Execute(kSetFlash, "1"));
  EXPECT_TRUE(editor->Execute(-kFlashOn));
  EXPECT_FALSE(editor->Saved());
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_FALSE(editor.Info().Flash);

  ASSERT_TRUE(editor->Execute(kSetHorizontalAlignment, "7"));
  EXPECT_EQ(editor.Info().HAlign, kAlignCentre);
  EXPECT_EQ(editor.Services.MessageText.Alignment, kAlignCentre);
  editor->BeginChange(kUndoNone);
  ASSERT_TRUE(editor->Execute(kSetHorizontalAlignment, "2"));  // centred already
  ASSERT_TRUE(editor->Execute(kSetHorizontalAlignment, "-4"));
  EXPECT_FALSE(editor->CanUndo());
  ASSERT_TRUE(editor->Execute(kSetVerticalAlignment, "1"));
  EXPECT_EQ(editor.Info().VAlign, kAlignBottom);
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().VAlign, kAlignTop);
}

TEST_F(MessageCommands, FontDialogAndTextWindow) {
  editor.Info().Font.Color = kRed;
  ASSERT_TRUE(editor->Execute(kChooseMessageFont));  // cancelled
  EXPECT_FALSE(editor->CanUndo());
  ASSERT_EQ(editor.Services.FontStarts.size(), 1u);
  EXPECT_EQ(editor.Services.FontStarts[0].Color, kRed);

  TFont chosen;
  chosen.Name = "Courier";
  chosen.Underline = true;
  chosen.Color = RGB(0, 0, 255);
  editor.Services.FontAnswers = {chosen};
  ASSERT_TRUE(editor->Execute(kChooseMessageFont));
  EXPECT_EQ(editor.Info().Font, chosen);
  EXPECT_EQ(editor.Services.MessageText.Font.Name, "Courier");
  EXPECT_EQ(editor.Services.MessageText.Font.Color, kBlack);
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Font.Color, kRed);

  // Showing the text window keeps the error text of the command before.
  EXPECT_FALSE(editor->Execute(kNoSuchCommand));
  ASSERT_TRUE(editor->Execute(kShowMessageWindow));
  EXPECT_EQ(editor->LastError(), "Index out of range");
  EXPECT_EQ(editor.Services.MessageText.ShowCount, 1);
}

}  // namespace
}  // namespace lumigram::testing
