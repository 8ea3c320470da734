#include "filamesh/FilameshClassDesc.h"

#include "filamesh/Filamesh.h"
#include "filamesh/FilameshIds.h"
#include "frame/AboutValues.h"

int FilameshClassDesc::IsPublic() { return 1; }

// The loading flag is not passed on: a loaded map is built like a new one, then the host
// restores its block.
void* FilameshClassDesc::Create(BOOL loading) { return new (std::nothrow) Filamesh(); }

const wchar_t* FilameshClassDesc::ClassName() { return kFilameshClassName; }
SClass_ID FilameshClassDesc::SuperClassID() { return TEXMAP_CLASS_ID; }
Class_ID FilameshClassDesc::ClassID() { return kFilameshClassID; }
const wchar_t* FilameshClassDesc::Category() { return TEXMAP_CAT_3D; }

float FilameshClassDesc::Version() { return FloatFromBits(kFilameshVersionBits); }
WStr FilameshClassDesc::BuildDate() { return WStr(kBuildDate); }
int FilameshClassDesc::SdkVersion() { return static_cast<int>(kHostSdkVersion); }
WStr FilameshClassDesc::RightsNotice() { return WStr(kRightsNotice); }

namespace {
FilameshClassDesc descriptor;
}  // namespace

FilameshClassDesc* GetFilameshClassDesc() { return &descriptor; }
