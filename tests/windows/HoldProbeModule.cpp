// A minimal module linked against the host DLL. The test program loads it at run time and
// checks that both sides share one undo stack and one heap.
#include <windows.h>

#include "host/Hold.h"
#include "host/ParamBlock.h"

namespace {

class ModuleTarget : public ReferenceTarget {};

}  // namespace

extern "C" {

__declspec(dllexport) Hold* ProbeHoldAddress() { return &theHold; }

__declspec(dllexport) BOOL ProbeHolding() { return theHold.Holding(); }

// One undoable edit made entirely inside the module.
__declspec(dllexport) void ProbeEditBlock(IParamBlock* block, float value) {
  theHold.Begin();
  block->SetValue(0, 0, value);
  theHold.Accept(L"Param Change");
}

// An object made by the module's code, released later by the program.
__declspec(dllexport) ReferenceTarget* ProbeNewTarget() { return new ModuleTarget(); }

}  // extern "C"
