#pragma once
// Filamesh: a texture map that paints the edges of every rendered triangle in the wire colour
// and the rest of it in the centre colour, from the sample's barycentric coordinates alone.
#include "filamesh/FilameshPanel.h"
#include "host/Materials.h"
#include "host/ParamBlock.h"

class Filamesh : public Texmap {
 public:
  Filamesh();

  // Evaluation: reads the block at each sample's own time; keeps no state.
  AColor EvalColor(ShadeContext& sc) override;
  float EvalMono(ShadeContext& sc) override;
  Point3 EvalNormalPerturb(ShadeContext& sc) override;
  ULONG LocalRequirements(int subMtlNum) override;

  void GetClassName(WStr& s) override;
  Class_ID ClassID() override;
  void DeleteThis() override;

  int NumRefs() override;
  RefTargetHandle GetReference(int i) override;
  int NumSubs() override;
  Animatable* SubAnim(int i) override;
  WStr SubAnimName(int i) override;
  RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                             RefMessage message, BOOL propagate) override;
  RefTargetHandle Clone(RemapDir& remap) override;

  void Update(TimeValue t, Interval& valid) override;
  void Reset() override;
  Interval Validity(TimeValue t) override;
  // The parameter-map panel is not built yet: no panel.
  ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) override;

  // The common material data, wrapped in the material-header chunk.
  IOResult Save(ISave* isave) override;
  IOResult Load(ILoad* iload) override;

  IParamBlock* ParamBlock() const { return paramBlock; }
  FilameshPanel* EditorPanel() const { return editorPanel; }
  // The cached validity as it stands, without bringing it up to date.
  Interval CachedValidity() const { return validity; }
  // Set by the panel when it shows this map, cleared when it leaves it or is destroyed.
  void SetEditorPanel(FilameshPanel* panel) { editorPanel = panel; }

 protected:
  void SetReference(int i, RefTargetHandle target) override;

 private:
  IParamBlock* paramBlock = nullptr;
  FilameshPanel* editorPanel = nullptr;
  Interval validity = NEVER;
};
