// What Penumbrix.dlt hands the shared module frame.
#include "frame/ModuleHooks.h"
#include "penumbrix/PenumbrixClassDesc.h"
#include "penumbrix/PenumbrixIds.h"

ClassDesc* ModuleClassDesc() { return GetPenumbrixClassDesc(); }
const wchar_t* ModuleDescription() { return kPenumbrixDescription; }
