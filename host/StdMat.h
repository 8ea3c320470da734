#pragma once
// The host's standard material: Lambert diffuse and a Blinn highlight over the sample's lights.
#include "host/Materials.h"

constexpr Class_ID DMTL_CLASS_ID(0x00000002, 0x00000000);
constexpr int ID_DI = 1;  // the diffuse map slot
constexpr int ID_SI = 5;  // the self-illumination map slot

class HOSTAPI StdMat : public Mtl {
public:
  ~StdMat() override;
  virtual void SetGlossiness(float v, TimeValue t) = 0;  // 0..1
  virtual void SetShinStr(float v, TimeValue t) = 0;     // specular level, 0..
  virtual void SetOpacity(float v, TimeValue t) = 0;     // 0..1
  virtual void SetSelfIllum(float v, TimeValue t) = 0;   // 0..1
  virtual float GetGlossiness(TimeValue t) = 0;
  virtual float GetOpacity(TimeValue t) = 0;
  virtual float GetSelfIllum(TimeValue t) = 0;
  virtual void SetTexmapAmt(int slot, float amount, TimeValue t) = 0;
  virtual void EnableMap(int slot, BOOL on) = 0;
};

HOSTAPI StdMat* NewDefaultStdMat();
