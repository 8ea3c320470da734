// The map as the scene sees it: construction, references, sub-maps, setters, Update and cloning.
#include "penumbrix/Penumbrix.h"

#include <new>
#include <utility>

#include "frame/ResourceText.h"
#include "penumbrix/PenumbrixIds.h"
#include "penumbrix/PenumbrixParams.h"

int moduleDataVersion = kInitialModuleDataVersion;

namespace {
WStr ResourceText(int id) { return WStr(LoadResourceText(id)); }
bool IsSide(int i) { return i == Penumbrix::kDark || i == Penumbrix::kLit; }
}  // namespace

Penumbrix::Penumbrix() {
  Reset();
  InvalidateCurveTable();
}

void Penumbrix::GetClassName(WStr& s) {
  const wchar_t* text = LoadResourceText(IDS_PENUMBRIX);
  s = text != nullptr ? text : kPenumbrixClassName;
}
Class_ID Penumbrix::ClassID() { return kPenumbrixClassID; }
SClass_ID Penumbrix::SuperClassID() { return TEXMAP_CLASS_ID; }

// ---- References, sub-animatables and sub-map slots ----

int Penumbrix::NumRefs() { return kNumRefs; }

RefTargetHandle Penumbrix::GetReference(int i) {
  switch (i) {
    case kRefParamBlock:
      return paramBlock;
    case kRefDarkMap:
    case kRefLitMap:
      return subTex[i - kRefDarkMap];
    case kRefOutput:
      return texout;
    default:
      return nullptr;
  }
}

// A damaged scene file may hand any target to any slot; a slot keeps only its own kind and is
// left empty otherwise, so shading never calls through the wrong type.
void Penumbrix::SetReference(int i, RefTargetHandle target) {
  switch (i) {
    case kRefParamBlock:
      paramBlock = dynamic_cast<IParamBlock*>(target);
      break;
    case kRefDarkMap:
    case kRefLitMap:
      subTex[i - kRefDarkMap] = dynamic_cast<Texmap*>(target);
      break;
    case kRefOutput:
      texout = dynamic_cast<TextureOutput*>(target);
      break;
    default:
      break;
  }
}

int Penumbrix::NumSubs() { return kNumRefs; }
Animatable* Penumbrix::SubAnim(int i) { return GetReference(i); }

WStr Penumbrix::SubAnimName(int i) {
  switch (i) {
    case kRefParamBlock:
      return ResourceText(IDS_PARAMETERS);
    case kRefDarkMap:
    case kRefLitMap:
      return GetSubTexmapTVName(i - kRefDarkMap);
    case kRefOutput:
      return ResourceText(IDS_OUTPUT);
    default:
      return WStr();
  }
}

int Penumbrix::NumSubTexmaps() { return kNumSubTexmaps; }
Texmap* Penumbrix::GetSubTexmap(int i) { return IsSide(i) ? subTex[i] : nullptr; }

void Penumbrix::SetSubTexmap(int i, Texmap* m) {
  if (!IsSide(i)) return;
  ReplaceReference(i + kRefDarkMap, m);
  if (editorPanel != nullptr) editorPanel->RefreshMapButtons(false);
}

WStr Penumbrix::GetSubTexmapSlotName(int i) {
  if (!IsSide(i)) return WStr();
  return ResourceText(i == kDark ? IDS_COLOR1 : IDS_COLOR2);
}

// The switches decide at shading time; the slots themselves are always on.
int Penumbrix::SubTexmapOn(int i) { return 1; }

// ---- Setters ----

void Penumbrix::SetLowThreshold(float v, TimeValue t) {
  lowThreshold = v;
  if (paramBlock != nullptr) paramBlock->SetValue(kParamLowThreshold, t, v);
  if (lowThreshold > highThreshold) {
    highThreshold = lowThreshold;
    if (paramBlock != nullptr) paramBlock->SetValue(kParamHighThreshold, t, highThreshold);
    if (editorPanel != nullptr) editorPanel->ShowHighThreshold(highThreshold);
  }
  if (editorPanel != nullptr) editorPanel->RedrawCurve();
}

