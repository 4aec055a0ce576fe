#include <iterator>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/color/color_code_parsing.h"
#include "core/color/color_codes.h"

namespace tw {
namespace {

constexpr TColor kSampleColors[] = {MakeColor(18, 52, 86),    MakeColor(171, 205, 239),
                                    MakeColor(255, 0, 1),     MakeColor(65, 105, 225),
                                    MakeColor(128, 128, 128), MakeColor(200, 195, 0)};
constexpr int kSampleCount = static_cast<int>(std::size(kSampleColors));

// One iteration formats one color in one notation, so the figure is per call.
void BM_FormatColorCode(benchmark::State& state) {
  const auto notation = static_cast<int>(state.range(0));
  int next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatColorCode(notation, kSampleColors[next], false));
    next = (next + 1) % kSampleCount;
  }
  state.SetLabel(std::string(kNotationNames[notation]));
}
BENCHMARK(BM_FormatColorCode)->DenseRange(0, kNotationCount - 1);

void BM_ParseColorCode(benchmark::State& state) {
  const auto notation = static_cast<int>(state.range(0));
  std::vector<std::string> codes;
  for (const TColor color : kSampleColors) codes.push_back(FormatColorCode(notation, color, false));
  int next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseColorCode(notation, codes[next]));
    next = (next + 1) % kSampleCount;
  }
  state.SetLabel(std::string(kNotationNames[notation]));
}
BENCHMARK(BM_ParseColorCode)->DenseRange(0, kNotationCount - 1);

}  // namespace
}  // namespace tw
