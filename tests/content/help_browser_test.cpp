// The help pages as a person sees them: rendered by a real browser (headless
// Chromium from Debian) with every network name unresolvable, so a page that
// needed the network would show that it did.

#include <gtest/gtest.h>
#include <unistd.h>

#include <set>

#include "imaging/bmp/icon_format.h"
#include "tests/content/content_fixtures.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"

namespace lumigram::testing {
namespace {

constexpr const char* kChromium = "/usr/bin/chromium";

// Chromium as this test runs it: headless, offline, a throw-away profile.
std::vector<std::string> Browser(const ScratchFolder& profile) {
  return {"/usr/bin/timeout",
          "120",
          kChromium,
          "--headless",
          "--no-sandbox",
          "--disable-gpu",
          "--no-first-run",
          "--user-data-dir=" + profile.Path(),
          "--host-resolver-rules=MAP * ~NOTFOUND",
          "--window-size=1024,768"};
}

TEST(HelpInBrowser, RendersOfflineWithItsTitleAndPictures) {
  ASSERT_EQ(::access(kChromium, X_OK), 0) << "chromium is missing (scripts/install-deps.sh)";
  ScratchFolder profile;
  const std::string page = "file://" + ContentPath("help/index.html");

  std::vector<std::string> dump = Browser(profile);
  dump.insert(dump.end(), {"--dump-dom", page});
  const TProgramRun dom = RunProgram(dump);
  ASSERT_EQ(dom.Status, 0) << dom.Err;
  EXPECT_NE(dom.Out.find("<title>Brimble Lumigram Creator Help</title>"), std::string::npos);
  EXPECT_NE(dom.Out.find("Brimble Lumigram Creator</h1>"), std::string::npos);

  std::vector<std::string> shoot = Browser(profile);
  const std::string shot = profile / "help.png";
  shoot.insert(shoot.end(), {"--screenshot=" + shot, page});
  const TProgramRun run = RunProgram(shoot);
  ASSERT_EQ(run.Status, 0) << run.Err;
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  ASSERT_TRUE(icon::DecodePngArgb(ReadWhole(shot), 4096, width, height, pixels));
  EXPECT_EQ(width, 1024);
  EXPECT_EQ(height, 768);
  // A rendered page with its banner picture and text has many colours; a
  // blank or error page has a handful.
  const std::set<uint32_t> colours(pixels.begin(), pixels.end());
  EXPECT_GT(colours.size(), 200u);
}

}  // namespace
}  // namespace lumigram::testing
