#include "filamesh/Filamesh.h"

#include "filamesh/FilameshIds.h"
#include "filamesh/FilameshParams.h"
#include "filamesh/FilameshStrings.h"
#include "frame/ResourceText.h"
#include "host/ChunkIO.h"

Filamesh::Filamesh() { Reset(); }

void Filamesh::GetClassName(WStr& s) { s = kFilameshClassName; }
Class_ID Filamesh::ClassID() { return kFilameshClassID; }
void Filamesh::DeleteThis() { delete this; }

int Filamesh::NumRefs() { return 1; }

RefTargetHandle Filamesh::GetReference(int i) { return i == 0 ? paramBlock : nullptr; }

void Filamesh::SetReference(int i, RefTargetHandle target) {
  // A target of another class (a damaged file) leaves the map without a block rather than
  // reading it as one.
  if (i == 0) paramBlock = dynamic_cast<IParamBlock*>(target);
}

int Filamesh::NumSubs() { return 1; }
Animatable* Filamesh::SubAnim(int i) { return i == 0 ? paramBlock : nullptr; }

WStr Filamesh::SubAnimName(int i) {
  if (i != 0) return WStr();
  return WStr(LoadResourceText(IDS_STRANDEL));
}

RefResult Filamesh::NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                                     RefMessage message, BOOL propagate) {
  switch (message) {
    case REFMSG_CHANGE:
      validity = NEVER;
      if (hTarget == paramBlock && editorPanel) editorPanel->Invalidate();
      return REF_SUCCEED;
    case REFMSG_GET_PARAM_NAME: {
      // The host passes the request record through the part id.
      auto* request = reinterpret_cast<GetParamName*>(partID);  // NOLINT(performance-no-int-to-ptr)
      if (const wchar_t* name = FilameshParamName(request->index)) request->name = name;
      return REF_STOP;
    }
    default:
      // The dimension query included: every parameter keeps the host's default dimension.
      return REF_SUCCEED;
  }
}

void Filamesh::Reset() {
  ReplaceReference(0, CreateParameterBlock(filameshBlockLayout, kFilameshParamCount, kFilameshBlockVersion));
  if (editorPanel) editorPanel->BindBlock(paramBlock);
  validity = NEVER;
  if (!paramBlock) return;
  paramBlock->SetValue(kWireColorParam, 0, kDefaultWireColor);
  paramBlock->SetValue(kCenterColorParam, 0, kDefaultCenterColor);
  paramBlock->SetValue(kWidthParam, 0, kDefaultWidth);
  paramBlock->SetValue(kSuperSampleParam, 0, kDefaultSuperSample);
}

void Filamesh::Update(TimeValue t, Interval& valid) {
  if (!validity.InInterval(t)) {
    // Only the span over which the values hold is kept; evaluation reads the block itself.
    validity = FOREVER;
    if (paramBlock) {
      float width = 0.0f;
      Color color;
      int superSample = 0;
      paramBlock->GetValue(kWidthParam, t, width, validity);
      paramBlock->GetValue(kWireColorParam, t, color, validity);
      paramBlock->GetValue(kCenterColorParam, t, color, validity);
      paramBlock->GetValue(kSuperSampleParam, t, superSample, validity);
    }
  }
  valid &= validity;
}

Interval Filamesh::Validity(TimeValue t) {
  Interval scratch = NEVER;
  Update(t, scratch);
  return validity;
}

RefTargetHandle Filamesh::Clone(RemapDir& remap) {
  auto* copy = new Filamesh();
  static_cast<MtlBase&>(*copy) = *this;
  copy->ReplaceReference(0, remap.CloneRef(paramBlock));
  return copy;
}

ParamDlg* Filamesh::CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) { return nullptr; }

IOResult Filamesh::Save(ISave* isave) {
  isave->BeginChunk(MTL_HDR_CHUNK);
  const IOResult result = MtlBase::Save(isave);
  isave->EndChunk();
  return result;
}

IOResult Filamesh::Load(ILoad* iload) {
  IOResult result;
  while ((result = iload->OpenChunk()) == IO_OK) {
    if (iload->CurChunkID() == MTL_HDR_CHUNK) {
      result = MtlBase::Load(iload);
      if (result != IO_OK) return result;
    }
    iload->CloseChunk();
  }
  // Running out of chunks ends a good load; a damaged chunk header is reported.
  return result == IO_END ? IO_OK : result;
}
