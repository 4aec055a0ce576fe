#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/sampling/color_averaging.h"
#include "core/sampling/crosshair.h"
#include "core/sampling/magnifier_geometry.h"
#include "core/sampling/magnifier_picture.h"
#include "bench_picture.h"

namespace tw {
namespace {

constexpr int kPictureWidth = 165;  // the magnifier's picture at 96 dpi
constexpr int kPictureHeight = 132;

// The 5 × 5 block straddling two monitors, so both the sums and the monitor
// test are on the measured path.
void BM_AverageColor5x5(benchmark::State& state) {
  Picture block(5, 5);
  const ScreenRect monitors[] = {{-1280, 0, 1280, 1024}, {0, 0, 1920, 1080}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(AverageColor(block.view, -2, 1020, monitors));
  }
}
BENCHMARK(BM_AverageColor5x5);

// One tick's enlargement of the capture onto the default picture, by zoom.
void BM_StretchPixels(benchmark::State& state) {
  const int zoom = static_cast<int>(state.range(0));
  Picture capture(kPictureWidth / zoom, kPictureHeight / zoom);
  Picture magnified(kPictureWidth, kPictureHeight);
  for (auto _ : state) {
    StretchPixels(capture.view, magnified.view);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StretchPixels)->Arg(1)->Arg(5)->Arg(20);

// Geometry plus inversion; style 1 is the cross, 2 the rectangle.
void BM_DrawCrosshair(benchmark::State& state) {
  const int style = static_cast<int>(state.range(0));
  Picture magnified(kPictureWidth, kPictureHeight);
  for (auto _ : state) {
    DrawCrosshair(magnified.view, style, 20);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawCrosshair)->Arg(1)->Arg(2);

}  // namespace
}  // namespace tw
