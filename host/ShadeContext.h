#pragma once
// What the renderer hands a material or map for one shading sample.
#include "host/Color.h"
#include "host/Interval.h"
#include "host/Point3.h"

class ShadeContext;

class HOSTAPI ShadeOutput {
public:
  ULONG flags = 0;
  Color c;             // shaded colour
  Color t;             // transparency
  float ior = 1.0f;
  int gbufId = 0;
  void Reset() {
    flags = 0;
    c = Color();
    t = Color();
    ior = 1.0f;
    gbufId = 0;
  }
};

class HOSTAPI LightDesc {
public:
  virtual ~LightDesc();
  // Non-zero when the light reaches the point: `color` is then the light arriving and
  // `diffuseCoef` its diffuse weight. Callers pass the shading normal and a black colour.
  virtual BOOL Illuminate(ShadeContext& sc, Point3& normal, Color& color, Point3& dir, float& dot_nl,
                          float& diffuseCoef) = 0;
};

class HOSTAPI ShadeContext {
public:
  virtual ~ShadeContext();
  ShadeOutput out;
  int mtlNum = 0;
  int nLights = 0;
  BOOL backFace = FALSE;

  virtual LightDesc* Light(int n) = 0;
  virtual TimeValue CurTime() = 0;
  virtual Point3 BarycentricCoords() = 0;
  virtual Point3 Normal() = 0;
  virtual void SetNormal(const Point3& n) = 0;
  virtual Point3 V() = 0;  // unit view direction, camera towards the point
  virtual Point3 P() = 0;  // the point, in camera space
  virtual void SetGBufferID(int id) { out.gbufId = id; }
  virtual Color AmbientLight() { return Color(); }
};
