// Per-sample evaluation of the wire map. Runs on render threads: reads the block, writes nothing.
#include "filamesh/Filamesh.h"
#include "filamesh/FilameshParams.h"
#include "frame/AboutValues.h"
#include "host/CoreInterface.h"

namespace {

// The single-precision value nearest one third.
const float kOneThird = FloatFromBits(0x3EAAAAABu);

}  // namespace

AColor Filamesh::EvalColor(ShadeContext& sc) {
  if (!paramBlock) return AColor(kDefaultCenterColor, 1.0f);
  const TimeValue t = sc.CurTime();
  Interval scratch = FOREVER;
  float width = 0.0f;
  paramBlock->GetValue(kWidthParam, t, width, scratch);
  const float half = width * 0.5f;
  // Strict tests, each on a fresh query, stopping at the first that holds. NaN never holds.
  const bool onWire =
      half > sc.BarycentricCoords().x || half > sc.BarycentricCoords().y || half > sc.BarycentricCoords().z;
  Color color;
  scratch = FOREVER;
  paramBlock->GetValue(onWire ? kWireColorParam : kCenterColorParam, t, color, scratch);
  return AColor(color, 1.0f);
}

float Filamesh::EvalMono(ShadeContext& sc) {
  const AColor c = EvalColor(sc);
  return (c.r + c.g + c.b) * kOneThird;
}

Point3 Filamesh::EvalNormalPerturb(ShadeContext& sc) { return Point3(0.0f, 0.0f, 0.0f); }

ULONG Filamesh::LocalRequirements(int subMtlNum) {
  if (!paramBlock) return 0;
  // The application's current time, not the time being rendered.
  const TimeValue t = GetCOREInterface()->GetTime();
  Interval scratch = FOREVER;
  int superSample = 0;
  paramBlock->GetValue(kSuperSampleParam, t, superSample, scratch);
  return superSample != 0 ? MTLREQ_SUPERSAMPLE : 0;
}
