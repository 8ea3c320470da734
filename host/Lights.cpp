// Lights and the sample shade context of the stand-in renderer. Illuminate runs once per light
// and sample: it neither allocates nor locks.
#include "host/Lights.h"

#include <limits>

namespace {

// The common end of Illuminate once the way towards the light is known. A sample in shadow
// gets nothing; otherwise colour x multiplier arrives with the cosine of the incidence angle
// as its diffuse weight, negative when the light is behind the surface.
BOOL Arrive(ShadeContext& sc, const Point3& normal, const Point3& towardsLight, float distance,
            const Color& lightColor, float multiplier, ShadowTest shadowTest, const void* shadowScene,
            Color& color, Point3& dir, float& dot_nl, float& diffuseCoef) {
  dir = towardsLight;
  dot_nl = normal % towardsLight;
  if (shadowTest != nullptr && shadowTest(shadowScene, sc.P(), towardsLight, distance)) {
    color.Black();
    diffuseCoef = 0.0f;
    return FALSE;
  }
  color = lightColor * multiplier;
  diffuseCoef = dot_nl;
  return TRUE;
}

// No light arrives from a light that has no direction towards the point.
BOOL NoDirection(Color& color, Point3& dir, float& dot_nl, float& diffuseCoef) {
  color.Black();
  dir = Point3();
  dot_nl = 0.0f;
  diffuseCoef = 0.0f;
  return FALSE;
}

}  // namespace

BOOL OmniLight::Illuminate(ShadeContext& sc, Point3& normal, Color& color, Point3& dir, float& dot_nl,
                           float& diffuseCoef) {
  const Point3 toLight = position - sc.P();
  const float distance = Length(toLight);
  // A point on the light itself has no direction towards it.
  if (!(distance > 0.0f)) return NoDirection(color, dir, dot_nl, diffuseCoef);
  return Arrive(sc, normal, toLight / distance, distance, this->color, multiplier, shadowTest, shadowScene,
                color, dir, dot_nl, diffuseCoef);
}

BOOL DirectLight::Illuminate(ShadeContext& sc, Point3& normal, Color& color, Point3& dir, float& dot_nl,
                             float& diffuseCoef) {
  const float length = Length(direction);
  if (!(length > 0.0f)) return NoDirection(color, dir, dot_nl, diffuseCoef);
  return Arrive(sc, normal, -direction / length, std::numeric_limits<float>::infinity(), this->color,
                multiplier, shadowTest, shadowScene, color, dir, dot_nl, diffuseCoef);
}

// Writes its values even when it does not reach, so a caller that ignores the answer shows it.
BOOL FixedLight::Illuminate(ShadeContext& /*sc*/, Point3& normal, Color& color, Point3& dir, float& dot_nl,
                            float& diffuseCoef) {
  ++calls;
  color = this->color;
  dir = direction;
  dot_nl = normal % direction;
  diffuseCoef = this->diffuseCoef;
  return reaches;
}

// Emitted here so that the Windows build exports it: code outside the host library that takes its
// address (a reference binding in a test's comparison) imports it from the host.
constexpr int SampleShadeContext::kMaxLights;

void SampleShadeContext::AddLight(LightDesc* light) {
  if (nLights < 0) nLights = 0;
  if (nLights >= kMaxLights) return;
  lights[nLights++] = light;
}

void SampleShadeContext::ClearLights() {
  for (LightDesc*& light : lights) light = nullptr;
  nLights = 0;
}

// nLights is a public field: an index it allows but the table does not hold answers null.
LightDesc* SampleShadeContext::Light(int n) {
  if (n < 0 || n >= nLights || n >= kMaxLights) return nullptr;
  return lights[n];
}

TimeValue SampleShadeContext::CurTime() { return time; }

Point3 SampleShadeContext::BarycentricCoords() {
  ++barycentricQueries;
  return barycentric;
}

Point3 SampleShadeContext::Normal() { return normal; }
void SampleShadeContext::SetNormal(const Point3& n) { normal = n; }
Point3 SampleShadeContext::V() { return view; }
Point3 SampleShadeContext::P() { return point; }

void SampleShadeContext::SetGBufferID(int id) {
  ++gbufferCalls;
  out.gbufId = id;
}
