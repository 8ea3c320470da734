#pragma once
// A source material that answers fixed values and records what it is asked, and an editor
// panel that only counts its invalidations.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "clamp/Clamp.h"
#include "clamp/ClampClassDesc.h"
#include "clamp/ClampDlg.h"
#include "frame/ModuleEntry.h"

inline std::uint32_t Bits(float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

class FakeSource : public Mtl {
 public:
  Color shadeColor{0.0f, 0.0f, 0.0f};
  Color shadeTransparency{0.0f, 0.0f, 0.0f};
  int gbufIdSeenByShade = -1;
  Interval updateNarrowsTo = FOREVER;
  Interval validity = FOREVER;
  int lastMtlNum = -1;
  BOOL lastBackFace = -1;

  Class_ID ClassID() override { return Class_ID(0xFA4E, 0x50CE); }
  void Update(TimeValue, Interval& valid) override { valid &= updateNarrowsTo; }
  void Reset() override {}
  Interval Validity(TimeValue) override { return validity; }
  ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }
  void Shade(ShadeContext& sc) override {
    gbufIdSeenByShade = sc.out.gbufId;
    sc.out.c = shadeColor;
    sc.out.t = shadeTransparency;
  }
  Color GetAmbient(int m, BOOL b) override { return record(m, b, Color(0.1f, 0.2f, 0.3f)); }
  Color GetDiffuse(int m, BOOL b) override { return record(m, b, Color(0.4f, 0.5f, 0.6f)); }
  Color GetSpecular(int m, BOOL b) override { return record(m, b, Color(0.7f, 0.8f, 0.9f)); }
  float GetShininess(int m, BOOL b) override { return record(m, b, 0.25f); }
  float GetShinStr(int m, BOOL b) override { return record(m, b, 0.5f); }
  float GetXParency(int m, BOOL b) override { return record(m, b, 0.75f); }
  float WireSize(int m, BOOL b) override { return record(m, b, 2.5f); }
  float EvalDisplacement(ShadeContext&) override { return 0.125f; }
  Interval DisplacementValidity(TimeValue) override { return Interval(10, 20); }
  void SetAmbient(Color, TimeValue) override {}
  void SetDiffuse(Color, TimeValue) override {}
  void SetSpecular(Color, TimeValue) override {}
  void SetShininess(float, TimeValue) override {}

 private:
  template <class T>
  T record(int m, BOOL b, T value) {
    lastMtlNum = m;
    lastBackFace = b;
    return value;
  }
};

class CountingPanel : public ClampDlg {
 public:
  ReferenceTarget* thing = nullptr;
  int invalidations = 0;

  Class_ID ClassID() override { return Class_ID(0x6E134CA5, 0x714F791E); }
  void SetThing(ReferenceTarget* m) override { thing = m; }
  ReferenceTarget* GetThing() override { return thing; }
  void SetTime(TimeValue) override {}
  void ReloadDialog() override {}
  void DeleteThis() override { delete this; }
  void ActivateDlg(BOOL) override {}
  void Invalidate() override { ++invalidations; }
};

// A material made by the module's descriptor, held by the test as the scene would hold it.
class ClampFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // A test program has no process attach of its own.
    ASSERT_TRUE(DllMain(ThisModuleHandle(), DLL_PROCESS_ATTACH, nullptr));
    mtl = MakeClamp(FALSE);
    ASSERT_NE(mtl, nullptr);
  }
  void TearDown() override {
    if (mtl != nullptr) mtl->DeleteThis();
  }

  static Clamp* MakeClamp(BOOL loading) {
    return static_cast<Clamp*>(static_cast<Mtl*>(TheClampClassDesc().Create(loading)));
  }

  // Installs a fake source and answers it; the material owns it from then on.
  FakeSource* UseFakeSource() {
    auto* source = new FakeSource;
    mtl->SetSubMtl(0, source);
    return source;
  }

  void SetLimits(const float low[3], const float high[3], int lowOn, int highOn) {
    for (int k = 0; k < 3; ++k) {
      mtl->paramBlock->SetValue(k, 0, low[k]);
      mtl->paramBlock->SetValue(3 + k, 0, high[k]);
    }
    mtl->paramBlock->SetValue(6, 0, lowOn);
    mtl->paramBlock->SetValue(7, 0, highOn);
  }

  Clamp* mtl = nullptr;
};
