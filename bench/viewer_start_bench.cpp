// How soon a card file shows its picture, against feh opening the same JPEG,
// both on a private Xvfb and both timed the same way: from starting the
// program until a new window shows the picture's centre colour. Also the
// viewer's own first-paint mark, its peak memory, and its processor use
// while it sits idle with a flashing message.

#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "card/headless_card_platform.h"
#include "card/lumigram.h"
#include "imaging/jpeg/jpeg_writer.h"
#include "tests/support/child_process.h"
#include "tests/support/picture_bytes.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/xvfb.h"
#include "util/files.h"

// Last: Xlib defines names such as None and Bool as macros.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace lumigram {
namespace {

using namespace std::chrono_literals;
using testing::TChildProcess;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// The centre of the picture is one flat colour, so both programs' JPEG
// decoders agree on it within a few steps.
const TColor kCentre = RGB(230, 40, 190);

TBitmap Photograph() {
  TBitmap picture;
  picture.SetSize(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const bool centre = std::abs(x - kWidth / 2) < 120 && std::abs(y - kHeight / 2) < 120;
      picture.SetPixel(x, y, centre ? kCentre : RGB((x * 3) & 255, (y * 5) & 255, (x ^ y) & 255));
    }
  return picture;
}

struct TFixture {
  testing::ScratchFolder folder;
  std::string jpeg;
  Display* display = nullptr;
  bool ready = false;
  std::string problem;

  TFixture() {
    if (!testing::StartPrivateDisplay("1280x1024x24")) {
      problem = "no Xvfb";
      return;
    }
    display = ::XOpenDisplay(nullptr);
    // Windows come and go while they are looked at; a lost one is no error.
    ::XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    if (!display) {
      problem = "cannot open the display";
      return;
    }
    std::string error;
    if (!WriteJpeg(Photograph(), 85, jpeg, error) ||
        !WriteStringToFile(folder / "photo.jpg", jpeg, error)) {
      problem = error;
      return;
    }
    ready = WriteCard(false, "card.exe") && WriteCard(true, "flashing.exe");
  }

  // A card file around the JPEG: the viewer, padded, then the card data.
  bool WriteCard(bool flashingMessage, const std::string& name) {
    THeadlessCardPlatform platform;
    TLumigram card(platform, TCardWindowKind::Embedded);
    card.Info().Picture = testing::OptimisedImageBytes("JPG", jpeg);
    if (flashingMessage) {
      card.Info().Message = {"Happy birthday!", "From all of us"};
      card.Info().Font.SetSize(28);
      card.Info().Flash = true;
    }
    card.Refresh(true);
    std::string data, viewer, error;
    if (!card.SaveToString(data) || !ReadFileToString(LUMIGRAM_VIEWER, viewer, error) ||
        viewer.size() > size_t(kCardDataOffset)) {
      problem = "cannot build the card: " + card.LastError() + error;
      return false;
    }
    viewer.resize(size_t(kCardDataOffset), '\0');
    if (!WriteStringToFile(folder / name, viewer + data, error, true)) {
      problem = error;
      return false;
    }
    return true;
  }

  std::set<Window> Viewable() {
    std::set<Window> found;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!::XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
      return found;
    for (unsigned int i = 0; i < count; ++i) {
      XWindowAttributes attributes;
      if (::XGetWindowAttributes(display, children[i], &attributes) &&
          attributes.map_state == IsViewable)
        found.insert(children[i]);
    }
    if (children) ::XFree(children);
    return found;
  }

