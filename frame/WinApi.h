#pragma once
// The few Windows calls the frame makes. The native build supplies stand-ins for them
// (PlatformNative.cpp): LoadStringW reads the module's own string table.
#include "host/WinTypes.h"

#if !defined(_WIN32)
int LoadStringW(HINSTANCE instance, UINT id, wchar_t* buffer, int bufferMax);
BOOL DisableThreadLibraryCalls(HMODULE module);
#endif
