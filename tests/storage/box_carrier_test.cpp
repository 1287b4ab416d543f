#include "storage/box_carrier.h"

#include <gtest/gtest.h>

#include "storage/box_path.h"
#include "storage/zip_box.h"
#include "tests/storage/box_records.h"
#include "util/fields.h"

namespace lumigram {
namespace {

int32_t At4(const std::string& bytes, size_t offset) {
  return Bytes4ToInt(bytes.substr(offset, 4));
}

TEST(BoxCarrier, WrapsRecordsInAWholeBitmapFileImage) {
  std::string records;
  for (int i = 0; i < 30; ++i)
    records += testing::BoxRecord("f" + std::to_string(i), "sup\\", 0, std::string(200, 'x'));
  std::string image, error;
  ASSERT_TRUE(WrapInCarrier(records, image, error));
  EXPECT_EQ(image.substr(0, 2), "BM");
  EXPECT_EQ(At4(image, 2), int32_t(image.size()));
  EXPECT_EQ(At4(image, 10), 54);  // no palette
  EXPECT_EQ(At4(image, 14), 40);
  EXPECT_EQ(At4(image, 18), 334);
  EXPECT_EQ(image.substr(26, 4), std::string("\x01\x00\x18\x00", 4));  // 1 plane, 24 bits
  // Bottom-up rows of 334 pixels take 1,004 bytes; just enough of them.
  const int32_t height = At4(image, 22);
  EXPECT_EQ(At4(image, 34), 1004 * height);
  EXPECT_EQ(image.size(), 54u + 1004u * uint32_t(height));
  EXPECT_LT(image.size() - 1004, 154 + records.size());
  EXPECT_EQ(image.substr(54, 100), std::string(100, '\xFF'));
  EXPECT_EQ(image.substr(154, records.size()), records);
  EXPECT_EQ(image.find_first_not_of('\xFF', 154 + records.size()), std::string::npos);

  TMemoryStream stream(image);
  TZipBox box;
  ASSERT_TRUE(box.LoadFromStream(stream, false));
  EXPECT_EQ(box.Count(), 30);

  ASSERT_TRUE(WrapInCarrier(std::string(5, 'r'), image, error, 3));
  EXPECT_EQ(At4(image, 22), 9);  // 105 bytes in rows of 12
}

TEST(BoxPath, RefusesFoldersAndNamesThatLeaveTheTarget) {
  std::string relative;
  const std::pair<const char*, const char*> safe[] = {{"\\", ""},
                                                      {"sup\\", "sup/"},
                                                      {"root\\help\\blc\\", "root/help/blc/"},
                                                      {"\\sup\\\\x", "sup/x/"},
                                                      {"..a\\b..\\", "..a/b../"}};
  for (const auto& [path, expected] : safe) {
    EXPECT_TRUE(BoxPathToRelative(path, relative)) << path;
    EXPECT_EQ(relative, expected);
  }
  for (const char* path :
       {"..\\", "sup\\..\\..\\", ".\\", "a/..\\", "/etc\\", "C:\\x\\", "c:x\\", "\\\\server\\"})
    EXPECT_FALSE(BoxPathToRelative(path, relative)) << path;
  EXPECT_FALSE(BoxPathToRelative(std::string("a\0b\\", 4), relative));

  EXPECT_TRUE(IsSafeBoxName("...x"));
  for (const char* name : {"", ".", "..", "../x", "a/b", "a\\b", "/etc/passwd"})
    EXPECT_FALSE(IsSafeBoxName(name)) << name;
  EXPECT_EQ(ToBoxPath(""), "\\");
  EXPECT_EQ(ToBoxPath("root/help\\blc"), "root\\help\\blc\\");
}

}  // namespace
}  // namespace lumigram
