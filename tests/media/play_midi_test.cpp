#include "media/play_midi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/error_texts.h"

namespace lumigram {
namespace {

// A sound device that answers as the test scripts it and logs every call.
struct TScript {
  std::vector<std::string> calls;
  std::string open_error, start_error, close_error;  // what a failing step says
  bool fail_open = false, fail_start = false, fail_close = false;
  TSoundDeviceEvents* events = nullptr;
  bool destroyed = false;
};

class TScriptedDevice : public TSoundDevice {
 public:
  explicit TScriptedDevice(TScript& script) : script_(script) {}
  ~TScriptedDevice() override { script_.destroyed = true; }
  void SetEvents(TSoundDeviceEvents* events) override { script_.events = events; }
  bool Open(const std::string& file, std::string& error) override {
    return Answer("open " + file, script_.fail_open, script_.open_error, error);
  }
  bool Start(std::string& error) override {
    return Answer("start", script_.fail_start, script_.start_error, error);
  }
  bool Close(std::string& error) override {
    return Answer("close", script_.fail_close, script_.close_error, error);
  }

 private:
  bool Answer(const std::string& call, bool fail, const std::string& text, std::string& error) {
    script_.calls.push_back(call);
    if (!fail) return true;
    error = text;
    return false;
  }
  TScript& script_;
};

class PlayMidiTest : public ::testing::Test {
 protected:
  PlayMidiTest() : player_(std::make_unique<TScriptedDevice>(script_)) {
    player_.OnNotify = [this](TPlayMidi& p) {
      events_.push_back(p.IsPlaying() ? "notify (playing)" : "notify");
    };
    player_.OnChange = [this](TPlayMidi&) { events_.push_back("change"); };
    player_.OnClosed = [this](TPlayMidi&) { events_.push_back("closed"); };
  }

  void EndSound(bool succeeded) {
    ASSERT_NE(script_.events, nullptr);
    script_.events->SoundEnded(succeeded);
  }

