#include "frame/ModuleEntry.h"
#include "frame/ModuleState.h"
#include "frame/WinApi.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    SetModuleInstance(instance);
    // The module keeps no per-thread state.
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
