#pragma once
// What the viewer tests share: card files made from the built viewer and
// card data, the viewer run under a private X server, and ways to look at
// its windows and press its keys.

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <thread>

#include <gtest/gtest.h>

#include "card/headless_card_platform.h"
#include "card/lumigram.h"
#include "tests/support/child_process.h"
#include "tests/support/picture_bytes.h"
#include "tests/support/scratch_folder.h"
#include "util/fields.h"
#include "util/files.h"

// Last: Xlib defines names such as None and Bool as macros.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include "tests/platform/x11/x11_fixture.h"

namespace lumigram::testing {

using namespace std::chrono_literals;

inline constexpr const char* kViewer = LUMIGRAM_VIEWER;

inline std::string ReadAll(const std::string& path) {
  std::string bytes, error;
  ReadFileToString(path, bytes, error);
  return bytes;
}

// A short mono 8 kHz tone.
inline std::string ShortWave(int milliseconds) {
  const uint32_t samples = 8000u * uint32_t(milliseconds) / 1000u;
  std::string wav = "RIFF" + IntToBytes4(int(36 + samples * 2)) + "WAVEfmt ";
  wav += IntToBytes4(16) + std::string("\x01\x00\x01\x00", 4) + IntToBytes4(8000) +
         IntToBytes4(16000) + std::string("\x02\x00\x10\x00", 4);
  wav += "data" + IntToBytes4(int(samples * 2));
  for (uint32_t i = 0; i < samples; ++i) {
    const int16_t value = int16_t((i % 40 < 20) ? 3000 : -3000);
    wav += char(value & 0xFF);
    wav += char((value >> 8) & 0xFF);
  }
  return wav;
}

// Card data as the creator saves it.
inline std::string CardData(const std::function<void(TLumigram&)>& fill) {
  THeadlessCardPlatform platform;
  TLumigram card(platform, TCardWindowKind::Embedded);
  fill(card);
  card.Refresh(true);
  std::string data;
  EXPECT_TRUE(card.SaveToString(data)) << card.LastError();
  return data;
}

// What the viewer should show for that data: the same card code, standalone.
inline TBitmap ExpectedComposite(const std::string& data) {
  THeadlessCardPlatform platform;
  TLumigram card(platform, TCardWindowKind::Standalone);
  EXPECT_TRUE(card.LoadFromString(data)) << card.LastError();
  return card.Composite();
}

inline std::string ViewerImage() {
  std::string image = ReadAll(kViewer);
  EXPECT_LE(image.size(), size_t(kCardDataOffset));
  image.resize(size_t(kCardDataOffset), '\0');
  return image;
}

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!StartTestDisplay()) GTEST_SKIP() << "no X server could be started";
    display_ = ::XOpenDisplay(nullptr);
    ASSERT_NE(display_, nullptr);
    // Out of the way of the card, so nothing is highlighted by hovering.
    ::XTestFakeMotionEvent(display_, -1, 0, 0, CurrentTime);
    ::XSync(display_, False);
    for (const char* folder : {"data", "config", "cache", "runtime", "desktop"})
      std::filesystem::create_directories(home_ / folder);
    ::chmod((home_ / "runtime").c_str(), 0700);
  }
  void TearDown() override {
    viewer_.Kill();
    if (display_) ::XCloseDisplay(display_);
  }

  std::string WriteCardFile(const std::string& data, bool executable = true) {
    const std::string path = home_ / "card.exe";
    std::string error;
    EXPECT_TRUE(WriteStringToFile(path, ViewerImage() + data, error)) << error;
    ::chmod(path.c_str(), executable ? 0755 : 0644);
    return path;
  }

  void Start(std::vector<std::string> argv) {
    const std::map<std::string, std::string> environment = {{"HOME", home_.Path()},
                                                            {"XDG_DATA_HOME", home_ / "data"},
                                                            {"XDG_CONFIG_HOME", home_ / "config"},
                                                            {"XDG_CACHE_HOME", home_ / "cache"},
                                                            {"XDG_RUNTIME_DIR", home_ / "runtime"},
                                                            {"XDG_DESKTOP_DIR", home_ / "desktop"}};
    ASSERT_TRUE(viewer_.Start(std::move(argv), environment, home_ / "stderr"));
  }

  // Waits for the mark the viewer writes once the card is on the screen.
  bool WaitForFirstPaint() {
    for (auto end = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(5ms))
      if (!ReadAll(mark_).empty()) return true;
    return false;
  }

  // The viewable top-level windows of the viewer process, or of any process
  // when anyProcess (popup menus carry no process id).
  std::vector<Window> ViewableWindows(bool anyProcess = false) {
    const Atom pidAtom = ::XInternAtom(display_, "_NET_WM_PID", False);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> found;
    if (!::XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
      return found;
    for (unsigned int i = 0; i < count; ++i) {
      XWindowAttributes attributes;
      if (!::XGetWindowAttributes(display_, children[i], &attributes) ||
          attributes.map_state != IsViewable)
        continue;
      Atom type = 0;
      int format = 0;
      unsigned long items = 0, after = 0;
      unsigned char* value = nullptr;
      bool ours = anyProcess;
      if (::XGetWindowProperty(display_, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                               &format, &items, &after, &value) == Success &&
          value) {
        if (items == 1 && *reinterpret_cast<unsigned long*>(value) == unsigned(viewer_.Pid()))
          ours = true;
        ::XFree(value);
      }
      if (ours) found.push_back(children[i]);
    }
    if (children) ::XFree(children);
    return found;
  }

  std::optional<Window> WaitForWindow(const std::string& caption = {}) {
    for (auto end = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(10ms)) {
      for (Window window : ViewableWindows()) {
        char* name = nullptr;
        bool matches = caption.empty();
        if (!matches && ::XFetchName(display_, window, &name) && name) {
          matches = caption == name;
          ::XFree(name);
        }
        if (matches) return window;
      }
    }
    return std::nullopt;
  }

  TBitmap Grab(Window window) {
    XWindowAttributes attributes;
    ::XGetWindowAttributes(display_, window, &attributes);
    TBitmap grabbed;
    XImage* image = ::XGetImage(display_, window, 0, 0, unsigned(attributes.width),
                                unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image) return grabbed;
    grabbed.SetSize(attributes.width, attributes.height);
    for (int y = 0; y < attributes.height; ++y)
      for (int x = 0; x < attributes.width; ++x) {
        const unsigned long pixel = XGetPixel(image, x, y);
        grabbed.SetPixel(x, y,
                         RGB(int((pixel & image->red_mask) >> 16),
                             int((pixel & image->green_mask) >> 8), int(pixel & image->blue_mask)));
      }
    XDestroyImage(image);
    return grabbed;
  }

  TRect ScreenBounds(Window window) {
    XWindowAttributes attributes;
    ::XGetWindowAttributes(display_, window, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    ::XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y, x + attributes.width, y + attributes.height};
  }

  void Click(int x, int y, unsigned int button) {
    ::XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    ::XTestFakeButtonEvent(display_, button, True, CurrentTime);
    ::XTestFakeButtonEvent(display_, button, False, CurrentTime);
    ::XSync(display_, False);
  }

  // Presses the key until the program ends (the window taking the keys may
  // not have the keyboard yet); its exit status, or -1.
  int KeyUntilExit(KeySym symbol) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      Key(symbol);
      const int status = viewer_.Wait(200ms);
      if (!viewer_.Running()) return status;
    }
    return -1;
  }

  void Key(KeySym symbol) {
    const KeyCode code = ::XKeysymToKeycode(display_, symbol);
    ::XTestFakeKeyEvent(display_, code, True, CurrentTime);
    ::XTestFakeKeyEvent(display_, code, False, CurrentTime);
    ::XSync(display_, False);
  }

  // Files in the card's private temporary folder, by name with their sizes.
  std::map<std::string, uintmax_t> TemporaryFiles() {
    std::map<std::string, uintmax_t> files;
    std::error_code ignored;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(home_ / "runtime", ignored))
      if (entry.is_regular_file(ignored))
        files[entry.path().filename().string()] = entry.file_size(ignored);
    return files;
  }

  ScratchFolder home_;
  std::string mark_ = home_ / "first-paint";
  Display* display_ = nullptr;
  TChildProcess viewer_;
};

}  // namespace lumigram::testing
