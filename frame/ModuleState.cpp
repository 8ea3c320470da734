#include "frame/ModuleState.h"

namespace {
// Written once at process attach, read-only afterwards.
HINSTANCE moduleInstance = nullptr;
}  // namespace

HINSTANCE ModuleInstance() { return moduleInstance; }

void SetModuleInstance(HINSTANCE instance) { moduleInstance = instance; }
