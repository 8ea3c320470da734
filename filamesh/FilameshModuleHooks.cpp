// What Filamesh.dlt hands the shared module frame.
#include "filamesh/FilameshClassDesc.h"
#include "filamesh/FilameshIds.h"
#include "frame/ModuleHooks.h"

ClassDesc* ModuleClassDesc() { return GetFilameshClassDesc(); }
const wchar_t* ModuleDescription() { return kFilameshDescription; }
