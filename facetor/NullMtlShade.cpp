// The probe's shade. Runs on render threads: reads gbufID, writes only the sample's colour.
#include "facetor/NullMtl.h"
#include "frame/LightLevel.h"

void NullMtl::Shade(ShadeContext& sc) {
  if (gbufID != 0) sc.SetGBufferID(gbufID);
  Point3 normal = sc.Normal();
  const float level = LightLevel(sc, normal);
  // Orientation against the view: N × V, normal first, mapped from -1 ... 1 to 0 ... 1 and
  // left unnormalised and unclamped.
  const Point3 n = sc.Normal();
  const Point3 v = sc.V();
  const float crossX = n.y * v.z - n.z * v.y;
  const float crossY = n.z * v.x - n.x * v.z;
  sc.out.c = Color((crossX + 1.0f) * 0.5f, (crossY + 1.0f) * 0.5f, level);
}