void Penumbrix::SetHighThreshold(float v, TimeValue t) {
  highThreshold = v;
  if (paramBlock != nullptr) paramBlock->SetValue(kParamHighThreshold, t, v);
  if (!(highThreshold >= lowThreshold)) {
    lowThreshold = highThreshold;
    if (paramBlock != nullptr) paramBlock->SetValue(kParamLowThreshold, t, lowThreshold);
    if (editorPanel != nullptr) editorPanel->ShowLowThreshold(lowThreshold);
  }
  if (editorPanel != nullptr) editorPanel->RedrawCurve();
}

void Penumbrix::SetCurveParam(float& member, int param, float v, TimeValue t) {
  member = v;
  if (paramBlock != nullptr) paramBlock->SetValue(param, t, v);
  if (editorPanel != nullptr) editorPanel->RedrawCurve();
}

void Penumbrix::SetCurveDark(float v, TimeValue t) { SetCurveParam(curveDark, kParamCurveDark, v, t); }
void Penumbrix::SetCurveControl1(float v, TimeValue t) { SetCurveParam(curveControl1, kParamControl1, v, t); }
void Penumbrix::SetCurveControl2(float v, TimeValue t) { SetCurveParam(curveControl2, kParamControl2, v, t); }
void Penumbrix::SetCurveLit(float v, TimeValue t) { SetCurveParam(curveLit, kParamCurveLit, v, t); }

void Penumbrix::SetColor(int i, const Color& c, TimeValue t) {
  if (!IsSide(i)) return;
  colors[i] = c;
  if (paramBlock != nullptr) paramBlock->SetValue(i == kDark ? kParamDarkColor : kParamLitColor, t, c);
  // The curve view shows the two colours.
  if (editorPanel != nullptr) editorPanel->RedrawCurve();
}

void Penumbrix::SetAmount(int i, float v, TimeValue t) {
  if (!IsSide(i)) return;
  amounts[i] = v;
  if (paramBlock != nullptr) paramBlock->SetValue(i == kDark ? kParamDarkAmount : kParamLitAmount, t, v);
  // The panel shows whole per cent.
  if (editorPanel != nullptr) editorPanel->ShowAmount(i, static_cast<int>(v * 100.0f));
}

void Penumbrix::SwapDarkLit() {
  std::swap(colors[kDark], colors[kLit]);
  // The two references trade targets in place; neither is released.
  std::swap(subTex[kDark], subTex[kLit]);
  if (paramBlock != nullptr) paramBlock->SwapControllers(kParamDarkColor, kParamLitColor);
}

void Penumbrix::NotifyChanged() { NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE); }

// ---- Housekeeping ----

void Penumbrix::Reset() {
  ReplaceReference(kRefParamBlock,
                   CreateParameterBlock(kPenumbrixCurrentVersion.desc, kPenumbrixCurrentVersion.count,
                                        kPenumbrixCurrentVersion.version));
  validity = NEVER;
  DeleteReference(kRefDarkMap);
  DeleteReference(kRefLitMap);
  if (texout != nullptr) {
    texout->Reset();
  } else {
    ReplaceReference(kRefOutput, GetNewDefaultTextureOutput());
  }
  mapOn[kLit] = 1;
  mapOn[kDark] = 1;

  SetColor(kDark, Color(0.0f, 0.0f, 0.0f), 0);
  SetColor(kLit, Color(1.0f, 1.0f, 1.0f), 0);
  SetLowThreshold(0.0f, 0);
  SetHighThreshold(1.0f, 0);
  SetCurveDark(0.0f, 0);
  SetCurveControl1(0.33333f, 0);
  SetCurveControl2(0.66666f, 0);
  SetCurveLit(1.0f, 0);
  SetAmount(kDark, 1.0f, 0);
  SetAmount(kLit, 1.0f, 0);

  rollupOpen = 3;
  rollupScrollPos = 0;
}

