// Shading: the light level at the sample, its curve weight, and the Dark/Lit blend.
#include "frame/AboutValues.h"
#include "frame/LightLevel.h"
#include "penumbrix/Penumbrix.h"

inline float Penumbrix::CurveWeight(ShadeContext& sc) {
  if (gbufID != 0) sc.SetGBufferID(gbufID);
  Point3 normal = sc.Normal();
  const float level = LightLevel(sc, normal);
  // The table comes first: its rebuild may widen highThreshold, and every sample of one
  // Update must normalise against the same thresholds, whichever thread rebuilt it.
  EnsureCurveTable();
  return curveTable[CurveIndex(NormalisedLevel(level, lowThreshold, highThreshold))];
}

// Each branch finishes its own result: merging the sides' values across the branches first
// made the compiler reassemble them through memory, which stalled the Dark-only map path.
AColor Penumbrix::EvalColor(ShadeContext& sc) {
  const float f = CurveWeight(sc);
  const float scale = Scale(f);
  auto side = [&](int i) { return MapSide(i) ? subTex[i]->EvalColor(sc) : AColor(colors[i], 1.0f); };
  auto output = [&](const AColor& c) { return texout != nullptr ? texout->Filter(c) : c; };
  if (f >= kLitOnlyWeight) return output(side(kLit) * scale);
  if (f > kDarkOnlyWeight) {
    const AColor dark = side(kDark);
    const AColor lit = side(kLit);
    return output((lit * f + dark * (1.0f - f)) * scale);
  }
  return output(side(kDark) * scale);
}

float Penumbrix::EvalMono(ShadeContext& sc) {
  const float f = CurveWeight(sc);
  const float third = FloatFromBits(0x3EAAAAABu);
  auto side = [&](int i) {
    if (MapSide(i)) return subTex[i]->EvalMono(sc);
    const Color& c = colors[i];
    return ((c.g + c.r) + c.b) * third;
  };
  float v;
  if (f >= kLitOnlyWeight) {
    v = side(kLit);
  } else if (f > kDarkOnlyWeight) {
    const float dark = side(kDark);
    const float lit = side(kLit);
    v = dark * (1.0f - f) + lit * f;
  } else {
    v = side(kDark);
  }
  v *= Scale(f);
  return texout != nullptr ? texout->Filter(v) : v;
}

Point3 Penumbrix::EvalNormalPerturb(ShadeContext& sc) {
  const float f = CurveWeight(sc);
  auto side = [&](int i) { return MapSide(i) ? subTex[i]->EvalNormalPerturb(sc) : Point3(0.0f, 0.0f, 0.0f); };
  Point3 p;
  if (f >= kLitOnlyWeight) {
    p = side(kLit);
  } else if (f > kDarkOnlyWeight) {
    const Point3 dark = side(kDark);
    const Point3 lit = side(kLit);
    p = lit * f + dark * (1.0f - f);
  } else {
    p = side(kDark);
  }
  p *= Scale(f);
  return texout != nullptr ? texout->Filter(p) : p;
}
