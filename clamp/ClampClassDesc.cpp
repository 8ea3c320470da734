#include "clamp/ClampClassDesc.h"

#include <new>

#include "clamp/Clamp.h"
#include "clamp/ClampIds.h"
#include "frame/AboutValues.h"
#include "frame/ModuleEntry.h"
#include "frame/ModuleHooks.h"
#include "frame/ModuleState.h"

namespace {
ClampClassDesc clampClassDesc;
}  // namespace

ClampClassDesc& TheClampClassDesc() { return clampClassDesc; }

ClassDesc* ModuleClassDesc() { return &clampClassDesc; }
const wchar_t* ModuleDescription() { return kClampDescription; }

int ClampClassDesc::IsPublic() { return 1; }

void* ClampClassDesc::Create(BOOL loading) {
  Mtl* mtl = new (std::nothrow) Clamp(loading);
  return mtl;
}

const wchar_t* ClampClassDesc::ClassName() { return kClampClassName; }
SClass_ID ClampClassDesc::SuperClassID() { return MATERIAL_CLASS_ID; }
Class_ID ClampClassDesc::ClassID() { return kClampClassID; }
const wchar_t* ClampClassDesc::Category() { return L""; }

const wchar_t* ClampClassDesc::InternalNameText() { return kClampInternalName; }
HINSTANCE ClampClassDesc::ModuleInstance() { return ::ModuleInstance(); }

float ClampClassDesc::Version() { return FloatFromBits(kClampVersionBits); }
WStr ClampClassDesc::BuildDate() { return kBuildDate; }
int ClampClassDesc::SdkVersion() { return static_cast<int>(LibVersion()); }
WStr ClampClassDesc::RightsNotice() { return kRightsNotice; }
