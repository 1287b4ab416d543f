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
using testing::ScratchFolder;

std::string Compress(std::string_view bytes) {
  uLongf size = compressBound(uLong(bytes.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(bytes.data()), uLong(bytes.size()), 1);
  out.resize(size);
  return out;
}

std::string Names(const TZipBox& box) {
  std::string names;
  for (int i = 0; i < box.Count(); ++i) names += box.Items(i)->pName + box.Items(i)->pPath + ";";
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

std::unique_ptr<TBoxItem> Item(const std::string& name, const std::string& path = "\\") {
  auto item = std::make_unique<TBoxItem>();
  item->pName = name;
  item->pPath = path;
  return item;
}

TEST(ZipBox, ReadsRecordsMadeByHand) {
  const std::string text(3000, 'h');
  const std::string bytes =
      BoxRecord("index.html", "root\\help\\blc\\", 1, Compress(text), 3000, "_1") +
      BoxRecord("A.jpg", "\\", 0, "JPEG", 70000);
  TZipBox box;
  ASSERT_TRUE(Load(box, bytes));
  ASSERT_EQ(box.Count(), 2);
  const TBoxItem& first = *box.Items(0);
  EXPECT_EQ(first.pName, "index.html");
  EXPECT_EQ(first.pPath, "root\\help\\blc\\");
  EXPECT_EQ(first.pSize, 3000);
  EXPECT_EQ(first.pM, 1);
  EXPECT_EQ(first.ComponentName, "_1");
  EXPECT_EQ(Decoded(box, 0), text);
  EXPECT_EQ(box.Items(1)->pSize, 70000);  // informational only
  EXPECT_EQ(Decoded(box, 1), "JPEG");

  // Properties that are missing keep the values of a new item.
  const std::string bare = "TPF0" + testing::ShortString("TBoxItem") + testing::ShortString("") +
                           testing::StringProperty("pName", "bare") + std::string(2, '\0');
  ASSERT_TRUE(Load(box, bare));
  EXPECT_EQ(box.Items(0)->pPath, "");
  EXPECT_EQ(box.Items(0)->pM, 0);
  EXPECT_EQ(Decoded(box, 0), "");
}

TEST(ZipBox, RecordsOfAnotherShapeEndTheRun) {
  const std::string good = BoxRecord("a", "\\", 0, "1");
  const std::string wrongClass =
      "TPF0" + testing::ShortString("TOther") + good.substr(4 + 9);  // same body, other class
  const std::string unknownProperty = "TPF0" + testing::ShortString("TBoxItem") +
                                      testing::ShortString("") +
                                      testing::IntegerProperty("pColour", 3) + std::string(2, '\0');
  const std::string textForNumber = "TPF0" + testing::ShortString("TBoxItem") +
                                    testing::ShortString("") + testing::StringProperty("pM", "1") +
                                    std::string(2, '\0');
  const std::string methodTooLarge = "TPF0" + testing::ShortString("TBoxItem") +
                                     testing::ShortString("") +
                                     testing::IntegerProperty("pM", 256) + std::string(2, '\0');
  for (const std::string& bad : {wrongClass, unknownProperty, textForNumber, methodTooLarge}) {
    TZipBox box;
    EXPECT_TRUE(Load(box, good + bad + good));
    EXPECT_EQ(box.Count(), 1);
    EXPECT_FALSE(Load(box, bad + good));
    EXPECT_EQ(box.LastError(), "Unknown format");
  }
}

TEST(ZipBox, FindsABoxCarriedInABitmapBySecondTry) {
  const std::string records =
      BoxRecord("A.jpg", "\\", 0, "jpeg") + BoxRecord("a.exe", "\\", 0, "MZ");
  TZipBox box;
  ASSERT_TRUE(Load(box, BitmapLead() + records + std::string(500, '\xFF')));
  EXPECT_EQ(Names(box), "A.jpg\\;a.exe\\;");
  // The second try counts from where the load started.
  TMemoryStream stream("0123456789" + BitmapLead() + records);
  stream.SetPosition(10);
  ASSERT_TRUE(box.LoadFromStream(stream, false));
  EXPECT_EQ(box.Count(), 2);
  // Only once, and only at that offset.
  EXPECT_FALSE(Load(box, BitmapLead() + "x" + records));
  EXPECT_EQ(box.LastError(), "Unknown format");
  EXPECT_EQ(box.Count(), 0);
}

TEST(ZipBox, KeepsEveryWholeRecordBeforeFillerOrACutRecord) {
  const std::string a = BoxRecord("a.txt", "\\", 0, "A"), b = BoxRecord("b.txt", "\\", 0, "B");
  TZipBox box;
  ASSERT_TRUE(Load(box, a + b + std::string(300, '\xFF')));
  EXPECT_EQ(box.Count(), 2);
  ASSERT_TRUE(Load(box, a + b + a.substr(0, a.size() - 3)));
  EXPECT_EQ(Names(box), "a.txt\\;b.txt\\;");
  EXPECT_FALSE(Load(box, std::string(1000, '\xFF')));
  EXPECT_EQ(box.LastError(), "Unknown format");
  EXPECT_FALSE(Load(box, ""));
  // Appending keeps what was there.
  ASSERT_TRUE(Load(box, a));
  ASSERT_TRUE(Load(box, b, true));
  EXPECT_EQ(Names(box), "a.txt\\;b.txt\\;");
}

TEST(ZipBox, ProgressHandlerCanCancelAfterTheCurrentItem) {
  std::string bytes;
  for (char c = 'a'; c <= 'e'; ++c)
    bytes += BoxRecord(std::string(1, c), "\\", 0, std::string(100, c));
  TZipBox box;
  std::vector<int> percents, indexes;
  box.OnProgress = [&](TZipBox& sender) {
    percents.push_back(sender.ProgressPercent());
    indexes.push_back(sender.ProgressIndex());
    EXPECT_EQ(sender.ProgressKind(), 4);
    if (sender.Count() == 2) sender.SetCancelled(true);
  };
  EXPECT_FALSE(Load(box, bytes));
  EXPECT_EQ(box.LastError(), "Task cancelled");
  EXPECT_EQ(Names(box), "a\\;b\\;");
  EXPECT_EQ(indexes, (std::vector<int>{0, 1}));
  EXPECT_EQ(percents, (std::vector<int>{20, 40}));
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
  EXPECT_EQ(Names(box), "x\\;READ.mesup\\;read.me\\;");
  EXPECT_EQ(Decoded(box, 1), "new");
  EXPECT_EQ(box.Find("read.ME", "SUP\\"), 1);
  EXPECT_EQ(box.Find("READ.ME", "*"), 1);  // first of that name in any folder
  EXPECT_EQ(box.Find("read.me", "\\"), 2);
  EXPECT_EQ(box.Find("read.me", "other\\"), -1);
  EXPECT_EQ(box.Find("read", "*"), -1);

  box.AllowDuplicates = true;
  ASSERT_TRUE(box.Add(Item("X")));
  EXPECT_EQ(box.Count(), 4);
}

TEST(ZipBox, HoldsAtMost10002Items) {
  TMemoryStream stream;
  for (int i = 0; i < TZipBox::kCapacity + 1; ++i) {
    TBoxItem item;
    item.pName = std::to_string(i);
    item.pPath = "\\";
    WriteBoxItem(stream, item);
  }
  // The 10,002nd item goes in, the 10,003rd ends the load.
  TZipBox box;
  EXPECT_FALSE(Load(box, stream.TakeData()));
  EXPECT_EQ(box.LastError(), "Capacity reached");
  EXPECT_EQ(box.Count(), 10002);
  EXPECT_FALSE(box.Add(Item("one more")));
  EXPECT_EQ(box.LastError(), "Capacity reached");
  // A full box still takes an item that replaces one of its own.
  EXPECT_TRUE(box.Add(Item("17")));
  EXPECT_EQ(box.Items(box.Count() - 1)->pName, "17");
}

TEST(ZipBox, ItemsClampsAndRemoveKeepsTheOrder) {
  TZipBox box;
  EXPECT_EQ(box.Items(0), nullptr);
  EXPECT_TRUE(box.Add(nullptr));
  for (const char* name : {"a", "b", "c", "d"}) ASSERT_TRUE(box.Add(Item(name)));
  EXPECT_EQ(box.Items(-5)->pName, "a");
  EXPECT_EQ(box.Items(box.Count() + 3)->pName, "d");

  TBoxItem* b = box.Items(1);
  std::unique_ptr<TBoxItem> removed = box.Remove(b);
  ASSERT_EQ(removed.get(), b);
  EXPECT_EQ(Names(box), "a\\;c\\;d\\;");
  EXPECT_EQ(box.IndexOf(b), -1);
  EXPECT_EQ(box.IndexOf(nullptr), -1);
  EXPECT_EQ(box.Remove(b), nullptr);  // not in the box: nothing changes
  EXPECT_EQ(box.Count(), 3);
  EXPECT_TRUE(box.Delete(box.Items(0)));
  EXPECT_TRUE(box.Delete(nullptr));
  EXPECT_EQ(Names(box), "c\\;d\\;");
  box.Clear();
  EXPECT_EQ(box.Count(), 0);
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
  box.MaxItemBytes = 100000;
  EXPECT_EQ(Decoded(box, 2).size(), 100000u);

  TMemoryStream target(std::string("head"));
  target.SetPosition(4);
  ASSERT_TRUE(box.GetData(box.Items(3), target));
  EXPECT_EQ(target.Data(), "headtail");
  EXPECT_FALSE(box.GetData(nullptr, target));
  EXPECT_EQ(box.LastError(), "Unexpected error");
}

TEST(ZipBox, ExtractToFileKeepsOrReplacesExistingFiles) {
  ScratchFolder scratch;
  TZipBox box;
  ASSERT_TRUE(Load(box, BoxRecord("a.txt", "\\", 1, Compress("new text"))));
  const TBoxItem* item = box.Items(0);
  const std::string file = scratch / "a.txt";
  std::string error, bytes;
  ASSERT_TRUE(WriteStringToFile(file, "edited by the user", error));
  EXPECT_TRUE(box.ExtractToFile(item, file, false));
  ASSERT_TRUE(ReadFileToString(file, bytes, error));
  EXPECT_EQ(bytes, "edited by the user");

  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  EXPECT_TRUE(box.ExtractToFile(item, file, true));
  ASSERT_TRUE(ReadFileToString(file, bytes, error));
  EXPECT_EQ(bytes, "new text");

  EXPECT_TRUE(box.ExtractToFile(item, scratch / "fresh.txt", false));
  EXPECT_FALSE(box.ExtractToFile(item, scratch / "missing/folder.txt", true));
  EXPECT_EQ(box.LastError(), "Out of disk space");
}

TEST(ZipBox, SavedRecordsLoadBackTheSameItems) {
  TZipBox box;
  TBoxItem made;
  std::string error;
  ASSERT_TRUE(MakeBoxItem("big.bin", "sup\\", std::string(70000, 'q'), kMethodZlib, made, error));
  EXPECT_EQ(made.pSize, 70000);
  EXPECT_EQ(made.pSizeB, int32_t(made.pD.size()));
  box.Add(std::make_unique<TBoxItem>(made));
  ASSERT_TRUE(MakeBoxItem("s.txt", "\\", "stored", kMethodStored, made, error));
  box.Add(std::make_unique<TBoxItem>(made));
  EXPECT_FALSE(MakeBoxItem("x", "\\", "", 2, made, error));
  EXPECT_EQ(error, "Unsupported encoding");

  TMemoryStream stream;
  ASSERT_TRUE(box.SaveToStream(stream));
  // The writer follows the layout: name, path, sizes, method, data last.
  const std::string start("TPF0\x08TBoxItem\x00\x05pName\x06\x07", 22);
  EXPECT_EQ(stream.Data().substr(0, start.size()), start);
  TZipBox back;
  stream.SetPosition(0);
  ASSERT_TRUE(back.LoadFromStream(stream, false));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back.Items(0)->pD, box.Items(0)->pD);
  EXPECT_EQ(back.Items(0)->pSizeB, box.Items(0)->pSizeB);
  EXPECT_EQ(Decoded(back, 0), std::string(70000, 'q'));
  EXPECT_EQ(Decoded(back, 1), "stored");
}

}  // namespace
}  // namespace lumigram
