#pragma once
// Descriptors of both about-information bases, as a texture map and a material would make them.
#include "frame/AboutValues.h"
#include "frame/ModuleEntry.h"
#include "frame/ModuleState.h"
#include "frame/OstrelClassDesc.h"

class TestMapDesc : public OstrelClassDesc {
 public:
  int IsPublic() override { return 0; }
  void* Create(BOOL) override { return nullptr; }
  const wchar_t* ClassName() override { return L"Test Map"; }
  SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
  Class_ID ClassID() override { return Class_ID(0x1234, 0x5678); }
  const wchar_t* Category() override { return TEXMAP_CAT_COMP; }
  float Version() override { return FloatFromBits(0x40033333u); }
  WStr BuildDate() override { return kBuildDate; }
  int SdkVersion() override { return static_cast<int>(LibVersion()); }
  WStr RightsNotice() override { return kRightsNotice; }
};

class TestMtlDesc : public OstrelClassDesc2 {
 public:
  int IsPublic() override { return 1; }
  void* Create(BOOL) override { return nullptr; }
  const wchar_t* ClassName() override { return L"Test Material"; }
  SClass_ID SuperClassID() override { return MATERIAL_CLASS_ID; }
  Class_ID ClassID() override { return Class_ID(0x9ABC, 0xDEF0); }
  const wchar_t* Category() override { return L""; }
  const wchar_t* InternalNameText() override { return L"Test_Material"; }
  HINSTANCE ModuleInstance() override { return ::ModuleInstance(); }
  float Version() override { return FloatFromBits(0x4002C083u); }
  WStr BuildDate() override { return kBuildDate; }
  int SdkVersion() override { return static_cast<int>(LibVersion()); }
  WStr RightsNotice() override { return kRightsNotice; }
};

TestMapDesc& TheTestMapDesc();
