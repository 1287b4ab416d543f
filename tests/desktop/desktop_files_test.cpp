// The desktop files as committed and the icon as drawn: entries that parse
// and name what the programs need, the card type at the card data's place,
// and the validators of the desktop's own tools where they are installed.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "card/lumigram.h"
#include "tests/desktop/desktop_entry.h"
#include "tests/support/run_program.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

constexpr const char* kCardType = "application/x-lumigram-card";
constexpr const char* kMetainfo = "com.kelvado.LumigramCreator.metainfo.xml";

std::string DesktopFile(const std::string& name) {
  return std::string(LUMIGRAM_DESKTOP_DIR) + "/" + name;
}

std::string Read(const std::string& path) {
  std::string bytes, error;
  EXPECT_TRUE(ReadFileToString(path, bytes, error)) << path << ": " << error;
  return bytes;
}

TDesktopEntry Entry(const std::string& name) {
  TDesktopEntry entry;
  std::string error;
  EXPECT_TRUE(ParseDesktopEntry(Read(DesktopFile(name)), entry, error)) << name << ": " << error;
  return entry;
}

// Runs a validator when the machine has it; an empty text means it passed
// or is not installed.
std::string Validate(const std::string& program, std::vector<std::string> arguments) {
  if (!std::filesystem::exists(program)) return {};
  arguments.insert(arguments.begin(), program);
  const TProgramRun run = RunProgram(arguments);
  return run.Status == 0 ? std::string() : run.Out + run.Err;
}

TEST(DesktopEntry, ReaderRefusesWhatIsNoEntry) {
  TDesktopEntry entry;
  std::string error;
  EXPECT_FALSE(ParseDesktopEntry("Name=x\n", entry, error));
  TDesktopEntry noValue;
  EXPECT_FALSE(ParseDesktopEntry("[Desktop Entry]\nName\n", noValue, error));
  TDesktopEntry twice;
  EXPECT_FALSE(ParseDesktopEntry("[Desktop Entry]\nName=a\nName=b\n", twice, error));
  EXPECT_EQ(error, "line 3: key twice");
  TDesktopEntry other;
  EXPECT_FALSE(ParseDesktopEntry("[Other]\nName=a\n", other, error));
  TDesktopEntry good;
  ASSERT_TRUE(ParseDesktopEntry("# c\n[Desktop Entry]\nName = a b\n\n[Desktop Action x]\nName=c\n",
                                good, error))
      << error;
  EXPECT_EQ(good.Value("Name"), "a b");
  EXPECT_EQ(good.Groups["Desktop Action x"]["Name"], "c");
}

TEST(DesktopEntry, CreatorIsAGraphicsProgramThatOpensCardFiles) {
  const TDesktopEntry entry = Entry("lumigram-creator.desktop");
  EXPECT_EQ(entry.Value("Type"), "Application");
  EXPECT_EQ(entry.Value("Name"), "Brimble Lumigram Creator");
  EXPECT_FALSE(entry.Value("Comment").empty());
  EXPECT_EQ(entry.Value("Exec"), "lumigram-creator %f");
  EXPECT_EQ(entry.Value("Icon"), "lumigram-creator");
  EXPECT_NE(entry.Value("Categories").find("Graphics;"), std::string::npos);
  EXPECT_EQ(entry.Value("MimeType"), std::string(kCardType) + ";");
  EXPECT_EQ(entry.Value("NoDisplay"), "");
  EXPECT_EQ(Validate("/usr/bin/desktop-file-validate", {DesktopFile("lumigram-creator.desktop")}),
            "");
}

TEST(DesktopEntry, ViewerOpensCardFilesButStaysOutOfTheMenus) {
  const TDesktopEntry entry = Entry("lumigram-viewer.desktop");
  EXPECT_EQ(entry.Value("Type"), "Application");
  EXPECT_FALSE(entry.Value("Name").empty());
  EXPECT_EQ(entry.Value("Exec"), "lumigram-viewer %f");
  EXPECT_EQ(entry.Value("NoDisplay"), "true");
  EXPECT_EQ(entry.Value("MimeType"), std::string(kCardType) + ";");
  EXPECT_EQ(Validate("/usr/bin/desktop-file-validate", {DesktopFile("lumigram-viewer.desktop")}),
            "");
}

TEST(DesktopFiles, CardTypeIsKnownByTheMarkAtTheCardDataOffsetNotByItsName) {
  const std::string xml = Read(DesktopFile("lumigram-card.xml"));
  EXPECT_NE(xml.find("<mime-type type=\"" + std::string(kCardType) + "\">"), std::string::npos);
  const std::regex match(R"re(<match type="string" value="LG1\.0" offset="(\d+)"/>)re");
  std::smatch found;
  ASSERT_TRUE(std::regex_search(xml, found, match));
  EXPECT_EQ(std::stoll(found[1]), kCardDataOffset);
  // Every other program is named *.exe too.
  EXPECT_EQ(xml.find("<glob"), std::string::npos);
  EXPECT_EQ(Validate("/usr/bin/xmllint", {"--noout", DesktopFile("lumigram-card.xml")}), "");
}

TEST(DesktopFiles, MetainfoLaunchesTheCreatorsEntryAndValidates) {
  const std::string xml = Read(DesktopFile(kMetainfo));
  EXPECT_NE(xml.find("<launchable type=\"desktop-id\">lumigram-creator.desktop</launchable>"),
            std::string::npos);
  EXPECT_TRUE(FileExistsNotFolder(DesktopFile("lumigram-creator.desktop")));
  EXPECT_NE(xml.find("<mediatype>" + std::string(kCardType) + "</mediatype>"), std::string::npos);
  EXPECT_EQ(Validate("/usr/bin/appstreamcli", {"validate", "--no-net", DesktopFile(kMetainfo)}),
            "");
}

uint32_t BigEndian(const std::string& bytes, size_t at) {
  return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
         uint32_t(uint8_t(bytes[at + 2])) << 8 | uint32_t(uint8_t(bytes[at + 3]));
}

TEST(DesktopFiles, IconIsDrawnAtEverySizeWithAlphaAndAsScalableShapes) {
  std::string sizes = LUMIGRAM_ICON_SIZES;
  int count = 0;
  for (size_t start = 0; start < sizes.size(); ++count) {
    const size_t comma = std::min(sizes.find(',', start), sizes.size());
    const int side = std::stoi(sizes.substr(start, comma - start));
    start = comma + 1;
    const std::string png =
        Read(std::string(LUMIGRAM_CONTENT_DIR) + "/icons/" + std::to_string(side) + ".png");
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(png, 16), uint32_t(side));
    EXPECT_EQ(BigEndian(png, 20), uint32_t(side));
    EXPECT_EQ(png[25], 6) << "colour type: RGBA";
  }
  EXPECT_EQ(count, 3);
  const std::string svg = Read(std::string(LUMIGRAM_CONTENT_DIR) + "/icons/lumigram-creator.svg");
  EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
  EXPECT_GE(std::count(svg.begin(), svg.end(), 'Z'), 8);
  EXPECT_EQ(Validate("/usr/bin/xmllint", {"--noout", std::string(LUMIGRAM_CONTENT_DIR) +
                                                         "/icons/lumigram-creator.svg"}),
            "");
}

}  // namespace
}  // namespace lumigram::testing
