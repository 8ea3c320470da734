#pragma once
// The maker's descriptor bases, which carry the about information.
#include "host/ClassDesc.h"
#include "host/WinTypes.h"

// The four about operations, in this slot order.
class OstrelBaseClassDesc {
 public:
  virtual ~OstrelBaseClassDesc() = default;
  virtual float Version() = 0;
  virtual WStr BuildDate() = 0;
  virtual int SdkVersion() = 0;
  virtual WStr RightsNotice() = 0;
};

// A host ClassDesc with the four about operations appended after the host's own slots.
class OstrelClassDesc : public ClassDesc {
 public:
  virtual float Version() = 0;
  virtual WStr BuildDate() = 0;
  virtual int SdkVersion() = 0;
  virtual WStr RightsNotice() = 0;
};

// A host ClassDesc2 with the about operations through its second base. The concrete
// descriptor supplies its internal name and module instance.
class OstrelClassDesc2 : public ClassDesc2, public OstrelBaseClassDesc {
 public:
  const wchar_t* InternalName() override { return InternalNameText(); }
  HINSTANCE HInstance() override { return ModuleInstance(); }
  virtual const wchar_t* InternalNameText() = 0;
  virtual HINSTANCE ModuleInstance() = 0;
};
