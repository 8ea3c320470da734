#pragma once
// The state every module keeps from load to unload.
#include "host/WinTypes.h"

// Null until process attach, then fixed.
HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);
