// The card's popup menu: which items it offers and what they do.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "card/lumigram.h"
#include "tests/card/card_fixtures.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/paths.h"
#include "util/text.h"

namespace lumigram::testing {
namespace {

struct TItemState {
  bool Enabled;
  bool Checked;
};

TItemState State(const std::vector<TPopupItem>& items, int id) {
  for (const TPopupItem& item : items)
    if (item.Id == id) return {item.Enabled, item.Checked};
  ADD_FAILURE() << "no item " << id;
  return {false, false};
}

// A standalone card whose card file exists in the test home.
struct TViewerCard : TCardOnDouble {
  explicit TViewerCard(const std::string& name = "hello.lumigram") : TCardOnDouble(true) {
    file = TestHome() + "cards/" + name;
    std::filesystem::create_directories(TestHome() + "cards");
    std::string data, error;
    Card->SaveToString(data);
    WriteStringToFile(file, std::string(size_t(kCardDataOffset), 'V') + data, error, true);
    Card->LoadFromFile(file, kCardDataOffset + 1);
  }
  ~TViewerCard() {
    std::filesystem::remove(file);
    std::filesystem::remove(Card->SendToFile(TSendToTarget::Desktop));
    std::filesystem::remove(Card->SendToFile(TSendToTarget::Library));
  }
  std::string file;
};

TEST(Popup, ItemsInOrderWithTheirIdentifiers) {
  TViewerCard card;
  const std::vector<TPopupItem> items = card.Card->UpdateMenu();
  std::vector<int> ids;
  std::vector<std::string> captions;
  for (const TPopupItem& item : items) {
    ids.push_back(item.Id);
    captions.push_back(item.Caption);
  }
  EXPECT_EQ(ids, (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
  EXPECT_EQ(captions,
            (std::vector<std::string>{"&Play", "&Stop", "-", "&Edit", "P&rint", "&About...",
                                      "Sen&d To Desktop", "Send To Start &Button", "-", "E&xit"}));
}

TEST(Popup, EmbeddedCardOffersOnlyAboutAndTheSound) {
  TCardOnDouble card;
  card.Platform.DesktopDouble.PrintAvailable = true;
  std::vector<TPopupItem> items = card.Card->UpdateMenu();
  for (int id : {kPlayItem, kStopItem, kEditItem, kDesktopItem, kLibraryItem, kExitItem})
    EXPECT_FALSE(State(items, id).Enabled) << id;
  EXPECT_TRUE(State(items, kAboutItem).Enabled);
  EXPECT_TRUE(State(items, kPrintItem).Enabled);

  card.Card->Info().Sound = "MThd";
  card.Card->Info().SoundType = "MID";
  card.Card->Refresh(false);
  items = card.Card->UpdateMenu();
  EXPECT_TRUE(State(items, kPlayItem).Enabled);
  EXPECT_FALSE(State(items, kStopItem).Enabled);
  card.Card->Info().CanPrint = false;
  EXPECT_FALSE(State(card.Card->UpdateMenu(), kPrintItem).Enabled)
      << "never with printing forbidden";
  card.Platform.DesktopDouble.PrintAvailable = false;
  card.Card->Info().CanPrint = true;
  EXPECT_FALSE(State(card.Card->UpdateMenu(), kPrintItem).Enabled) << "nor without a printer";
}

TEST(Popup, PlayStopThroughTheMenu) {
  TCardOnDouble card;
  int changes = 0;
  card.Card->OnStateChange = [&](TLumigram&) { ++changes; };
  card.Card->Info().Sound = "RIFF-wave";
  card.Card->Info().SoundType = "wav";
  card.Card->Refresh(false);
  card.Platform.PopupAnswers = {kPlayItem};
  card.Card->PopupAt(5, 6);
  TFakeSoundDevice& sound = *card.Platform.LastSound;
  ASSERT_EQ(sound.OpenedFiles.size(), 1u);
  const std::string file = sound.OpenedFiles[0];
  EXPECT_EQ(file.substr(file.size() - 4), ".WAV");
  std::string bytes, error;
  ASSERT_TRUE(ReadFileToString(file, bytes, error));
  EXPECT_EQ(bytes, "RIFF-wave");
  EXPECT_TRUE(card.Card->IsPlaying());
  EXPECT_TRUE(State(card.Card->UpdateMenu(), kStopItem).Enabled);
  EXPECT_GT(changes, 0);

  sound.Finish();
  EXPECT_FALSE(card.Card->IsPlaying());
  EXPECT_FALSE(FileExistsNotFolder(file)) << "auto-close removes the sound file";

  card.Platform.SoundOpenError.clear();
  sound.OpenError = "No player for this sound";
  card.Platform.PopupAnswers = {kPlayItem};
  card.Card->PopupAt(5, 6);
  ASSERT_EQ(card.Platform.DialogsDouble.Shown.size(), 1u);
  EXPECT_EQ(card.Platform.DialogsDouble.Shown[0].Text, "No player for this sound");
  EXPECT_FALSE(card.Card->Busy());
}

TEST(Popup, SendToDesktopThenUpToDate) {
  TViewerCard card;
  EXPECT_TRUE(State(card.Card->UpdateMenu(), kDesktopItem).Enabled);
  card.Platform.PopupAnswers = {kDesktopItem};
  card.Card->PopupAt(0, 0);
  const std::string copy = card.Card->SendToFile(TSendToTarget::Desktop);
  EXPECT_EQ(copy, TPaths::Shared().DesktopFolder() + "hello.lumigram");
  ASSERT_TRUE(FileExistsNotFolder(copy));
  EXPECT_EQ(::access(copy.c_str(), X_OK), 0) << "still a program";
  const TItemState desktop = State(card.Card->UpdateMenu(), kDesktopItem);
  EXPECT_FALSE(desktop.Enabled);
  EXPECT_TRUE(desktop.Checked);
  EXPECT_TRUE(State(card.Card->UpdateMenu(), kLibraryItem).Enabled);
  EXPECT_TRUE(card.Platform.DialogsDouble.Shown.empty());
}

TEST(Popup, AnsweringNoToReplaceCopiesNothing) {
  TViewerCard card;
  const std::string copy = card.Card->SendToFile(TSendToTarget::Library);
  ForceFolder(ExtractFolder(copy));
  std::string error;
  ASSERT_TRUE(WriteStringToFile(copy, "older card", error));
  card.Platform.DialogsDouble.WarningAnswers = {false};
  EXPECT_TRUE(card.Card->SendTo(TSendToTarget::Library));
  std::string bytes;
  ReadFileToString(copy, bytes, error);
  EXPECT_EQ(bytes, "older card");
  ASSERT_EQ(card.Platform.DialogsDouble.Shown.size(), 1u);
  EXPECT_EQ(card.Platform.DialogsDouble.Shown[0].Caption, "Warning");
  EXPECT_EQ(card.Platform.DialogsDouble.Shown[0].Text,
            "hello.lumigram already exists.\r\nDo you want to replace it?");
  card.Platform.DialogsDouble.WarningAnswers = {true};
  EXPECT_TRUE(card.Card->SendTo(TSendToTarget::Library));
  EXPECT_TRUE(card.Card->SendToUpToDate(TSendToTarget::Library));
}

TEST(Popup, EditStartsTheCreatorCopyAndExits) {
  TViewerCard card;
  EXPECT_FALSE(State(card.Card->UpdateMenu(), kEditItem).Enabled) << "no creator copy yet";
  const std::string editor = TPaths::Shared().MakerFolder("Quillon") + "Brimble Lumigram Creator";
  std::string error;
  ASSERT_TRUE(WriteStringToFile(editor, "#!/bin/sh\n", error, true));
  EXPECT_TRUE(State(card.Card->UpdateMenu(), kEditItem).Enabled);
  card.Card->Info().CanEdit = false;
  EXPECT_FALSE(State(card.Card->UpdateMenu(), kEditItem).Enabled);
  card.Card->Info().CanEdit = true;
  card.Card->RunMenuCommand(kEditItem);
  EXPECT_EQ(card.Platform.DesktopDouble.Started,
            (std::vector<std::vector<std::string>>{{editor, card.file}}));
  EXPECT_EQ(card.Platform.QuitCount, 1);
  std::filesystem::remove(editor);
}

TEST(Popup, PrintHandsOverTheCardWithoutTheMenuHotSpot) {
  TViewerCard card;
  card.Platform.DesktopDouble.PrintAvailable = true;
  card.Card->RunMenuCommand(kPrintItem);
  ASSERT_EQ(card.Platform.DesktopDouble.Printed.size(), 1u);
  EXPECT_EQ(card.Platform.DesktopDouble.Printed[0].first, "Lumigram");
  const TBitmap& printed = card.Platform.DesktopDouble.Printed[0].second;
  for (int y = 52; y < 352; ++y)
    for (int x = 52; x < 352; ++x) ASSERT_EQ(printed.GetPixel(x, y), kWhite) << x << "," << y;
  EXPECT_NE(card.Card->Composite(), printed) << "the hot spot is back on screen";
  EXPECT_TRUE(card.Card->MenuLabel().Visible());

  card.Platform.DesktopDouble.PrintError = "Printer on fire";
  card.Card->RunMenuCommand(kPrintItem);
  EXPECT_EQ(card.Card->LastError(), "Printer on fire");
  EXPECT_TRUE(card.Platform.DialogsDouble.Shown.empty()) << "print failures are silent";
}

TEST(Popup, AboutShowsAuthorAndCreator) {
  TViewerCard card;
  card.Card->Info().Author = "Ann Example\r\nSomewhere\r\n\r\n";
  card.Card->Info().CreatorInfo = "|Made with |Brimble|\r\n#Version# 2.00.2181";
  card.Card->RunMenuCommand(kAboutItem);
  ASSERT_EQ(card.Platform.DialogsDouble.Shown.size(), 1u);
  const auto& shown = card.Platform.DialogsDouble.Shown[0];
  EXPECT_EQ(shown.Caption, "hello.lumigram");
  EXPECT_EQ(shown.Text,
            "AUTHOR\r\n----------------\r\nAnn Example\r\nSomewhere\r\n\r\n"
            "CREATED WITH\r\n--------------------\r\nMade with Brimble\r\nVersion 2.00.2181");

  card.Card->Info().Author.clear();
  card.Card->About();
  EXPECT_EQ(card.Platform.DialogsDouble.Shown[1].Text.substr(0, 14), "CREATED WITH\r\n");
}

TEST(Popup, BusyOrDisabledCommandsDoNothing) {
  TViewerCard card;
  card.Card->SetBusy(true);
  card.Card->RunMenuCommand(kAboutItem);
  card.Card->SetBusy(false);
  card.Card->RunMenuCommand(kStopItem);  // disabled: no sound
  card.Card->RunMenuCommand(99);
  EXPECT_TRUE(card.Platform.DialogsDouble.Shown.empty());
  card.Card->RunMenuCommand(kExitItem);
  EXPECT_EQ(card.Platform.QuitCount, 1);
  EXPECT_FALSE(card.Card->Busy());
}

}  // namespace
}  // namespace lumigram::testing
