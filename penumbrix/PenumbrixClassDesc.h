#pragma once
// The descriptor through which Penumbrix.dlt registers the light-dependent map, with its
// about values. The class is kept out of the host's lists of user-creatable classes.
#include "frame/OstrelClassDesc.h"

class PenumbrixClassDesc : public OstrelClassDesc {
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
PenumbrixClassDesc* GetPenumbrixClassDesc();
