#pragma once
// Penumbrix: a compositor texture map that measures how strongly each shading sample is lit
// and returns its Dark side, its Lit side or a blend, weighted through two light-level
// thresholds and a Bézier transition curve sampled into a table.
#include <atomic>

#include "host/Materials.h"
#include "host/ParamBlock.h"
#include "host/TextureOutput.h"
#include "penumbrix/PenumbrixPanel.h"
#include "penumbrix/TransitionCurve.h"

// Written into every map's data-version chunk; a loaded chunk replaces it for the whole module.
extern int moduleDataVersion;

class Penumbrix : public Texmap {
 public:
  // Sides of every pair.
  static constexpr int kDark = 0;
  static constexpr int kLit = 1;
  // References.
  static constexpr int kRefParamBlock = 0;
  static constexpr int kRefDarkMap = 1;
  static constexpr int kRefLitMap = 2;
  static constexpr int kRefOutput = 3;
  static constexpr int kNumRefs = 4;
  static constexpr int kNumSubTexmaps = 2;

  Penumbrix();

  // Shading: any number of render threads at once, between two Updates.
  AColor EvalColor(ShadeContext& sc) override;
  float EvalMono(ShadeContext& sc) override;
  Point3 EvalNormalPerturb(ShadeContext& sc) override;

  // The transition curve at absolute light level x. May widen equal thresholds.
  float CurveValue(float x);
  // Fills the whole table and marks it current. Not while samples are being evaluated.
  void BuildCurveTable();
  // The curve weight of a normalised level, rebuilding a stale table first.
  float LookupCurve(float e) {
    EnsureCurveTable();
    return curveTable[CurveIndex(e)];
  }
  // The next lookup rebuilds the table.
  void InvalidateCurveTable() { curveTableState.store(kTableStale, std::memory_order_release); }
  bool CurveTableCurrent() const { return curveTableState.load(std::memory_order_acquire) == kTableCurrent; }

  // Setters: member and block parameter together at time t; no notification, no undo.
  void SetLowThreshold(float v, TimeValue t);
  void SetHighThreshold(float v, TimeValue t);
  void SetCurveDark(float v, TimeValue t);
  void SetCurveControl1(float v, TimeValue t);
  void SetCurveControl2(float v, TimeValue t);
  void SetCurveLit(float v, TimeValue t);
  void SetColor(int i, const Color& c, TimeValue t);
  void SetAmount(int i, float v, TimeValue t);
  // Exchanges the Dark and Lit colours (with their animation) and sub-maps; switches and
  // amounts stay with their sides.
  void SwapDarkLit();
  // Tells the dependents that the map changed.
  void NotifyChanged();

  void GetClassName(WStr& s) override;
  Class_ID ClassID() override;
  SClass_ID SuperClassID() override;

  int NumSubs() override;
  Animatable* SubAnim(int i) override;
  WStr SubAnimName(int i) override;
  int NumRefs() override;
  RefTargetHandle GetReference(int i) override;
  IOResult Save(ISave* isave) override;
  IOResult Load(ILoad* iload) override;
  RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                             RefMessage message, BOOL propagate) override;
  RefTargetHandle Clone(RemapDir& remap) override;

  void Update(TimeValue t, Interval& valid) override;
  void Reset() override;
  Interval Validity(TimeValue t) override;
  // The editor panel comes with the panels; until then the map has none.
  ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) override;
  void SetOutputLevel(TimeValue t, float v) override;

  int NumSubTexmaps() override;
  Texmap* GetSubTexmap(int i) override;
  void SetSubTexmap(int i, Texmap* m) override;
  WStr GetSubTexmapSlotName(int i) override;
  int SubTexmapOn(int i) override;

  // Working copies of the block, refreshed by Update.
  Color colors[2] = {Color(0.0f, 0.0f, 0.0f), Color(1.0f, 1.0f, 1.0f)};
  float lowThreshold = 0.0f;
  float highThreshold = 1.0f;
  float curveDark = 0.0f;
  float curveControl1 = 0.0f;
  float curveControl2 = 0.0f;
  float curveLit = 0.0f;
  float amounts[2] = {1.0f, 1.0f};
  float curveTable[kCurveTableSize] = {};
  // Not in the block: saved in the map's own chunks.
  int mapOn[2] = {1, 1};
  IParamBlock* paramBlock = nullptr;
  Texmap* subTex[2] = {nullptr, nullptr};
  TextureOutput* texout = nullptr;
  Interval validity = NEVER;
  PenumbrixPanel* editorPanel = nullptr;  // not owned
  // Panel state kept in memory only: bit 0 "Colors / Maps" open, bit 1 "Transition Curve" open.
  BYTE rollupOpen = 3;
  int rollupScrollPos = 0;

 protected:
  void SetReference(int i, RefTargetHandle target) override;

 private:
  // The table's life: stale until a lookup claims the rebuild, current once it is done.
  static constexpr int kTableStale = 0;
  static constexpr int kTableBuilding = 1;
  static constexpr int kTableCurrent = 2;

  // One acquire load while the table is current; otherwise rebuilds it or waits for the
  // thread that does.
  void EnsureCurveTable() {
    if (curveTableState.load(std::memory_order_acquire) != kTableCurrent) RebuildStaleCurveTable();
  }
  void RebuildStaleCurveTable();
  void FillCurveTable();
  // The curve weight of a sample, once the table is current.
  float CurveWeight(ShadeContext& sc);
  AColor SideColor(ShadeContext& sc, int i);
  // Apart from the shading call, so that its return does not become the call's one exit.
  AColor UnfilteredColor(ShadeContext& sc, float f);
  void SetCurveParam(float& member, int param, float v, TimeValue t);
  float Scale(float f) const { return (1.0f - f) * amounts[kDark] + f * amounts[kLit]; }
  bool MapSide(int i) const { return mapOn[i] != 0 && subTex[i] != nullptr; }

  std::atomic<int> curveTableState{kTableStale};
};
