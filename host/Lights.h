#pragma once
// Concrete lights and shade contexts of the stand-in renderer, also used by the tests.
#include "host/ShadeContext.h"

// Answers whether the way from `point` towards the light is blocked within `maxDistance`.
// Supplied by the renderer; `scene` is its own data. Must not allocate or lock.
using ShadowTest = bool (*)(const void* scene, const Point3& point, const Point3& towardsLight, float maxDistance);

class HOSTAPI OmniLight : public LightDesc {
public:
  Point3 position;
  Color color{1.0f, 1.0f, 1.0f};
  float multiplier = 1.0f;
  ShadowTest shadowTest = nullptr;
  const void* shadowScene = nullptr;
  // FALSE in shadow. Otherwise colour × multiplier arrives, with diffuseCoef = N·L (may be <= 0).
  BOOL Illuminate(ShadeContext& sc, Point3& normal, Color& color, Point3& dir, float& dot_nl,
                  float& diffuseCoef) override;
};

class HOSTAPI DirectLight : public LightDesc {
public:
  Point3 direction{0.0f, 0.0f, -1.0f};  // the way the light travels
  Color color{1.0f, 1.0f, 1.0f};
  float multiplier = 1.0f;
  ShadowTest shadowTest = nullptr;
  const void* shadowScene = nullptr;
  BOOL Illuminate(ShadeContext& sc, Point3& normal, Color& color, Point3& dir, float& dot_nl,
                  float& diffuseCoef) override;
};

// A light that answers fixed values, for tests: `reaches`, `color` and `diffuseCoef`.
class HOSTAPI FixedLight : public LightDesc {
public:
  FixedLight() = default;
  FixedLight(const Color& c, float coef, BOOL reaches = TRUE) : reaches(reaches), color(c), diffuseCoef(coef) {}
  BOOL reaches = TRUE;
  Color color{1.0f, 1.0f, 1.0f};
  float diffuseCoef = 1.0f;
  Point3 direction{0.0f, 0.0f, 1.0f};
  int calls = 0;
  BOOL Illuminate(ShadeContext& sc, Point3& normal, Color& color, Point3& dir, float& dot_nl,
                  float& diffuseCoef) override;
};

// A shade context built field by field, as the renderer and the tests fill it. It holds up to
// kMaxLights lights without allocating, and counts the queries made of it.
class HOSTAPI SampleShadeContext : public ShadeContext {
public:
  static constexpr int kMaxLights = 16;
  LightDesc* lights[kMaxLights] = {};
  TimeValue time = 0;
  Point3 barycentric{1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f};
  Point3 normal{0.0f, 0.0f, 1.0f};
  Point3 view{0.0f, 0.0f, -1.0f};
  Point3 point;
  int barycentricQueries = 0;
  int gbufferCalls = 0;

  void AddLight(LightDesc* light);  // ignored past kMaxLights
  void ClearLights();

  LightDesc* Light(int n) override;
  TimeValue CurTime() override;
  Point3 BarycentricCoords() override;
  Point3 Normal() override;
  void SetNormal(const Point3& n) override;
  Point3 V() override;
  Point3 P() override;
  void SetGBufferID(int id) override;
};
