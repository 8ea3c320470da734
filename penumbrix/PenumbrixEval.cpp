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

AColor Penumbrix::EvalColor(ShadeContext& sc) {
  const float f = CurveWeight(sc);
  auto side = [&](int i) { return MapSide(i) ? subTex[i]->EvalColor(sc) : AColor(colors[i], 1.0f); };
  AColor c;
  if (f >= kLitOnlyWeight) {
    c = side(kLit);
  } else if (f > kDarkOnlyWeight) {
    const AColor dark = side(kDark);
    const AColor lit = side(kLit);
    c = lit * f + dark * (1.0f - f);
  } else {
    c = side(kDark);
  }
  c *= Scale(f);
  if (texout != nullptr) return texout->Filter(c);
  return c;
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
