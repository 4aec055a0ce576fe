#include <cstddef>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/names/closest_color.h"
#include "core/names/color_list.h"
#include "core/names/color_sort.h"

namespace tw {
namespace {

struct Query {
  int red, green, blue;
};

// 100,000 random colors, the same on every run.
const std::vector<Query>& Queries() {
  static const std::vector<Query> queries = [] {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> channel(0, 255);
    std::vector<Query> q(100000);
    for (Query& c : q) c = {channel(random), channel(random), channel(random)};
    return q;
  }();
  return queries;
}

// The list as the window shows it by default: the extended table by name
// (range 0), or the HTML table (range 1).
NamedColors ShownList(const benchmark::State& state) {
  NamedColors colors = TableEntries(state.range(0) != 0);
  SortColors(colors, SortByName);
  return colors;
}

const char* ListLabel(const benchmark::State& state) {
  return state.range(0) != 0 ? "HTML, 139" : "extended, 1417";
}

// One iteration is one query, so the time per iteration is per closest match.
template <typename Find>
void TimeQueries(benchmark::State& state, Find find) {
  const std::vector<Query>& queries = Queries();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(find(queries[next]));
    next = next + 1 == queries.size() ? 0 : next + 1;
  }
  state.SetLabel(ListLabel(state));
}

void BM_ClosestColorGrid(benchmark::State& state) {
  const NamedColors colors = ShownList(state);
  const ClosestColorFinder finder(colors);
  TimeQueries(state, [&](const Query& q) { return finder.Find(-1, q.red, q.green, q.blue); });
}
BENCHMARK(BM_ClosestColorGrid)->Arg(0)->Arg(1);

// The baseline: the plain scan over every item.
void BM_ClosestColorScan(benchmark::State& state) {
  const NamedColors colors = ShownList(state);
  TimeQueries(state,
              [&](const Query& q) { return FindClosestColor(colors, -1, q.red, q.green, q.blue); });
}
BENCHMARK(BM_ClosestColorScan)->Arg(0)->Arg(1);

// What a rebuild of the list adds: building the grid once for the new order.
void BM_BuildClosestColorFinder(benchmark::State& state) {
  const NamedColors colors = ShownList(state);
  for (auto _ : state) benchmark::DoNotOptimize(ClosestColorFinder(colors));
  state.SetLabel(ListLabel(state));
}
BENCHMARK(BM_BuildClosestColorFinder)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Filling and sorting the working array, per order.
void BM_FillAndSort(benchmark::State& state) {
  const auto order = static_cast<int>(state.range(0));
  for (auto _ : state) {
    NamedColors colors = TableEntries(false);
    SortColors(colors, order);
    benchmark::DoNotOptimize(colors.data());
  }
  state.SetLabel("extended, 1417");
}
BENCHMARK(BM_FillAndSort)->DenseRange(SortByName, SortByBrightness)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tw
