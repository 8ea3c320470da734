#pragma once
// The arithmetic of the transition curve, in single precision and in a fixed order so that
// every build rounds each step the same way. The map keeps the values and the table.

constexpr int kCurveTableSize = 10000;
// The table's argument step, accumulated entry by entry.
constexpr float kCurveTableStep = 0.0001f;
// How far equal thresholds are pulled apart so the curve never divides by zero.
constexpr float kThresholdWidening = 0.001f;
// The highest normalised level a sample can have.
constexpr float kTopLevel = 0.9999f;
// Curve weights at or beyond these evaluate one side only.
constexpr float kLitOnlyWeight = 0.9999f;
constexpr float kDarkOnlyWeight = 0.0001f;

struct CurveValues {
  float dark;
  float control1;
  float control2;
  float lit;
};

// The Bézier curve at absolute level x over [lo, hi], clamped to [0, 1]. `clampHigh` is the
// upper threshold x is limited to; `spanHigh` the one the span is measured to (they differ
// only on the call that widens equal thresholds).
inline float CurveAt(float x, float lo, float clampHigh, float spanHigh, const CurveValues& v) {
  float xc = x;
  if (lo > xc) xc = lo;
  if (!(xc < clampHigh)) xc = clampHigh;
  const float t = (xc - lo) / (spanHigh - lo);
  const float t2 = t * t;
  const float t3 = t2 * t;
  const float b0 = ((3.0f * t2 - t3) - 3.0f * t) + 1.0f;
  const float b1 = (3.0f * t3 - 6.0f * t2) + 3.0f * t;
  const float b2 = 3.0f * t2 - 3.0f * t3;
  float y = ((b1 * v.control1 + b0 * v.dark) + b2 * v.control2) + t3 * v.lit;
  // Written so that a NaN (thresholds too large to widen) comes out as 0, not as NaN.
  y = y > 0.0f ? y : 0.0f;
  y = y < 1.0f ? y : 1.0f;
  return y;
}

// The table entry a normalised level reads: truncated toward zero, kept inside the table.
inline int CurveIndex(float e) {
  const float scaled = e * 10000.0f;
  if (!(scaled > 0.0f)) return 0;
  if (scaled >= static_cast<float>(kCurveTableSize - 1)) return kCurveTableSize - 1;
  return static_cast<int>(scaled);
}

// The light level normalised against the thresholds, 0 ... kTopLevel.
inline float NormalisedLevel(float level, float lo, float hi) {
  if (level <= lo) return 0.0f;
  if (level >= hi) return kTopLevel;
  const float span = hi - lo;
  return span != 0.0f ? (level - lo) / span : 0.0f;
}
