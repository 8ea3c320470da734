#pragma once
// NullMtl, the surface-probe material: its shaded colour is a measurement of the sample.
// Blue is the light level, red and green the surface's orientation against the view.
#include "host/Materials.h"

class NullMtlDlg;

class NullMtl : public Mtl {
 public:
  explicit NullMtl(BOOL loading);
  // Detaches the last panel, which may outlive the material.
  ~NullMtl() override;

  void DeleteThis() override;
  void GetClassName(WStr& s) override;
  Class_ID ClassID() override;

  int NumSubs() override;
  Animatable* SubAnim(int i) override;
  WStr SubAnimName(int i) override;
  int NumRefs() override;
  RefTargetHandle GetReference(int i) override;
  RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                             RefMessage message, BOOL propagate) override;
  RefTargetHandle Clone(RemapDir& remap) override;

  void Update(TimeValue t, Interval& valid) override;
  void Reset() override;
  Interval Validity(TimeValue t) override;
  ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) override;

  Color GetAmbient(int mtlNum = 0, BOOL backFace = FALSE) override;
  Color GetDiffuse(int mtlNum = 0, BOOL backFace = FALSE) override;
  Color GetSpecular(int mtlNum = 0, BOOL backFace = FALSE) override;
  float GetShininess(int mtlNum = 0, BOOL backFace = FALSE) override;
  float GetShinStr(int mtlNum = 0, BOOL backFace = FALSE) override;
  float GetXParency(int mtlNum = 0, BOOL backFace = FALSE) override;
  float WireSize(int mtlNum = 0, BOOL backFace = FALSE) override;
  void SetAmbient(Color c, TimeValue t) override;
  void SetDiffuse(Color c, TimeValue t) override;
  void SetSpecular(Color c, TimeValue t) override;
  void SetShininess(float v, TimeValue t) override;

  // Writes only sc.out.c; reads only gbufID of the material.
  void Shade(ShadeContext& sc) override;

  NullMtlDlg* EditorPanel() const { return editorPanel; }
  // The cached validity as it stands, without bringing it up to date.
  Interval CachedValidity() const { return validity; }

 protected:
  void SetReference(int i, RefTargetHandle target) override;

 private:
  friend class NullMtlDlg;
  // Called by a panel being destroyed: the material stops pointing at it.
  void PanelGone(NullMtlDlg* panel);

  Interval validity = NEVER;
  NullMtlDlg* editorPanel = nullptr;
};
