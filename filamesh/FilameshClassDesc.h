#pragma once
// The descriptor through which Filamesh.dlt registers the wire map, with its about values.
#include "frame/OstrelClassDesc.h"

class FilameshClassDesc : public OstrelClassDesc {
 public:
  int IsPublic() override;
  void* Create(BOOL loading) override;
  const wchar_t* ClassName() override;
  SClass_ID SuperClassID() override;
  Class_ID ClassID() override;
  const wchar_t* Category() override;

  float Version() override;
  WStr BuildDate() override;
  int SdkVersion() override;
  WStr RightsNotice() override;
};

// The module's one descriptor, alive from load to unload.
FilameshClassDesc* GetFilameshClassDesc();
