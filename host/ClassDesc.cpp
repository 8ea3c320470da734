// Defaults of the class descriptors: what a plug-in's descriptor answers when it overrides nothing.
#include "host/ClassDesc.h"

ClassDesc::ClassDesc() = default;
ClassDesc::~ClassDesc() = default;

BOOL ClassDesc::OkToCreate() { return TRUE; }
const wchar_t* ClassDesc::InternalName() { return nullptr; }
HINSTANCE ClassDesc::HInstance() { return nullptr; }
int ClassDesc::NumParamBlockDescs() { return 0; }

ClassDesc2::ClassDesc2() = default;
ClassDesc2::~ClassDesc2() = default;

// The stand-in host registers no parameter-block-2 descriptions, so there is nothing to reset.
int ClassDesc2::NumParamBlockDescs() { return 0; }
BOOL ClassDesc2::IsAutoParamBlock() { return FALSE; }
void ClassDesc2::ResetClassParams(BOOL /*fileReset*/) {}
