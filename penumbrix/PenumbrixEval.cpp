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

// A side's colour: its map's, or its flat colour with alpha 1.
inline AColor Penumbrix::SideColor(ShadeContext& sc, int i) {
  return MapSide(i) ? subTex[i]->EvalColor(sc) : AColor(colors[i], 1.0f);
}

// Each branch hands its own result straight to Filter and returns Filter's answer as it
// comes. One value merged across the branches, or a check for the Output object inside them,
// made the compiler pass the colours through memory, which stalled every path.
AColor Penumbrix::EvalColor(ShadeContext& sc) {
  const float f = CurveWeight(sc);
  if (texout == nullptr) return UnfilteredColor(sc, f);
  const float scale = Scale(f);
  if (f >= kLitOnlyWeight) return texout->Filter(SideColor(sc, kLit) * scale);
  if (f > kDarkOnlyWeight) {
    const AColor dark = SideColor(sc, kDark);
    const AColor lit = SideColor(sc, kLit);
    return texout->Filter((lit * f + dark * (1.0f - f)) * scale);
  }
  return texout->Filter(SideColor(sc, kDark) * scale);
}

// Only a damaged scene leaves the map without its Output object; the blend then goes out as is.
AColor Penumbrix::UnfilteredColor(ShadeContext& sc, float f) {
  const float scale = Scale(f);
  if (f >= kLitOnlyWeight) return SideColor(sc, kLit) * scale;
  if (f > kDarkOnlyWeight) {
    const AColor dark = SideColor(sc, kDark);
    const AColor lit = SideColor(sc, kLit);
    return (lit * f + dark * (1.0f - f)) * scale;
  }
  return SideColor(sc, kDark) * scale;
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
