// The transition curve and its lazily built table.
#include <array>
#include <thread>

#include "penumbrix/Penumbrix.h"

namespace {
// The table's arguments: 0, then 0.0001 added in single precision entry by entry, so they
// drift from i × 0.0001 (to about 1.0000535 at the end). They depend on nothing else, so they
// are summed once, at compile time, and the rebuild need not wait on the running sum.
constexpr std::array<float, kCurveTableSize> AccumulatedArguments() {
  std::array<float, kCurveTableSize> args{};
  float x = 0.0f;
  for (int i = 0; i < kCurveTableSize; ++i) {
    args[static_cast<std::size_t>(i)] = x;
    x += kCurveTableStep;
  }
  return args;
}
constexpr std::array<float, kCurveTableSize> kCurveArguments = AccumulatedArguments();
}  // namespace

float Penumbrix::CurveValue(float x) {
  const float lo = lowThreshold;
  const float hi = highThreshold;
  // Equal thresholds are pulled apart in the member only; x has been limited to the old one.
  if (lo == hi) highThreshold = lo + kThresholdWidening;
  return CurveAt(x, lo, hi, highThreshold, {curveDark, curveControl1, curveControl2, curveLit});
}

void Penumbrix::FillCurveTable() {
  // The first entry may widen the thresholds; from then on they stay as they are, so the
  // rest of the table is the same pure function of the accumulated argument.
  curveTable[0] = CurveValue(kCurveArguments[0]);
  const float lo = lowThreshold;
  const float hi = highThreshold;
  const CurveValues values{curveDark, curveControl1, curveControl2, curveLit};
  for (std::size_t i = 1; i < kCurveArguments.size(); ++i)
    curveTable[i] = CurveAt(kCurveArguments[i], lo, hi, hi, values);
}

void Penumbrix::BuildCurveTable() {
  FillCurveTable();
  curveTableState.store(kTableCurrent, std::memory_order_release);
}

// Render threads may all find the table stale right after Update. Exactly one claims the
// rebuild; the others wait for it rather than compute their entry themselves, because they
// normalise against highThreshold, which the rebuild may be widening. The wait happens once
// per staleness, for the few microseconds a rebuild takes, and neither locks nor allocates.
void Penumbrix::RebuildStaleCurveTable() {
  int expected = kTableStale;
  if (curveTableState.compare_exchange_strong(expected, kTableBuilding, std::memory_order_acquire)) {
    BuildCurveTable();
    return;
  }
  while (curveTableState.load(std::memory_order_acquire) != kTableCurrent) std::this_thread::yield();
}
