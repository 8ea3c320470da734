#include "facetor/NullMtl.h"

#include <new>

#include "facetor/FacetorIds.h"
#include "facetor/NullMtlDlg.h"

// The loading flag is not used: the material has no references for the host to restore.
NullMtl::NullMtl(BOOL loading) { Reset(); }

NullMtl::~NullMtl() {
  if (editorPanel) editorPanel->owner = nullptr;
}

void NullMtl::DeleteThis() { delete this; }
void NullMtl::GetClassName(WStr& s) { s = kNullMtlClassName; }
Class_ID NullMtl::ClassID() { return kNullMtlClassID; }

int NullMtl::NumSubs() { return NumRefs(); }
Animatable* NullMtl::SubAnim(int i) { return GetReference(i); }
WStr NullMtl::SubAnimName(int i) { return WStr(); }
int NullMtl::NumRefs() { return 0; }
RefTargetHandle NullMtl::GetReference(int i) { return nullptr; }
void NullMtl::SetReference(int i, RefTargetHandle target) {}

RefResult NullMtl::NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                                    RefMessage message, BOOL propagate) {
  switch (message) {
    case REFMSG_CHANGE:
      validity = NEVER;
      if (editorPanel) editorPanel->ReloadDialog();
      return REF_SUCCEED;
    case REFMSG_GET_PARAM_NAME:
    case REFMSG_GET_PARAM_DIM:
      // No parameters: the request record stays as the host filled it.
      return REF_STOP;
    default:
      return REF_SUCCEED;
  }
}

RefTargetHandle NullMtl::Clone(RemapDir& remap) {
  auto* copy = new (std::nothrow) NullMtl(FALSE);
  if (!copy) return nullptr;
  static_cast<MtlBase&>(*copy) = *this;
  copy->validity = NEVER;
  return copy;
}

// Nothing to recompute: the first Update makes the material valid for ever.
void NullMtl::Update(TimeValue t, Interval& valid) {
  if (!validity.InInterval(t)) validity = FOREVER;
  valid &= validity;
}

void NullMtl::Reset() { validity = NEVER; }

Interval NullMtl::Validity(TimeValue t) {
  Interval scratch = NEVER;
  Update(t, scratch);
  return validity;
}

ParamDlg* NullMtl::CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) {
  // The previous panel stays with the host; it only loses its link to this material.
  if (editorPanel) editorPanel->owner = nullptr;
  editorPanel = new (std::nothrow) NullMtlDlg(this);
  return editorPanel;
}

void NullMtl::PanelGone(NullMtlDlg* panel) {
  if (editorPanel == panel) editorPanel = nullptr;
}

Color NullMtl::GetAmbient(int mtlNum, BOOL backFace) { return Color(0.0f, 0.0f, 0.0f); }
Color NullMtl::GetDiffuse(int mtlNum, BOOL backFace) { return Color(0.0f, 0.0f, 0.0f); }
Color NullMtl::GetSpecular(int mtlNum, BOOL backFace) { return Color(0.0f, 0.0f, 0.0f); }
float NullMtl::GetShininess(int mtlNum, BOOL backFace) { return 0.0f; }
float NullMtl::GetShinStr(int mtlNum, BOOL backFace) { return 0.0f; }
float NullMtl::GetXParency(int mtlNum, BOOL backFace) { return 0.0f; }
float NullMtl::WireSize(int mtlNum, BOOL backFace) { return 0.0f; }
void NullMtl::SetAmbient(Color c, TimeValue t) {}
void NullMtl::SetDiffuse(Color c, TimeValue t) {}
void NullMtl::SetSpecular(Color c, TimeValue t) {}
void NullMtl::SetShininess(float v, TimeValue t) {}
