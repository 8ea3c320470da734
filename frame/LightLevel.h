#pragma once
// How strongly a shading sample is lit: one definition for every plug-in that measures it.
// Defined here so that it inlines into each shading call: it runs once per sample.
#include "frame/AboutValues.h"
#include "host/ShadeContext.h"

// Over the sample's lights in index order, the lights that reach it with a diffuse weight
// above 0 add colour × weight per channel; the level is |(r + g + b) × 0.33333334|.
// `normal` is passed to each light's Illuminate.
inline float LightLevel(ShadeContext& sc, Point3& normal) {
  // The single-precision third, multiplied rather than divided by 3.
  const float kThird = FloatFromBits(0x3EAAAAABu);
  float sumR = 0.0f;
  float sumG = 0.0f;
  float sumB = 0.0f;
  for (int i = 0; i < sc.nLights; ++i) {
    LightDesc* light = sc.Light(i);
    Color color(0.0f, 0.0f, 0.0f);
    Point3 dir;
    float dotNL = 0.0f;
    float diffuseCoef = 0.0f;
    if (light->Illuminate(sc, normal, color, dir, dotNL, diffuseCoef) && diffuseCoef > 0.0f) {
      sumR += color.r * diffuseCoef;
      sumG += color.g * diffuseCoef;
      sumB += color.b * diffuseCoef;
    }
  }
  float level = (sumR + sumG + sumB) * kThird;
  if (!(level >= 0.0f)) level = -level;
  return level;
}