void Penumbrix::Update(TimeValue t, Interval& valid) {
  if (!validity.InInterval(t)) {
    validity = FOREVER;
    if (texout != nullptr) texout->Update(t, validity);
    if (paramBlock != nullptr) {
      paramBlock->GetValue(kParamDarkColor, t, colors[kDark], validity);
      paramBlock->GetValue(kParamLitColor, t, colors[kLit], validity);
      colors[kDark].ClampMinMax();
      colors[kLit].ClampMinMax();
      paramBlock->GetValue(kParamLowThreshold, t, lowThreshold, validity);
      paramBlock->GetValue(kParamHighThreshold, t, highThreshold, validity);
      paramBlock->GetValue(kParamCurveDark, t, curveDark, validity);
      paramBlock->GetValue(kParamControl1, t, curveControl1, validity);
      paramBlock->GetValue(kParamControl2, t, curveControl2, validity);
      paramBlock->GetValue(kParamCurveLit, t, curveLit, validity);
      paramBlock->GetValue(kParamDarkAmount, t, amounts[kDark], validity);
      paramBlock->GetValue(kParamLitAmount, t, amounts[kLit], validity);
    }
    for (Texmap* map : subTex) {
      if (map != nullptr) map->Update(t, validity);
    }
  }
  valid &= validity;
  // Also when nothing was reread: a setter may have changed the values since the last build.
  InvalidateCurveTable();
}

Interval Penumbrix::Validity(TimeValue t) {
  Interval scratch = FOREVER;
  Update(t, scratch);
  return validity;
}

ParamDlg* Penumbrix::CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) { return nullptr; }

void Penumbrix::SetOutputLevel(TimeValue t, float v) {
  if (texout != nullptr) texout->SetOutputLevel(t, v);
}

RefResult Penumbrix::NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                                      RefMessage message, BOOL propagate) {
  switch (message) {
    case REFMSG_CHANGE:
      validity = NEVER;
      // The Output object has a panel of its own.
      if (hTarget != texout && editorPanel != nullptr) editorPanel->InvalidateControls();
      return REF_SUCCEED;
    // For these two requests the part id carries the address of the request record.
    case REFMSG_GET_PARAM_NAME: {
      auto* record = reinterpret_cast<GetParamName*>(partID);  // NOLINT(performance-no-int-to-ptr)
      const int id = PenumbrixParamNameId(record->index);
      if (id != 0) record->name = ResourceText(id);
      return REF_STOP;
    }
    case REFMSG_GET_PARAM_DIM: {
      auto* record = reinterpret_cast<GetParamDim*>(partID);  // NOLINT(performance-no-int-to-ptr)
      if (ParamDimension* dim = PenumbrixParamDimension(record->index)) record->dim = dim;
      return REF_STOP;
    }
    default:
      return REF_SUCCEED;
  }
}

RefTargetHandle Penumbrix::Clone(RemapDir& remap) {
  auto* copy = new (std::nothrow) Penumbrix();
  if (copy == nullptr) return nullptr;
  copy->MtlBase::operator=(*this);
  copy->ReplaceReference(kRefParamBlock, remap.CloneRef(paramBlock));
  copy->ReplaceReference(kRefOutput, remap.CloneRef(texout));
  copy->colors[kDark] = colors[kDark];
  copy->colors[kLit] = colors[kLit];
  copy->lowThreshold = lowThreshold;
  copy->highThreshold = highThreshold;
  // The curve values and amounts come from the cloned block at the copy's first Update.
  copy->validity = NEVER;
  for (int i = kDark; i <= kLit; ++i) {
    if (subTex[i] != nullptr) copy->ReplaceReference(i + kRefDarkMap, remap.CloneRef(subTex[i]));
    copy->mapOn[i] = mapOn[i];
  }
  return copy;
}
