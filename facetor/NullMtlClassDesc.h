#pragma once
// The plain host descriptor of Facetor.dlt: no about values, no string table.
#include "host/ClassDesc.h"

class NullMtlClassDesc : public ClassDesc {
 public:
  int IsPublic() override;
  void* Create(BOOL loading) override;
  const wchar_t* ClassName() override;
  SClass_ID SuperClassID() override;
  Class_ID ClassID() override;
  const wchar_t* Category() override;
};

// The module's one descriptor, alive from load to unload.
NullMtlClassDesc* GetNullMtlClassDesc();
