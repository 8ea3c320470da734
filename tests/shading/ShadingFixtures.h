#pragma once
// Small host objects for the shading tests: a flat-colour map and a material with one
// sub-material slot, both with descriptors so the scene file can make them again.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "host/ChunkIO.h"
#include "host/ClassDesc.h"
#include "host/Materials.h"
#include "host/SceneFile.h"

namespace shadingtest {

constexpr Class_ID kFlatMapClass(0x0F1A7000, 0x00000001);
constexpr Class_ID kSlotMtlClass(0x0F1A7000, 0x00000002);
constexpr USHORT kFlatColorChunk = 0x0100;

// A map of one colour. Asks for whatever requirements it is given.
class FlatMap : public Texmap {
 public:
  static constexpr Class_ID kClass = kFlatMapClass;
  AColor color{0.0f, 0.0f, 0.0f, 1.0f};
  ULONG requirements = 0;

  Class_ID ClassID() override { return kFlatMapClass; }
  void GetClassName(WStr& s) override { s = L"Flat"; }
  AColor EvalColor(ShadeContext& /*sc*/) override { return color; }
  Point3 EvalNormalPerturb(ShadeContext& /*sc*/) override { return Point3(); }
  ULONG LocalRequirements(int /*subMtlNum*/) override { return requirements; }
  void Update(TimeValue /*t*/, Interval& /*valid*/) override {}
  void Reset() override {}
  Interval Validity(TimeValue /*t*/) override { return FOREVER; }
  ParamDlg* CreateParamDlg(HWND /*hwMtlEdit*/, IMtlParams* /*imp*/) override { return nullptr; }
  RefTargetHandle Clone(RemapDir& /*remap*/) override {
    auto* copy = new FlatMap();
    copy->MtlBase::operator=(*this);
    copy->color = color;
    copy->requirements = requirements;
    return copy;
  }
  IOResult Save(ISave* isave) override {
    isave->BeginChunk(kFlatColorChunk);
    ULONG written = 0;
    const IOResult res = isave->Write(&color, sizeof color, &written);
    isave->EndChunk();
    return res;
  }
  IOResult Load(ILoad* iload) override {
    IOResult res = IO_OK;
    while ((res = iload->OpenChunk()) == IO_OK) {
      ULONG read = 0;
      if (iload->CurChunkID() == kFlatColorChunk) res = iload->Read(&color, sizeof color, &read);
      iload->CloseChunk();
      if (res != IO_OK) return res;
    }
    return IO_OK;
  }
};

// A material with one sub-material slot (reference 0) and the common data only.
class SlotMtl : public Mtl {
 public:
  static constexpr Class_ID kClass = kSlotMtlClass;
  Mtl* sub = nullptr;
  ULONG requirements = 0;
  int extra = 0;  // not common data: operator= must leave it

  Class_ID ClassID() override { return kSlotMtlClass; }
  void GetClassName(WStr& s) override { s = L"Slot Material"; }
  int NumRefs() override { return 1; }
  RefTargetHandle GetReference(int i) override { return i == 0 ? sub : nullptr; }
  int NumSubMtls() override { return 1; }
  Mtl* GetSubMtl(int /*i*/) override { return sub; }
  void SetSubMtl(int /*i*/, Mtl* m) override { ReplaceReference(0, m); }
  ULONG LocalRequirements(int /*subMtlNum*/) override { return requirements; }

  void Update(TimeValue /*t*/, Interval& /*valid*/) override {}
  void Reset() override {}
  Interval Validity(TimeValue /*t*/) override { return FOREVER; }
  ParamDlg* CreateParamDlg(HWND /*hwMtlEdit*/, IMtlParams* /*imp*/) override { return nullptr; }
  Color GetAmbient(int /*mtlNum*/, BOOL /*backFace*/) override { return Color(); }
  Color GetDiffuse(int /*mtlNum*/, BOOL /*backFace*/) override { return Color(); }
  Color GetSpecular(int /*mtlNum*/, BOOL /*backFace*/) override { return Color(); }
  float GetShininess(int /*mtlNum*/, BOOL /*backFace*/) override { return 0.0f; }
  float GetShinStr(int /*mtlNum*/, BOOL /*backFace*/) override { return 0.0f; }
  float GetXParency(int /*mtlNum*/, BOOL /*backFace*/) override { return 0.0f; }
  void SetAmbient(Color /*c*/, TimeValue /*t*/) override {}
  void SetDiffuse(Color /*c*/, TimeValue /*t*/) override {}
  void SetSpecular(Color /*c*/, TimeValue /*t*/) override {}
  void SetShininess(float /*v*/, TimeValue /*t*/) override {}
  void Shade(ShadeContext& /*sc*/) override {}

 protected:
  void SetReference(int i, RefTargetHandle target) override {
    if (i == 0) sub = static_cast<Mtl*>(target);
  }
};

template <class T, SClass_ID kSuper>
class TestDesc : public ClassDesc {
 public:
  int IsPublic() override { return 0; }
  void* Create(BOOL /*loading*/) override { return new (std::nothrow) T(); }
  const wchar_t* ClassName() override { return L"test"; }
  SClass_ID SuperClassID() override { return kSuper; }
  Class_ID ClassID() override { return T::kClass; }
  const wchar_t* Category() override { return L""; }
};

}  // namespace shadingtest

namespace shadingtest {

// Holds one target, as a map holds its output object, and counts the change messages it gets.
class Watcher : public ReferenceMaker {
 public:
  ReferenceTarget* target = nullptr;
  int changes = 0;

  explicit Watcher(ReferenceTarget* t) { ReplaceReference(0, t); }
  ~Watcher() override { DeleteAllRefsFromMe(); }
  int NumRefs() override { return 1; }
  RefTargetHandle GetReference(int i) override { return i == 0 ? target : nullptr; }
  RefResult NotifyRefChanged(const Interval& /*changeInt*/, RefTargetHandle /*hTarget*/, PartID& /*partID*/,
                             RefMessage message, BOOL /*propagate*/) override {
    if (message == REFMSG_CHANGE) ++changes;
    return REF_SUCCEED;
  }

 protected:
  void SetReference(int i, RefTargetHandle t) override {
    if (i == 0) target = t;
  }
};

}  // namespace shadingtest

namespace shadingtest {

// Makes a copy of `original` the way the host does, by cloning or through a saved scene, and
// hands it to `copies`, which holds nothing else.
using CopyWay = std::function<ReferenceTarget*(ReferenceTarget* original, SceneHolder& copies)>;

inline ReferenceTarget* CloneCopy(ReferenceTarget* original, SceneHolder& copies) {
  ReferenceTarget* copy = CloneRefHierarchy(original);
  copies.Add(copy);
  return copy;
}

inline ReferenceTarget* SceneCopy(ReferenceTarget* original, SceneHolder& copies) {
  std::vector<unsigned char> bytes;
  std::string error;
  EXPECT_TRUE(SaveScene({original}, bytes, error)) << error;
  EXPECT_TRUE(LoadScene(bytes.data(), bytes.size(), "copy.scene", copies, error)) << error;
  return copies.NumRefs() == 1 ? copies.GetReference(0) : nullptr;
}

}  // namespace shadingtest
