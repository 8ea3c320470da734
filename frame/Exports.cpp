#include "frame/AboutValues.h"
#include "frame/ModuleEntry.h"
#include "frame/ModuleHooks.h"

extern "C" {

const wchar_t* LibDescription() { return ModuleDescription(); }

int LibNumberClasses() { return 1; }

ClassDesc* LibClassDesc(int i) { return i == 0 ? ModuleClassDesc() : nullptr; }

ULONG LibVersion() { return kHostSdkVersion; }

// The host may defer loading the module until its class is needed.
ULONG CanAutoDefer() { return 1; }
}
