#pragma once
// The descriptor of the Color Clamp material.
#include "frame/OstrelClassDesc.h"

class ClampClassDesc : public OstrelClassDesc2 {
 public:
  int IsPublic() override;
  void* Create(BOOL loading) override;
  const wchar_t* ClassName() override;
  SClass_ID SuperClassID() override;
  Class_ID ClassID() override;
  const wchar_t* Category() override;

  const wchar_t* InternalNameText() override;
  HINSTANCE ModuleInstance() override;

  float Version() override;
  WStr BuildDate() override;
  int SdkVersion() override;
  WStr RightsNotice() override;
};

// The module's one descriptor, alive from load to unload.
ClampClassDesc& TheClampClassDesc();
