#include "penumbrix/PenumbrixClassDesc.h"

#include <new>

#include "frame/AboutValues.h"
#include "penumbrix/Penumbrix.h"
#include "penumbrix/PenumbrixIds.h"

int PenumbrixClassDesc::IsPublic() { return 0; }

// The loading flag is not passed on: a loaded map is built like a new one, then the host
// restores its references and the map reads its chunks.
void* PenumbrixClassDesc::Create(BOOL loading) { return new (std::nothrow) Penumbrix(); }

const wchar_t* PenumbrixClassDesc::ClassName() { return kPenumbrixClassName; }
SClass_ID PenumbrixClassDesc::SuperClassID() { return TEXMAP_CLASS_ID; }
Class_ID PenumbrixClassDesc::ClassID() { return kPenumbrixClassID; }
const wchar_t* PenumbrixClassDesc::Category() { return TEXMAP_CAT_COMP; }

float PenumbrixClassDesc::Version() { return FloatFromBits(kPenumbrixVersionBits); }
WStr PenumbrixClassDesc::BuildDate() { return WStr(kBuildDate); }
int PenumbrixClassDesc::SdkVersion() { return static_cast<int>(kHostSdkVersion); }
WStr PenumbrixClassDesc::RightsNotice() { return WStr(kPenumbrixRightsNotice); }

namespace {
PenumbrixClassDesc descriptor;
}  // namespace

PenumbrixClassDesc* GetPenumbrixClassDesc() { return &descriptor; }
