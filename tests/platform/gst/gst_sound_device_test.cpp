#include "platform/gst/gst_sound_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/platform/gst/sound_files.h"
#include "tests/support/fixture_file.h"
#include "tests/support/loop_dispatcher.h"
#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"
#include "util/files.h"

// Under the sanitizers: GLib allocates for good when it is loaded, which the
// leak checker would report; full stacks let the rest of GStreamer's memory
// count. Ignored in other builds.
extern "C" const char* __asan_default_options() {
  return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
  return "leak:_dl_init\n";
}

namespace lumigram {
namespace {

using namespace std::chrono_literals;

// Every wait is bounded: a sound that never ends fails the test.
constexpr auto kPlayLimit = 20s;
constexpr const char* kMissingPlugin = "Your GStreamer installation is missing a plug-in.";

class TEndLog final : public TSoundDeviceEvents {
 public:
  void SoundEnded(bool succeeded) override { ended.push_back(succeeded); }
  std::vector<bool> ended;
};

// Plays in real time into a sink that needs no sound card.
TGstSoundOptions SilentOutput() {
  TGstSoundOptions options;
  options.AudioSink = "fakesink sync=true";
  return options;
}

class GstSoundDeviceTest : public ::testing::Test {
 protected:
  GstSoundDeviceTest() { device_.SetEvents(&log_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = scratch_ / name, error;
    if (!WriteStringToFile(path, bytes, error)) ADD_FAILURE() << error;
    return path;
  }

  // Plays the file to its end; skipped when GStreamer lacks its decoder.
  void PlayThrough(const std::string& path) {
    if (!device_.Open(path, error_)) {
      if (error_.rfind(kMissingPlugin, 0) == 0) GTEST_SKIP() << error_;
      FAIL() << path << ": " << error_;
    }
    ASSERT_TRUE(device_.Start(error_)) << error_;
    ASSERT_TRUE(loop_.RunUntil([&] { return !log_.ended.empty(); }, kPlayLimit));
    EXPECT_EQ(log_.ended, std::vector<bool>{true});
    EXPECT_TRUE(device_.Close(error_));
  }

  testing::ScratchFolder scratch_;
  testing::TLoopDispatcher loop_;  // outlives the device
  TEndLog log_;
  TGstSoundDevice device_{loop_, SilentOutput()};
  std::string error_;
};

TEST_F(GstSoundDeviceTest, PlaysAWaveToItsEndAndAgainFromTheStart) {
  const std::string path = Write("sound.WAV", testing::SineWav(0.2));
  ASSERT_TRUE(device_.Open(path, error_)) << error_;
  ASSERT_TRUE(device_.Start(error_)) << error_;
  ASSERT_TRUE(loop_.RunUntil([&] { return !log_.ended.empty(); }, kPlayLimit));
  EXPECT_EQ(log_.ended, std::vector<bool>{true});

  // A second start plays the whole sound again and ends again.
  ASSERT_TRUE(device_.Start(error_)) << error_;
  ASSERT_TRUE(loop_.RunUntil([&] { return log_.ended.size() >= 2; }, kPlayLimit));
  EXPECT_EQ(log_.ended, (std::vector<bool>{true, true}));
  EXPECT_TRUE(device_.Close(error_));
  EXPECT_EQ(loop_.RunPending(), 0);
}

TEST_F(GstSoundDeviceTest, AnErrorWhilePlayingEndsThePlaybackAsFailed) {
  TGstSoundOptions options;
  // Fails on the third buffer: after prerolling, while playing.
  options.AudioSink = "identity error-after=3 ! fakesink sync=true";
  TGstSoundDevice device(loop_, options);
  device.SetEvents(&log_);
  ASSERT_TRUE(device.Open(Write("long.WAV", testing::SineWav(2.0)), error_)) << error_;
  ASSERT_TRUE(device.Start(error_)) << error_;
  ASSERT_TRUE(loop_.RunUntil([&] { return !log_.ended.empty(); }, kPlayLimit));
  EXPECT_EQ(log_.ended, std::vector<bool>{false});
  // One report per start, however many errors follow the first.
  EXPECT_TRUE(device.Close(error_));
  loop_.RunPending();
  EXPECT_EQ(log_.ended.size(), 1u);
}

TEST_F(GstSoundDeviceTest, NoReportArrivesAfterCloseOrAfterTheDeviceIsGone) {
  const std::string path = Write("sound.WAV", testing::SineWav(0.2));
  ASSERT_TRUE(device_.Open(path, error_)) << error_;
  ASSERT_TRUE(device_.Start(error_)) << error_;
  // The end has been handed to the GUI thread but has not run there yet.
  ASSERT_TRUE(loop_.WaitForPending(1, kPlayLimit));
  EXPECT_TRUE(device_.Close(error_));
  loop_.RunPending();
  EXPECT_TRUE(log_.ended.empty());

  {
    TGstSoundDevice device(loop_, SilentOutput());
    device.SetEvents(&log_);
    ASSERT_TRUE(device.Open(path, error_)) << error_;
    ASSERT_TRUE(device.Start(error_)) << error_;
    ASSERT_TRUE(loop_.WaitForPending(1, kPlayLimit));
  }
  loop_.RunPending();
  EXPECT_TRUE(log_.ended.empty());

  // Reopening the same device plays normally.
  ASSERT_TRUE(device_.Open(path, error_)) << error_;
  ASSERT_TRUE(device_.Start(error_)) << error_;
  ASSERT_TRUE(loop_.RunUntil([&] { return !log_.ended.empty(); }, kPlayLimit));
  EXPECT_EQ(log_.ended, std::vector<bool>{true});
}

TEST_F(GstSoundDeviceTest, RefusesWhatItCannotPlayWithATextSayingWhy) {
  EXPECT_FALSE(device_.Start(error_));
  EXPECT_FALSE(error_.empty());

  EXPECT_FALSE(device_.Open(Write("sound.XYZ", testing::SineWav(0.2)), error_));
  EXPECT_EQ(error_, err::kUnsupportedFormat);
  EXPECT_FALSE(device_.Open(Write("sound", testing::SineWav(0.2)), error_));
  EXPECT_EQ(error_, err::kUnsupportedFormat);
  EXPECT_FALSE(device_.Open(scratch_ / "absent.WAV", error_));
  EXPECT_EQ(error_, err::kFileNotFound);

  // GStreamer's own texts for data it cannot use.
  EXPECT_FALSE(device_.Open(Write("zeros.WAV", std::string(4000, '\0')), error_));
  EXPECT_EQ(error_, "Could not determine type of stream.");
  EXPECT_FALSE(device_.Open(Write("empty.MID", ""), error_));
  EXPECT_EQ(error_, "Stream contains no data.");
  EXPECT_FALSE(device_.Open(Write("zip.MP3", "PK\x03\x04" + std::string(2000, '\0')), error_));
  EXPECT_EQ(error_.rfind(kMissingPlugin, 0), 0u) << error_;
  EXPECT_NE(error_.find("application/zip"), std::string::npos) << error_;

  // Nothing is left open, nothing is reported, and the device still plays.
  EXPECT_FALSE(device_.Start(error_));
  loop_.RunPending();
  EXPECT_TRUE(log_.ended.empty());
  PlayThrough(Write("sound.wav", testing::SineWav(0.2)));
}

TEST_F(GstSoundDeviceTest, WithoutGStreamerOpenFailsWithAClearText) {
  TGstSoundOptions options = SilentOutput();
  options.Library = "libgstreamer-absent-for-tests.so.0";
  TGstSoundDevice device(loop_, options);
  EXPECT_FALSE(device.Open(Write("sound.WAV", testing::SineWav(0.2)), error_));
  EXPECT_EQ(error_, "Sound is not available: GStreamer is not installed");
  EXPECT_FALSE(device.Start(error_));
  EXPECT_TRUE(device.Close(error_));
}

TEST_F(GstSoundDeviceTest, PlaysMidiWithASoundFont) {
  PlayThrough(Write("sound.MID", testing::OneNoteMidi()));
}

TEST_F(GstSoundDeviceTest, PlaysMp3AndWma) {
  const char* data = std::getenv("LUMIGRAM_TEST_DATA");
  ASSERT_NE(data, nullptr);
  for (const char* name : {"tone.MP3", "tone.WMA"}) {
    SCOPED_TRACE(name);
    log_.ended.clear();
    PlayThrough(testing::ExistingFixture(std::string(data) + "/sound/" + name));
  }
}

}  // namespace
}  // namespace lumigram
