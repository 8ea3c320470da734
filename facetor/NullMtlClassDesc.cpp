#include "facetor/NullMtlClassDesc.h"

#include <new>

#include "facetor/FacetorIds.h"
#include "facetor/NullMtl.h"

int NullMtlClassDesc::IsPublic() { return 1; }
void* NullMtlClassDesc::Create(BOOL loading) { return new (std::nothrow) NullMtl(loading); }
const wchar_t* NullMtlClassDesc::ClassName() { return kFacetorDescription; }
SClass_ID NullMtlClassDesc::SuperClassID() { return MATERIAL_CLASS_ID; }
Class_ID NullMtlClassDesc::ClassID() { return kNullMtlClassID; }
const wchar_t* NullMtlClassDesc::Category() { return L""; }

namespace {
NullMtlClassDesc descriptor;
}  // namespace

NullMtlClassDesc* GetNullMtlClassDesc() { return &descriptor; }