  bool ShowsCentre(Window window) {
    XWindowAttributes attributes;
    if (!::XGetWindowAttributes(display, window, &attributes)) return false;
    XImage* image = ::XGetImage(display, window, attributes.width / 2, attributes.height / 2, 1, 1,
                                AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    const int red = int((pixel >> 16) & 255), green = int((pixel >> 8) & 255),
              blue = int(pixel & 255);
    return std::abs(red - ChannelOf(kCentre, 0)) < 12 &&
           std::abs(green - ChannelOf(kCentre, 1)) < 12 &&
           std::abs(blue - ChannelOf(kCentre, 2)) < 12;
  }

  // Seconds from starting the program until a window of it shows the
  // picture; nullopt when none did within 20 seconds.
  std::optional<double> TimeToPicture(TChildProcess& child, std::vector<std::string> argv) {
    const std::set<Window> before = Viewable();
    const auto start = std::chrono::steady_clock::now();
    if (!child.Start(std::move(argv), {}, folder / "stderr")) return std::nullopt;
    while (std::chrono::steady_clock::now() - start < 20s) {
      for (Window window : Viewable())
        if (!before.count(window) && ShowsCentre(window))
          return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::this_thread::sleep_for(200us);
    }
    return std::nullopt;
  }
};

TFixture& Fixture() {
  static TFixture fixture;
  return fixture;
}

long long MonotonicNanoseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// A field of /proc/<pid>/status, in kB.
long StatusKilobytes(pid_t pid, const std::string& field) {
  std::string status, error;
  ReadFileToString("/proc/" + std::to_string(pid) + "/status", status, error);
  const size_t at = status.find(field + ":");
  return at == std::string::npos ? -1 : std::atol(status.c_str() + at + field.size() + 1);
}

// User plus system time of a process, in clock ticks.
long CpuTicks(pid_t pid) {
  std::string stat, error;
  ReadFileToString("/proc/" + std::to_string(pid) + "/stat", stat, error);
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  // After the command's closing bracket: state is field 3, utime 14, stime 15.
  std::istringstream fields(stat.substr(close + 2));
  std::string skip;
  for (int i = 3; i < 14; ++i) fields >> skip;
  long user = 0, system = 0;
  fields >> user >> system;
  return user + system;
}

void BM_ViewerStartToPicture(benchmark::State& state) {
  TFixture& fixture = Fixture();
  if (!fixture.ready) return state.SkipWithError(fixture.problem.c_str());
  double marked = 0;
  long peak = 0;
  for (auto _ : state) {
    TChildProcess viewer;
    const std::string mark = fixture.folder / "mark";
    ::unlink(mark.c_str());
    const long long started = MonotonicNanoseconds();
    const auto seconds =
        fixture.TimeToPicture(viewer, {fixture.folder / "card.exe", "--first-paint-mark", mark});
    if (!seconds) return state.SkipWithError("the card never showed its picture");
    state.SetIterationTime(*seconds);
    // The mark is written just after the paint; let it land before the end.
    std::string text, error;
    for (int wait = 0; wait < 400 && text.empty(); ++wait) {
      ReadFileToString(mark, text, error);
      if (text.empty()) std::this_thread::sleep_for(5ms);
    }
    if (!text.empty()) marked += double(std::atoll(text.c_str()) - started) / 1e9;
    peak = std::max(peak, StatusKilobytes(viewer.Pid(), "VmHWM"));
  }
  state.counters["first_paint_mark_ms"] = 1000 * marked / double(state.iterations());
  state.counters["peak_memory_kB"] = double(peak);
}
BENCHMARK(BM_ViewerStartToPicture)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_FehStartToPicture(benchmark::State& state) {
  TFixture& fixture = Fixture();
  if (!fixture.ready) return state.SkipWithError(fixture.problem.c_str());
  if (::access("/usr/bin/feh", X_OK) != 0)
    return state.SkipWithError("feh is not installed (scripts/install-deps.sh --bench)");
  long peak = 0;
  for (auto _ : state) {
    TChildProcess feh;
    const auto seconds = fixture.TimeToPicture(feh, {"/usr/bin/feh", fixture.folder / "photo.jpg"});
    if (!seconds) return state.SkipWithError("feh never showed the picture");
    state.SetIterationTime(*seconds);
    peak = std::max(peak, StatusKilobytes(feh.Pid(), "VmHWM"));
  }
  state.counters["peak_memory_kB"] = double(peak);
}
BENCHMARK(BM_FehStartToPicture)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Ten seconds of a card flashing its message, doing nothing else.
void BM_ViewerIdleWithFlashingMessage(benchmark::State& state) {
  TFixture& fixture = Fixture();
  if (!fixture.ready) return state.SkipWithError(fixture.problem.c_str());
  for (auto _ : state) {
    TChildProcess viewer;
    if (!fixture.TimeToPicture(viewer, {fixture.folder / "flashing.exe"}))
      return state.SkipWithError("the card never showed its picture");
    const long before = CpuTicks(viewer.Pid());
    std::this_thread::sleep_for(10s);
    const long used = CpuTicks(viewer.Pid()) - before;
    state.counters["cpu_percent"] = 100.0 * double(used) / double(::sysconf(_SC_CLK_TCK)) / 10.0;
    state.counters["peak_memory_kB"] = double(StatusKilobytes(viewer.Pid(), "VmHWM"));
  }
}
BENCHMARK(BM_ViewerIdleWithFlashingMessage)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace lumigram
