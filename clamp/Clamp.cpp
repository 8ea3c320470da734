// The material's object side: construction, references, sub-animations, change messages, cloning.
#include "clamp/Clamp.h"

#include <new>

#include "clamp/ClampDlg.h"
#include "clamp/ClampIds.h"
#include "clamp/ClampParams.h"
#include "clamp/ClampStrings.h"
#include "frame/ResourceText.h"
#include "host/StdMat.h"

const ParamBlockDesc clampParamLayout[kClampParamCount] = {
    {TYPE_FLOAT, nullptr, TRUE}, {TYPE_FLOAT, nullptr, TRUE}, {TYPE_FLOAT, nullptr, TRUE},
    {TYPE_FLOAT, nullptr, TRUE}, {TYPE_FLOAT, nullptr, TRUE}, {TYPE_FLOAT, nullptr, TRUE},
    {TYPE_INT, nullptr, FALSE},  {TYPE_INT, nullptr, FALSE},
};

namespace {
constexpr int kParamBlockRef = 0;
constexpr int kSourceMtlRef = 1;
}  // namespace

Clamp::Clamp(BOOL loading) {
  validity = NEVER;
  // While loading, the host restores both references after construction.
  if (!loading) Reset();
}

void Clamp::DeleteThis() { delete this; }

void Clamp::GetClassName(WStr& s) { s = kClampObjectName; }
Class_ID Clamp::ClassID() { return kClampClassID; }
SClass_ID Clamp::SuperClassID() { return MATERIAL_CLASS_ID; }

void Clamp::Reset() {
  ReplaceReference(kParamBlockRef, CreateParameterBlock(clampParamLayout, kClampParamCount));
  if (paramBlock != nullptr) {
    for (int k = 0; k < 3; ++k) {
      paramBlock->SetValue(kLowRedParam + k, 0, kDefaultLowLimit);
      paramBlock->SetValue(kHighRedParam + k, 0, kDefaultHighLimit);
    }
  }
  lowOn = 0;
  highOn = 0;
  ReplaceReference(kSourceMtlRef, NewDefaultStdMat());
}

int Clamp::NumRefs() { return 2; }

RefTargetHandle Clamp::GetReference(int i) {
  if (i == kParamBlockRef) return paramBlock;
  if (i == kSourceMtlRef) return sourceMtl;
  return nullptr;
}

void Clamp::SetReference(int i, RefTargetHandle target) {
  // A scene file may hand any target to a slot; only the kind the slot holds is kept.
  if (i == kParamBlockRef) paramBlock = dynamic_cast<IParamBlock*>(target);
  if (i == kSourceMtlRef) sourceMtl = dynamic_cast<Mtl*>(target);
}

int Clamp::NumSubs() { return 2; }

Animatable* Clamp::SubAnim(int i) { return GetReference(i); }

WStr Clamp::SubAnimName(int i) {
  if (i == kParamBlockRef) return LoadResourceText(IDS_CLAMP_PARAMETERS);
  if (i == kSourceMtlRef) return LoadResourceText(IDS_SOURCE_MATERIAL);
  return WStr();
}

RefResult Clamp::NotifyRefChanged(const Interval& /*changeInt*/, RefTargetHandle hTarget, PartID& partID,
                                  RefMessage message, BOOL /*propagate*/) {
  switch (message) {
    case REFMSG_CHANGE:
      if (hTarget != nullptr && hTarget == paramBlock) validity = NEVER;
      if (editorPanel != nullptr && editorPanel->GetThing() == this) editorPanel->Invalidate();
      return REF_SUCCEED;
    case REFMSG_GET_PARAM_NAME: {
      // The part id carries the host's request record.
      auto* request = reinterpret_cast<GetParamName*>(partID);  // NOLINT(performance-no-int-to-ptr)
      if (request != nullptr && request->index >= 0 && request->index < kClampLimitCount) {
        request->name = LoadResourceText(IDS_LOW_RED + request->index);
      }
      return REF_STOP;
    }
    case REFMSG_GET_PARAM_DIM:
      // Every parameter keeps the dimension the host proposed.
      return REF_STOP;
    default:
      return REF_SUCCEED;
  }
}

RefTargetHandle Clamp::Clone(RemapDir& remap) {
  auto* copy = new (std::nothrow) Clamp(FALSE);
  if (copy == nullptr) return nullptr;
  copy->MtlBase::operator=(*this);
  // A material loaded without a block keeps the clone's fresh one.
  if (paramBlock != nullptr) copy->ReplaceReference(kParamBlockRef, remap.CloneRef(paramBlock));
  if (sourceMtl != nullptr) copy->ReplaceReference(kSourceMtlRef, remap.CloneRef(sourceMtl));
  return copy;
}

int Clamp::NumSubMtls() { return 1; }

Mtl* Clamp::GetSubMtl(int /*i*/) { return sourceMtl; }

void Clamp::SetSubMtl(int i, Mtl* m) {
  // The one slot is reference 1; any other slot number would land on another reference.
  if (i == 0) ReplaceReference(kSourceMtlRef, m);
}

WStr Clamp::GetSubMtlSlotName(int /*i*/) { return LoadResourceText(IDS_SOURCE_MATERIAL); }

// The panel comes with the editor; until then the material editor shows no rollup for it.
ParamDlg* Clamp::CreateParamDlg(HWND /*hwMtlEdit*/, IMtlParams* /*imp*/) { return nullptr; }
