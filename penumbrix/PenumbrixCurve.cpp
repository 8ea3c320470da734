// The transition curve and its lazily built table.
#include <thread>

#include "penumbrix/Penumbrix.h"

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
  curveTable[0] = CurveValue(0.0f);
  const float lo = lowThreshold;
  const float hi = highThreshold;
  const CurveValues values{curveDark, curveControl1, curveControl2, curveLit};
  float x = kCurveTableStep;
  for (int i = 1; i < kCurveTableSize; ++i) {
    curveTable[i] = CurveAt(x, lo, hi, hi, values);
    x += kCurveTableStep;
  }
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

float Penumbrix::LookupCurve(float e) {
  EnsureCurveTable();
  return curveTable[CurveIndex(e)];
}
