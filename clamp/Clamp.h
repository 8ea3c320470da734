#pragma once
// The Color Clamp material: renders as its source material with the red, green and blue of the
// shaded colour limited per channel to switchable low and high limits.
#include "host/Materials.h"
#include "host/ParamBlock.h"

class ClampDlg;

class Clamp : public Mtl {
 public:
  explicit Clamp(BOOL loading);

  // Members are open to the editor panel, which writes the switches directly.
  ClampDlg* editorPanel = nullptr;
  IParamBlock* paramBlock = nullptr;  // reference 0
  Mtl* sourceMtl = nullptr;           // reference 1, may be null
  // Scaled (1.0 = full channel) and raw (0-255) limits, red, green, blue; filled by Update.
  float lowLimit[3] = {};
  float highLimit[3] = {};
  float lowRaw[3] = {};
  float highRaw[3] = {};
  int lowOn = 0;
  int highOn = 0;
  Interval validity;

  // Identity and lifetime.
  void DeleteThis() override;
  void GetClassName(WStr& s) override;
  Class_ID ClassID() override;
  SClass_ID SuperClassID() override;

  // References and sub-animations.
  int NumRefs() override;
  RefTargetHandle GetReference(int i) override;
  int NumSubs() override;
  Animatable* SubAnim(int i) override;
  WStr SubAnimName(int i) override;
  RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                             RefMessage message, BOOL propagate) override;
  RefTargetHandle Clone(RemapDir& remap) override;

  // The sub-material slot: the source material.
  int NumSubMtls() override;
  Mtl* GetSubMtl(int i) override;
  void SetSubMtl(int i, Mtl* m) override;
  WStr GetSubMtlSlotName(int i) override;

  // Scene file.
  IOResult Save(ISave* isave) override;
  IOResult Load(ILoad* iload) override;

  // Evaluation.
  void Update(TimeValue t, Interval& valid) override;
  void Reset() override;
  Interval Validity(TimeValue t) override;
  ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) override;
  void Shade(ShadeContext& sc) override;

  // Queries forwarded to the source material.
  Color GetAmbient(int mtlNum, BOOL backFace) override;
  Color GetDiffuse(int mtlNum, BOOL backFace) override;
  Color GetSpecular(int mtlNum, BOOL backFace) override;
  float GetShininess(int mtlNum, BOOL backFace) override;
  float GetShinStr(int mtlNum, BOOL backFace) override;
  float GetXParency(int mtlNum, BOOL backFace) override;
  float WireSize(int mtlNum, BOOL backFace) override;
  float EvalDisplacement(ShadeContext& sc) override;
  Interval DisplacementValidity(TimeValue t) override;
  void SetAmbient(Color c, TimeValue t) override;
  void SetDiffuse(Color c, TimeValue t) override;
  void SetSpecular(Color c, TimeValue t) override;
  void SetShininess(float v, TimeValue t) override;

 protected:
  void SetReference(int i, RefTargetHandle target) override;
};
