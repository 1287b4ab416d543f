// The optimised image against plain libjpeg on a 2000 x 1500 photograph-like
// picture (smooth colour gradients plus noise): ToBytes against one quality-90
// encode, FromBytes against one decode of the same JPEG. The argument is the
// noise amplitude: 12 makes the JPEG grow quickly with quality (the search
// stops at quality 30), 3 keeps it growing slowly (more qualities tried).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <time.h>

#include <jpeglib.h>

#include "imaging/jpeg/omi_search.h"
#include "imaging/jpeg/optimised_image.h"

namespace lumigram {
namespace {

constexpr int kWidth = 2000;
constexpr int kHeight = 1500;

TBitmap Photograph(int noise) {
  TBitmap picture;
  picture.SetSize(kWidth, kHeight);
  std::mt19937 random(2181);
  std::uniform_int_distribution<int> jitter(-noise, noise);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = picture.ScanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      const double fx = double(x) / kWidth;
      const double fy = double(y) / kHeight;
      const int base[3] = {int(60 + 150 * fx * fy), int(128 + 90 * std::cos(fy * 5 - fx)),
                           int(128 + 100 * std::sin(fx * 6 + fy * 2))};
      for (int c = 0; c < 3; ++c)
        row[3 * x + c] = uint8_t(std::clamp(base[c] + jitter(random), 0, 255));
    }
  }
  return picture;
}

const TBitmap& Picture(int noise) {
  static const TBitmap strong = Photograph(12);
  static const TBitmap gentle = Photograph(3);
  return noise == 12 ? strong : gentle;
}

// CPU time of every thread of the process: the work done, whatever else
// runs on the machine.
double ProcessCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// libjpeg as a plain program would call it: defaults, memory destination.
std::string PlainEncode(const TBitmap& picture, int quality) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(picture.Width());
  info.image_height = JDIMENSION(picture.Height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(picture.ScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

void PlainDecode(const std::string& jpeg, std::vector<uint8_t>& pixels) {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  const size_t stride = size_t(info.output_width) * info.output_components;
  pixels.resize(stride * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels.data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
}

void BM_PlainJpegEncodeQuality90(benchmark::State& state) {
  const TBitmap& picture = Picture(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(PlainEncode(picture, 90));
}
BENCHMARK(BM_PlainJpegEncodeQuality90)->Arg(12)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_OptimisedImageToBytes(benchmark::State& state) {
  TOptimisedImage image;
  image.Assign(Picture(int(state.range(0))));
  std::string bytes;
  const double cpuBefore = ProcessCpuMilliseconds();
  for (auto _ : state) {
    if (!image.ToBytes(bytes)) state.SkipWithError("ToBytes failed");
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["all_threads_cpu_ms"] =
      (ProcessCpuMilliseconds() - cpuBefore) / double(state.iterations());
  TOmiChoice choice;
  std::string error;
  ChooseOmiEncodingSequentially(image.Picture(), choice, error);
  state.SetLabel(std::string(choice.packed ? "BMP" : "JPG") + " stopping at quality " +
                 std::to_string(choice.quality));
}
BENCHMARK(BM_OptimisedImageToBytes)->Arg(12)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same choice one step after another on one thread, for comparison.
void BM_OptimisedImageChoiceSequential(benchmark::State& state) {
  const TBitmap& picture = Picture(int(state.range(0)));
  TOmiChoice choice;
  std::string error;
  for (auto _ : state) {
    if (!ChooseOmiEncodingSequentially(picture, choice, error)) state.SkipWithError("failed");
    benchmark::DoNotOptimize(choice);
  }
}
BENCHMARK(BM_OptimisedImageChoiceSequential)->Arg(12)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_PlainJpegDecode(benchmark::State& state) {
  TOptimisedImage image;
  image.Assign(Picture(int(state.range(0))));
  std::string bytes;
  image.ToBytes(bytes);
  // The JPEG inside: the last field of the file.
  const std::string jpeg = bytes.substr(bytes.find("\xFF\xD8\xFF"));
  std::vector<uint8_t> pixels;
  for (auto _ : state) {
    PlainDecode(jpeg, pixels);
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(BM_PlainJpegDecode)->Arg(12)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_OptimisedImageFromBytes(benchmark::State& state) {
  TOptimisedImage image;
  image.Assign(Picture(int(state.range(0))));
  std::string bytes;
  image.ToBytes(bytes);
  TOptimisedImage decoded;
  for (auto _ : state) {
    if (!decoded.FromBytes(bytes)) state.SkipWithError("FromBytes failed");
    benchmark::DoNotOptimize(decoded.Picture().ScanLine(0));
  }
}
BENCHMARK(BM_OptimisedImageFromBytes)->Arg(12)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumigram
