// A card with a 1024 x 768 photograph, a 30-second WAV and a message:
// writing and reading its data, and composing it after a message change,
// against decoding its picture alone. Loading as the viewer does includes
// unpacking, decoding the picture and the message bitmap, and composing.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include <zlib.h>

#include "card/card_data.h"
#include "card/headless_card_platform.h"
#include "card/lumigram.h"
#include "imaging/jpeg/optimised_image.h"
#include "storage/pack_string.h"
#include "util/fields.h"

namespace lumigram {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kSampleRate = 44100;
constexpr int kSeconds = 30;

TBitmap Photograph() {
  TBitmap picture;
  picture.SetSize(kWidth, kHeight);
  std::mt19937 random(2181);
  std::uniform_int_distribution<int> jitter(-8, 8);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = picture.ScanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      const double fx = double(x) / kWidth, fy = double(y) / kHeight;
      const int base[3] = {int(60 + 150 * fx * fy), int(128 + 90 * std::cos(fy * 5 - fx)),
                           int(128 + 100 * std::sin(fx * 6 + fy * 2))};
      for (int c = 0; c < 3; ++c)
        row[3 * x + c] = uint8_t(std::clamp(base[c] + jitter(random), 0, 255));
    }
  }
  return picture;
}

void Put16(std::string& s, int v) {
  s += char(v & 0xFF);
  s += char((v >> 8) & 0xFF);
}
void Put32(std::string& s, uint32_t v) {
  Put16(s, int(v & 0xFFFF));
  Put16(s, int(v >> 16));
}

// 16-bit stereo: two tones with a little noise, as recorded sound compresses.
std::string Wave() {
  const uint32_t samples = kSampleRate * kSeconds;
  const uint32_t bytes = samples * 4;
  std::string wav = "RIFF";
  Put32(wav, 36 + bytes);
  wav += "WAVEfmt ";
  Put32(wav, 16);
  Put16(wav, 1);
  Put16(wav, 2);
  Put32(wav, kSampleRate);
  Put32(wav, kSampleRate * 4);
  Put16(wav, 4);
  Put16(wav, 16);
  wav += "data";
  Put32(wav, bytes);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> noise(-300, 300);
  for (uint32_t i = 0; i < samples; ++i) {
    const double t = double(i) / kSampleRate;
    const int left = int(9000 * std::sin(2 * M_PI * 440 * t) + noise(random));
    const int right = int(7000 * std::sin(2 * M_PI * 554.37 * t) + noise(random));
    Put16(wav, left);
    Put16(wav, right);
  }
  return wav;
}

struct TBenchCard {
  TBenchCard() : card(platform, TCardWindowKind::Embedded) {
    TOptimisedImage image;
    image.Assign(Photograph());
    image.ToBytes(picture);
    TLumigramInfo& info = card.Info();
    info.Picture = picture;
    info.Sound = Wave();
    info.SoundType = "WAV";
    info.Link = "http://example.com/greetings";
    info.Message = {"Happy birthday,", "dear Ann!", "From all of us"};
    info.Font.Name = "DejaVu Sans";
    info.Font.Height = -36;
    info.Font.Color = RGB(255, 240, 0);
    info.HAlign = kAlignCentre;
    info.VAlign = kAlignCentre;
    info.Flash = true;
    card.Refresh(true);
    std::string sound = std::move(info.Sound);
    card.SaveToString(silent);
    info.Sound = std::move(sound);
    info.SoundType = "WAV";
    card.SaveToString(data);
  }
  THeadlessCardPlatform platform;
  TLumigram card;
  std::string picture;
  std::string data;
  std::string silent;  // the same card without its sound
};

TBenchCard& Bench() {
  static TBenchCard bench;
  return bench;
}

void BM_DecodePicture(benchmark::State& state) {
  const std::string& picture = Bench().picture;
  for (auto _ : state) {
    TOptimisedImage image;
    benchmark::DoNotOptimize(image.FromBytes(picture));
  }
  state.counters["picture_bytes"] = double(picture.size());
}

void BM_SaveToString(benchmark::State& state) {
  TLumigram& card = Bench().card;
  std::string data;
  for (auto _ : state) benchmark::DoNotOptimize(card.SaveToString(data));
  state.counters["card_bytes"] = double(data.size());
}

// The viewer's load: unpack, read, decode picture and message bitmap,
// compose; with the sound (1) or without (0).
void BM_LoadFromStringViewer(benchmark::State& state) {
  const std::string& data = state.range(0) ? Bench().data : Bench().silent;
  THeadlessCardPlatform platform;
  TLumigram viewer(platform, TCardWindowKind::Standalone);
  for (auto _ : state) benchmark::DoNotOptimize(viewer.LoadFromString(data));
}

// The editor's load: the same without the message bitmap, the message drawn.
void BM_LoadFromStringEditor(benchmark::State& state) {
  const std::string& data = Bench().data;
  THeadlessCardPlatform platform;
  TLumigram editor(platform, TCardWindowKind::Embedded);
  for (auto _ : state) benchmark::DoNotOptimize(editor.LoadFromString(data));
}

// Only the unpacking of the body, the part of loading that is neither
// decoding nor drawing.
void BM_UnpackBody(benchmark::State& state) {
  const std::string& data = Bench().data;
  for (auto _ : state) {
    std::string body = data.substr(6), error;
    benchmark::DoNotOptimize(UnpackString(body, error, kMaxCardBodyBytes));
  }
}

// zlib alone on the same body, into a buffer of the right size in one call:
// the least any loading can cost, with the sound (1) or without (0).
void BM_InflateBodyRaw(benchmark::State& state) {
  const std::string& data = state.range(0) ? Bench().data : Bench().silent;
  size_t offset = 0;
  std::string_view packed;
  ReadFieldView(std::string_view(data).substr(6), offset, packed);
  std::string body = data.substr(6), error;
  UnpackString(body, error, kMaxCardBodyBytes);
  std::string out(body.size(), '\0');
  for (auto _ : state) {
    uLongf size = uLongf(out.size());
    benchmark::DoNotOptimize(uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                                        reinterpret_cast<const Bytef*>(packed.data()),
                                        uLong(packed.size())));
  }
  state.counters["body_bytes"] = double(body.size());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(body.size()));
}

void BM_ComposeAfterMessageChange(benchmark::State& state) {
  TLumigram& card = Bench().card;
  int n = 0;
  for (auto _ : state) {
    card.Info().Message[1] = (++n % 2) ? "dear Ann!" : "dear Bob!";
    card.Info().State.MessageDirty = true;
    card.Compose();
  }
}

BENCHMARK(BM_DecodePicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToString)->Unit(benchmark::kMillisecond);
// Loading decodes the picture on a worker: wall time, and the CPU time of
// every thread.
BENCHMARK(BM_LoadFromStringViewer)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_LoadFromStringEditor)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_UnpackBody)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InflateBodyRaw)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeAfterMessageChange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumigram
