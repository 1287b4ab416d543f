#include "storage/zip_box.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include "tests/storage/box_records.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::BitmapLead;
using testing::BoxRecord;

std::string Compress(std::string_view bytes) {
  uLongf size = compressBound(uLong(bytes.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(bytes.data()), uLong(bytes.size()), 1);
  out.resize(size);
  return out;
}

// A TBoxItem record holding just the given property entries.
std::string Bare(const std::string& properties) {
  return "TPF0" + testing::ShortString("TBoxItem") + testing::ShortString("") + properties +
         std::string(2, '\0');
}

std::string Names(const TZipBox& box) {
  std::string names;
  for (int i = 0; i < box.Count(); ++i) names += box.Items(i)->pPath + box.Items(i)->pName + ";";
  return names;
}

std::string Decoded(TZipBox& box, int index) {
  TMemoryStream out;
  if (!box.GetData(box.Items(index), out)) return "<" + box.LastError() + ">";
  return out.Data();
}

bool Load(TZipBox& box, const std::string& bytes, bool append = false) {
  TMemoryStream stream(bytes);
  return box.LoadFromStream(stream, append);
}

std::unique_ptr<TBoxItem> Item(const std::string& name) {
  auto item = std::make_unique<TBoxItem>();
  item->pName = name;
  item->pPath = "\\";
  return item;
}

TEST(ZipBox, ReadsRecordsMadeByHand) {
  const std::string text(3000, 'h');
  TZipBox box;
  ASSERT_TRUE(
      Load(box, BoxRecord("index.html", "root\\help\\blc\\", 1, Compress(text), 3000, "_1") +
                    BoxRecord("A.jpg", "\\", 0, "JPEG", 70000)));
  ASSERT_EQ(box.Count(), 2);
  const TBoxItem& first = *box.Items(0);
  EXPECT_EQ(first.pName, "index.html");
  EXPECT_EQ(first.pPath, "root\\help\\blc\\");
  EXPECT_EQ(first.pSize, 3000);
  EXPECT_EQ(first.pM, 1);
  EXPECT_EQ(Decoded(box, 0), text);
  EXPECT_EQ(box.Items(1)->pSize, 70000);  // informational only
  EXPECT_EQ(Decoded(box, 1), "JPEG");
  // Missing properties keep the values of a new item.
  ASSERT_TRUE(Load(box, Bare(testing::StringProperty("pName", "bare"))));
  EXPECT_EQ(box.Items(0)->pPath, "");
  EXPECT_EQ(Decoded(box, 0), "");
}

TEST(ZipBox, RunEndsAtTheFirstRecordThatCannotBeRead) {
  const std::string a = BoxRecord("a", "\\", 0, "A"), b = BoxRecord("b", "\\", 0, "B");
  const std::string bad[] = {
      "TPF0" + testing::ShortString("TOther") + a.substr(4 + 9),  // another class
      Bare(testing::IntegerProperty("pColour", 3)),               // unknown property
      Bare(testing::StringProperty("pM", "1")),                   // text for a number
      Bare(testing::IntegerProperty("pM", 256)),                  // not a byte
      a.substr(0, a.size() - 3),                                  // cut short
      std::string(300, '\xFF')};                                  // filler
  for (const std::string& stop : bad) {
    TZipBox box;
    EXPECT_TRUE(Load(box, a + b + stop + a));
    EXPECT_EQ(Names(box), "\\a;\\b;");
    EXPECT_FALSE(Load(box, stop + a));
    EXPECT_EQ(box.LastError(), "Unknown format");
    EXPECT_EQ(box.Count(), 0);
  }
  TZipBox box;  // appending keeps what was there
  ASSERT_TRUE(Load(box, a));
  ASSERT_TRUE(Load(box, b, true));
  EXPECT_EQ(Names(box), "\\a;\\b;");
}

TEST(ZipBox, FindsABoxCarriedInABitmapBySecondTry) {
  const std::string records =
      BoxRecord("A.jpg", "\\", 0, "jpeg") + BoxRecord("a.exe", "\\", 0, "MZ");
  TZipBox box;
  ASSERT_TRUE(Load(box, BitmapLead() + records + std::string(500, '\xFF')));
  EXPECT_EQ(Names(box), "\\A.jpg;\\a.exe;");
  // The second try counts from where the load started.
  TMemoryStream stream("0123456789" + BitmapLead() + records);
  stream.SetPosition(10);
  ASSERT_TRUE(box.LoadFromStream(stream, false));
  EXPECT_EQ(box.Count(), 2);
  // Only once, and only at that offset.
  EXPECT_FALSE(Load(box, BitmapLead() + "x" + records));
  EXPECT_EQ(box.LastError(), "Unknown format");
}

TEST(ZipBox, ProgressHandlerCanCancelAfterTheCurrentItem) {
  std::string bytes;
  for (char c = 'a'; c <= 'e'; ++c) bytes += BoxRecord(std::string(1, c), "\\", 0, "data");
  TZipBox box;
  std::vector<int> reports;  // percent and index
  box.OnProgress = [&](TZipBox& sender) {
    reports.insert(reports.end(), {sender.ProgressPercent(), sender.ProgressIndex()});
    EXPECT_EQ(sender.ProgressKind(), 4);
    if (sender.Count() == 2) sender.SetCancelled(true);
  };
  EXPECT_FALSE(Load(box, bytes));
  EXPECT_EQ(box.LastError(), "Task cancelled");
  EXPECT_EQ(Names(box), "\\a;\\b;");
  EXPECT_EQ(reports, (std::vector<int>{20, 0, 40, 1}));
  // A new load starts uncancelled; a throwing handler does not stop it.
  box.OnProgress = [](TZipBox&) { throw std::runtime_error("display gone"); };
  EXPECT_TRUE(Load(box, bytes));
  EXPECT_EQ(box.Count(), 5);
  EXPECT_EQ(box.ProgressPercent(), 100);
}

TEST(ZipBox, SameNameAndPathKeepsTheLaterItem) {
  TZipBox box;
  ASSERT_TRUE(Load(box, BoxRecord("Read.ME", "Sup\\", 0, "old") + BoxRecord("x", "\\", 0, "") +
                            BoxRecord("READ.me", "sup\\", 0, "new") +
                            BoxRecord("read.me", "\\", 0, "root")));
  EXPECT_EQ(Names(box), "\\x;sup\\READ.me;\\read.me;");
  EXPECT_EQ(Decoded(box, 1), "new");
  EXPECT_EQ(box.Find("read.ME", "SUP\\"), 1);
  EXPECT_EQ(box.Find("READ.ME", "*"), 1);  // the first of that name in any folder
  EXPECT_EQ(box.Find("read.me", "\\"), 2);
  EXPECT_EQ(box.Find("read.me", "other\\"), -1);
  EXPECT_EQ(box.Find("read", "*"), -1);
}

TEST(ZipBox, HoldsAtMost10002Items) {
  TMemoryStream stream;
  for (int i = 0; i < TZipBox::kCapacity + 1; ++i) {
    TBoxItem item;
    item.pName = std::to_string(i);
    WriteBoxItem(stream, item);
  }
  // The 10,002nd item goes in, the 10,003rd ends the load.
  TZipBox box;
  EXPECT_FALSE(Load(box, stream.TakeData()));
  EXPECT_EQ(box.LastError(), "Capacity reached");
  EXPECT_EQ(box.Count(), 10002);
  EXPECT_FALSE(box.Add(Item("one more")));
  // A full box still takes an item that replaces one of its own.
  auto again = Item("17");
  again->pPath = "";
  EXPECT_TRUE(box.Add(std::move(again)));
  EXPECT_EQ(box.Items(box.Count() + 3)->pName, "17");
}

TEST(ZipBox, ItemsClampsAndRemoveKeepsTheOrder) {
  TZipBox box;
  EXPECT_EQ(box.Items(0), nullptr);
  for (const char* name : {"a", "b", "c", "d"}) ASSERT_TRUE(box.Add(Item(name)));
  EXPECT_EQ(box.Items(-5)->pName, "a");
  EXPECT_EQ(box.Items(box.Count() + 3)->pName, "d");
  TBoxItem* b = box.Items(1);
  EXPECT_EQ(box.Remove(b).get(), b);
  EXPECT_EQ(box.Remove(b), nullptr);  // no longer in the box: nothing changes
  EXPECT_TRUE(box.Delete(box.Items(0)));
  EXPECT_EQ(Names(box), "\\c;\\d;");
}

TEST(ZipBox, GetDataDecodesOrNamesTheProblem) {
  TZipBox box;
  ASSERT_TRUE(Load(box, BoxRecord("m2", "\\", 2, "data") + BoxRecord("bad", "\\", 1, "not zlib") +
                            BoxRecord("bomb", "\\", 1, Compress(std::string(100000, 'z'))) +
                            BoxRecord("plain", "\\", 0, "tail")));
  EXPECT_EQ(Decoded(box, 0), "<Unsupported encoding>");
  EXPECT_EQ(Decoded(box, 1), "<Out of memory>");
  box.MaxItemBytes = 99999;
  EXPECT_EQ(Decoded(box, 2), "<Out of memory>");
  TMemoryStream target(std::string("head"));
  target.SetPosition(4);
  ASSERT_TRUE(box.GetData(box.Items(3), target));
  EXPECT_EQ(target.Data(), "headtail");
}

TEST(ZipBox, ExtractToFileKeepsOrReplacesExistingFiles) {
  testing::ScratchFolder scratch;
  TZipBox box;
  ASSERT_TRUE(Load(box, BoxRecord("a.txt", "\\", 1, Compress("new text"))));
  const std::string file = scratch / "a.txt";
  std::string error, bytes;
  ASSERT_TRUE(WriteStringToFile(file, "edited by the user", error));
  EXPECT_TRUE(box.ExtractToFile(box.Items(0), file, false));
  ASSERT_TRUE(ReadFileToString(file, bytes, error));
  EXPECT_EQ(bytes, "edited by the user");
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  EXPECT_TRUE(box.ExtractToFile(box.Items(0), file, true));
  ASSERT_TRUE(ReadFileToString(file, bytes, error));
  EXPECT_EQ(bytes, "new text");
  EXPECT_FALSE(box.ExtractToFile(box.Items(0), scratch / "missing/folder.txt", true));
  EXPECT_EQ(box.LastError(), "Out of disk space");
}

TEST(ZipBox, SavesRecordsInTheLayoutItReads) {
  TZipBox box;
  TBoxItem made;
  std::string error;
  ASSERT_TRUE(MakeBoxItem("big.bin", "sup\\", std::string(70000, 'q'), kMethodZlib, made, error));
  EXPECT_EQ(made.pSizeB, int32_t(made.pD.size()));
  box.Add(std::make_unique<TBoxItem>(made));
  EXPECT_FALSE(MakeBoxItem("x", "\\", "", 2, made, error));
  EXPECT_EQ(error, "Unsupported encoding");
  TMemoryStream stream;
  ASSERT_TRUE(box.SaveToStream(stream));
  EXPECT_EQ(stream.Data(), BoxRecord("big.bin", "sup\\", 1, box.Items(0)->pD, 70000));
  TZipBox back;
  ASSERT_TRUE(Load(back, stream.Data()));
  EXPECT_EQ(Decoded(back, 0), std::string(70000, 'q'));
}

}  // namespace
}  // namespace lumigram
