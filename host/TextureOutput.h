#pragma once
// The "Output" adjustment a texture map applies to its results.
#include "host/Color.h"
#include "host/Point3.h"
#include "host/Reference.h"

constexpr Class_ID TEXOUT_CLASS_ID(0x00000D31, 0x00000000);

class HOSTAPI TextureOutput : public ReferenceTarget {
public:
  ~TextureOutput() override;
  SClass_ID SuperClassID() override;

  virtual AColor Filter(AColor c) = 0;
  virtual float Filter(float f) = 0;
  virtual Point3 Filter(Point3 p) = 0;

  virtual float GetOutputLevel(TimeValue t) = 0;
  virtual void SetOutputLevel(TimeValue t, float v) = 0;
  virtual Color GetRGBLevel(TimeValue t) = 0;
  virtual void SetRGBLevel(TimeValue t, const Color& c) = 0;
  virtual Color GetRGBOffset(TimeValue t) = 0;
  virtual void SetRGBOffset(TimeValue t, const Color& c) = 0;
  virtual BOOL GetInvert() = 0;
  virtual void SetInvert(BOOL on) = 0;
  virtual BOOL GetClamp() = 0;
  virtual void SetClamp(BOOL on) = 0;

  virtual void Update(TimeValue t, Interval& valid) = 0;
  virtual void Reset() = 0;
  virtual Interval Validity(TimeValue t) = 0;
};

// A new output object whose defaults leave every value unchanged.
HOSTAPI TextureOutput* GetNewDefaultTextureOutput();
