#include <benchmark/benchmark.h>

#include "bench_picture.h"
#include "core/color/color_wheel.h"
#include "core/color/gradients.h"

namespace tw {
namespace {

// The six strips of a changed color, each 105 × 5 as at 96 dpi.
void BM_PaintSixStrips(benchmark::State& state) {
  Picture strip(105, 5);
  int red = 0;
  for (auto _ : state) {
    red = (red + 37) & 0xFF;
    for (int varied = 0; varied < 3; ++varied) PaintRgbStrip(strip.view, varied, {red, 105, 225});
    for (int varied = 0; varied < 3; ++varied) PaintHsvStrip(strip.view, varied, {225, 181, red});
    benchmark::DoNotOptimize(strip.bytes.data());
  }
}
BENCHMARK(BM_PaintSixStrips);

// The wheel repainted for a new value, its hue and saturation map built.
void BM_PaintWheelForNewValue(benchmark::State& state) {
  const ColorWheel wheel(103, 103);
  Picture image(103, 103);
  int value = 0;
  for (auto _ : state) {
    value = (value + 1) & 0xFF;
    wheel.Paint(image.view, value);
    benchmark::DoNotOptimize(image.bytes.data());
  }
}
BENCHMARK(BM_PaintWheelForNewValue);

// Building the map, once per wheel size (at start and on a layout change).
void BM_BuildColorWheel(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ColorWheel(103, 103));
}
BENCHMARK(BM_BuildColorWheel);

}  // namespace
}  // namespace tw
