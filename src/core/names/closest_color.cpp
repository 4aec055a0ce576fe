#include "core/names/closest_color.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace tw {

namespace {

// The grid splits each channel into kCellsPerAxis runs of kCellWidth values.
constexpr int kCellBits = 5;
constexpr int kCellWidth = 1 << kCellBits;
constexpr int kCellsPerAxis = 256 / kCellWidth;
constexpr int kCellCount = kCellsPerAxis * kCellsPerAxis * kCellsPerAxis;
// 255 squared: the list only takes an entry strictly closer than 255.
constexpr int kMaxDistanceSquared = 255 * 255;

int CellOf(int red, int green, int blue) {
  return ((red >> kCellBits) * kCellsPerAxis + (green >> kCellBits)) * kCellsPerAxis +
         (blue >> kCellBits);
}

// Squared distances from a channel value to the nearest and the farthest
// value of each run, laid out run by run: toNearest[run * n + item]. (Not
// "near" and "far": the Windows headers define those as macros.)
struct AxisDistances {
  std::vector<int> toNearest, toFarthest;
};

AxisDistances DistancesToRuns(const std::vector<NamedColor>& items, int (*channel)(TColor)) {
  const std::size_t n = items.size();
  AxisDistances d{std::vector<int>(kCellsPerAxis * n), std::vector<int>(kCellsPerAxis * n)};
  for (int run = 0; run < kCellsPerAxis; ++run) {
    const int lo = run * kCellWidth, hi = lo + kCellWidth - 1;
    for (std::size_t i = 0; i < n; ++i) {
      const int v = channel(items[i].value);
      const int nearest = v < lo ? lo - v : (v > hi ? v - hi : 0);
      const int farthest = std::max(v - lo, hi - v);
      d.toNearest[run * n + i] = nearest * nearest;
      d.toFarthest[run * n + i] = farthest * farthest;
    }
  }
  return d;
}

}  // namespace

int FindClosestColor(std::span<const NamedColor> items, int selected, int red, int green,
                     int blue) {
  int best = selected;
  double bestDistance = 255.0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const TColor v = items[i].value;
    const double dr = static_cast<double>(RedOf(v)) - red;
    const double dg = static_cast<double>(GreenOf(v)) - green;
    const double db = static_cast<double>(BlueOf(v)) - blue;
    const double d = std::sqrt(dr * dr + dg * dg + db * db);
    if (d < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = d;
    }
  }
  return best;
}

// A cell keeps every entry that could be the nearest to some color in it: an
// entry whose nearest point of the cell lies farther than the farthest point
// of the cell lies from some other entry is beaten strictly everywhere in the
// cell, so it can be neither the nearest nor a tie. Candidates stay in list
// order, so the first of equally near ones still wins. Integer squared
// distances order exactly as the scan's square roots do: distinct sums up to
// 3 * 255^2 have roots far more than one rounding step apart.
ClosestColorFinder::ClosestColorFinder(std::span<const NamedColor> items)
    : items_(items.begin(), items.end()) {
  const std::size_t n = items_.size();
  const AxisDistances red = DistancesToRuns(items_, RedOf);
  const AxisDistances green = DistancesToRuns(items_, GreenOf);
  const AxisDistances blue = DistancesToRuns(items_, BlueOf);
  cellStart_.reserve(kCellCount + 1);
  for (int cell = 0; cell < kCellCount; ++cell) {
    cellStart_.push_back(static_cast<std::uint32_t>(candidates_.size()));
    const std::size_t r = cell / (kCellsPerAxis * kCellsPerAxis) * n;
    const std::size_t g = cell / kCellsPerAxis % kCellsPerAxis * n;
    const std::size_t b = cell % kCellsPerAxis * n;
    int bound = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < n; ++i) {
      bound =
          std::min(bound, red.toFarthest[r + i] + green.toFarthest[g + i] + blue.toFarthest[b + i]);
    }
    for (std::size_t i = 0; i < n; ++i) {
      if (red.toNearest[r + i] + green.toNearest[g + i] + blue.toNearest[b + i] > bound) continue;
      const TColor v = items_[i].value;
      candidates_.push_back({static_cast<std::int32_t>(i), static_cast<std::uint8_t>(RedOf(v)),
                             static_cast<std::uint8_t>(GreenOf(v)),
                             static_cast<std::uint8_t>(BlueOf(v))});
    }
  }
  cellStart_.push_back(static_cast<std::uint32_t>(candidates_.size()));
}

int ClosestColorFinder::Find(int selected, int red, int green, int blue) const {
  if (red < 0 || red > 255 || green < 0 || green > 255 || blue < 0 || blue > 255) {
    return FindClosestColor(items_, selected, red, green, blue);
  }
  const int cell = CellOf(red, green, blue);
  int best = selected;
  int bestSquared = kMaxDistanceSquared;
  for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
    const Candidate& c = candidates_[k];
    const int dr = c.Red - red, dg = c.Green - green, db = c.Blue - blue;
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestSquared) {
      best = c.index;
      bestSquared = d;
    }
  }
  return best;
}

}  // namespace tw