  using Log = std::vector<std::string>;
  TScript script_;
  TPlayMidi player_;
  Log events_;
};

TEST_F(PlayMidiTest, SecondPlayWithoutForceLeavesTheFirstSoundPlaying) {
  ASSERT_TRUE(player_.Play("/tmp/a.WAV", false));
  EXPECT_TRUE(player_.IsOpen());
  EXPECT_TRUE(player_.IsPlaying());
  EXPECT_EQ(script_.calls, (Log{"open /tmp/a.WAV", "start"}));
  EXPECT_EQ(events_, (Log{"change"}));

  EXPECT_FALSE(player_.Play("/tmp/b.MID", false));
  EXPECT_EQ(player_.FileName(), "/tmp/a.WAV");
  EXPECT_TRUE(player_.IsPlaying());
  EXPECT_EQ(script_.calls.size(), 2u);
  EXPECT_EQ(events_.size(), 1u);

  // Forced, the first sound is closed before the second opens.
  ASSERT_TRUE(player_.Play("/tmp/b.MID", true));
  EXPECT_EQ(player_.FileName(), "/tmp/b.MID");
  EXPECT_EQ(script_.calls, (Log{"open /tmp/a.WAV", "start", "close", "open /tmp/b.MID", "start"}));
  EXPECT_EQ(events_, (Log{"change", "change", "closed", "change"}));
}

TEST_F(PlayMidiTest, AutoCloseClosesTheDeviceOnceTheSoundHasEnded) {
  player_.SetAutoClose(true);
  ASSERT_TRUE(player_.Play("/tmp/a.WAV", false));
  events_.clear();

  EndSound(true);
  EXPECT_FALSE(player_.IsPlaying());
  EXPECT_FALSE(player_.IsOpen());
  EXPECT_EQ(script_.calls.back(), "close");
  // Whoever hears of the end already sees the sound as stopped.
  EXPECT_EQ(events_, (Log{"notify", "change", "closed"}));

  // A failed playback ends the same way.
  ASSERT_TRUE(player_.Play("/tmp/a.WAV", false));
  events_.clear();
  EndSound(false);
  EXPECT_FALSE(player_.IsOpen());
  EXPECT_EQ(events_, (Log{"notify", "change", "closed"}));
}

TEST_F(PlayMidiTest, WithoutAutoCloseTheDeviceStaysOpenAndLateEndsAreIgnored) {
  ASSERT_TRUE(player_.Play("/tmp/a.WAV", false));
  EndSound(true);
  EXPECT_TRUE(player_.IsOpen());
  EXPECT_FALSE(player_.IsPlaying());
  events_.clear();
  EndSound(true);
  EXPECT_TRUE(events_.empty());

  // Not playing any more: no force needed; the open device is closed first.
  ASSERT_TRUE(player_.Play("/tmp/a.WAV", false));
  EXPECT_EQ(script_.calls, (Log{"open /tmp/a.WAV", "start", "close", "open /tmp/a.WAV", "start"}));
  player_.Close();
  events_.clear();
  EndSound(true);
  EXPECT_TRUE(events_.empty());
}

TEST_F(PlayMidiTest, ASoundStartedFromTheEndCallbackSurvivesAutoClose) {
  player_.SetAutoClose(true);
  player_.OnNotify = [](TPlayMidi& p) { p.Play("/tmp/next.MID", false); };
  ASSERT_TRUE(player_.Play("/tmp/a.WAV", false));
  EndSound(true);
  EXPECT_TRUE(player_.IsPlaying());
  EXPECT_EQ(player_.FileName(), "/tmp/next.MID");
  EXPECT_EQ(script_.calls.back(), "start");
}

TEST_F(PlayMidiTest, FailuresKeepTheDevicesTextOrADefault) {
  script_.fail_open = true;
  script_.open_error = "Could not determine type of stream.";
  EXPECT_FALSE(player_.Play("/tmp/a.XYZ", false));
  EXPECT_EQ(player_.ErrorText(), "Could not determine type of stream.");
  EXPECT_FALSE(player_.IsOpen());
  // Nothing was open, so nothing is closed.
  EXPECT_EQ(script_.calls, (Log{"open /tmp/a.XYZ"}));
  EXPECT_EQ(events_, (Log{"change"}));
  script_.open_error.clear();
  EXPECT_FALSE(player_.Play("/tmp/a.WAV", false));
  EXPECT_EQ(player_.ErrorText(), err::kFileInUse);

  script_.fail_open = false;
  script_.fail_start = true;
  script_.calls.clear();
  events_.clear();
  EXPECT_FALSE(player_.Play("/tmp/a.WAV", false));
  EXPECT_EQ(player_.ErrorText(), err::kUnexpectedError);
  EXPECT_FALSE(player_.IsOpen());
  EXPECT_FALSE(player_.IsPlaying());
  EXPECT_EQ(script_.calls, (Log{"open /tmp/a.WAV", "start", "close"}));
  EXPECT_EQ(events_, (Log{"change", "closed", "change"}));
}

TEST_F(PlayMidiTest, AFailedCloseKeepsTheDeviceOpenButAFailedStartNeverPlays) {
  ASSERT_TRUE(player_.Play("/tmp/a.WAV", false));
  events_.clear();
  script_.fail_close = true;
  script_.close_error = "Device busy";
  player_.Close();
  EXPECT_TRUE(player_.IsOpen());
  EXPECT_TRUE(player_.IsPlaying());
  EXPECT_EQ(player_.ErrorText(), "Device busy");
  EXPECT_EQ(events_, (Log{"change", "closed"}));

  // Start fails and so does the close after it: still open, but not playing,
  // so a later Play without force is not refused.
  script_.fail_start = true;
  EXPECT_FALSE(player_.Play("/tmp/b.WAV", true));
  EXPECT_TRUE(player_.IsOpen());
  EXPECT_FALSE(player_.IsPlaying());
  script_.fail_start = script_.fail_close = false;
  EXPECT_TRUE(player_.Play("/tmp/c.WAV", false));
}

TEST(PlayMidi, DestroyingThePlayerClosesTheDeviceWithoutCallingBack) {
  TScript script;
  int callbacks = 0;
  {
    TPlayMidi player(std::make_unique<TScriptedDevice>(script));
    player.OnChange = player.OnClosed = [&](TPlayMidi&) { ++callbacks; };
    ASSERT_TRUE(player.Play("/tmp/a.WAV", false));
    callbacks = 0;
  }
  EXPECT_EQ(script.calls.back(), "close");
  EXPECT_EQ(script.events, nullptr);
  EXPECT_TRUE(script.destroyed);
  EXPECT_EQ(callbacks, 0);
}

}  // namespace
}  // namespace lumigram
