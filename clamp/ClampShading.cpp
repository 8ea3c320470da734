// Update, validity and the per-sample shading of the material, and the queries it forwards.
#include "clamp/Clamp.h"
#include "clamp/ClampParams.h"
#include "frame/AboutValues.h"

void Clamp::Update(TimeValue t, Interval& valid) {
  validity = FOREVER;
  if (sourceMtl != nullptr) sourceMtl->Update(t, valid);
  if (paramBlock != nullptr) {
    for (int k = 0; k < 3; ++k) paramBlock->GetValue(kLowRedParam + k, t, lowRaw[k], validity);
    for (int k = 0; k < 3; ++k) paramBlock->GetValue(kHighRedParam + k, t, highRaw[k], validity);
    paramBlock->GetValue(kLowSwitchParam, t, lowOn, validity);
    paramBlock->GetValue(kHighSwitchParam, t, highOn, validity);
  } else {
    // Loaded without a block: nothing to limit by, so the material shades as its source.
    lowOn = 0;
    highOn = 0;
  }
  // 1/255 in single precision, applied as a product.
  const float kInv255 = FloatFromBits(0x3B808081u);
  for (int k = 0; k < 3; ++k) {
    lowLimit[k] = lowRaw[k] * kInv255;
    highLimit[k] = highRaw[k] * kInv255;
  }
  valid &= validity;
}

Interval Clamp::Validity(TimeValue t) {
  Interval iv = FOREVER;
  if (sourceMtl != nullptr) iv &= sourceMtl->Validity(t);
  if (paramBlock != nullptr) {
    float v = 0.0f;
    for (int k = 0; k < kClampLimitCount; ++k) paramBlock->GetValue(kLowRedParam + k, t, v, iv);
  }
  return iv;
}

void Clamp::Shade(ShadeContext& sc) {
  if (gbufID != 0) sc.SetGBufferID(gbufID);
  if (sourceMtl == nullptr) return;
  sourceMtl->Shade(sc);
  float c[3] = {sc.out.c.r, sc.out.c.g, sc.out.c.b};
  // Strict comparisons with the limit first: a NaN channel passes; low runs before high.
  if (lowOn != 0) {
    for (int k = 0; k < 3; ++k) {
      if (lowLimit[k] > c[k]) c[k] = lowLimit[k];
    }
  }
  if (highOn != 0) {
    for (int k = 0; k < 3; ++k) {
      if (highLimit[k] < c[k]) c[k] = highLimit[k];
    }
  }
  sc.out.c.r = c[0];
  sc.out.c.g = c[1];
  sc.out.c.b = c[2];
}

// The viewport's ambient always comes from the source's first sub-material, front face.
Color Clamp::GetAmbient(int /*mtlNum*/, BOOL /*backFace*/) {
  return sourceMtl != nullptr ? sourceMtl->GetAmbient(0, FALSE) : Color(0.0f, 0.0f, 0.0f);
}
Color Clamp::GetDiffuse(int mtlNum, BOOL backFace) {
  return sourceMtl != nullptr ? sourceMtl->GetDiffuse(mtlNum, backFace) : Color(0.0f, 0.0f, 0.0f);
}
Color Clamp::GetSpecular(int mtlNum, BOOL backFace) {
  return sourceMtl != nullptr ? sourceMtl->GetSpecular(mtlNum, backFace) : Color(0.0f, 0.0f, 0.0f);
}
float Clamp::GetShininess(int mtlNum, BOOL backFace) {
  return sourceMtl != nullptr ? sourceMtl->GetShininess(mtlNum, backFace) : 0.0f;
}
float Clamp::GetShinStr(int mtlNum, BOOL backFace) {
  return sourceMtl != nullptr ? sourceMtl->GetShinStr(mtlNum, backFace) : 0.0f;
}
float Clamp::GetXParency(int mtlNum, BOOL backFace) {
  return sourceMtl != nullptr ? sourceMtl->GetXParency(mtlNum, backFace) : 0.0f;
}
float Clamp::WireSize(int mtlNum, BOOL backFace) {
  return sourceMtl != nullptr ? sourceMtl->WireSize(mtlNum, backFace) : 0.0f;
}
float Clamp::EvalDisplacement(ShadeContext& sc) {
  return sourceMtl != nullptr ? sourceMtl->EvalDisplacement(sc) : 0.0f;
}
Interval Clamp::DisplacementValidity(TimeValue t) {
  return sourceMtl != nullptr ? sourceMtl->DisplacementValidity(t) : NEVER;
}

// The material's own colours are its source's; it has nothing to set.
void Clamp::SetAmbient(Color /*c*/, TimeValue /*t*/) {}
void Clamp::SetDiffuse(Color /*c*/, TimeValue /*t*/) {}
void Clamp::SetSpecular(Color /*c*/, TimeValue /*t*/) {}
void Clamp::SetShininess(float /*v*/, TimeValue /*t*/) {}
