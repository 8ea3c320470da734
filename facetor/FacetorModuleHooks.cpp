// What Facetor.dlt hands the shared module frame.
#include "facetor/FacetorIds.h"
#include "facetor/NullMtlClassDesc.h"
#include "frame/ModuleHooks.h"

ClassDesc* ModuleClassDesc() { return GetNullMtlClassDesc(); }
const wchar_t* ModuleDescription() { return kFacetorDescription; }
