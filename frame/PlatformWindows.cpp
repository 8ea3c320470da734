// What the Windows build of the frame needs beyond <windows.h>.
#include "frame/ModuleEntry.h"

HINSTANCE ThisModuleHandle() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModuleHandle), &module);
  return module;
}
