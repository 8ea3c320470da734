#pragma once
// The module's entry points: process attach and the exports the host looks up by name.
#include "host/ClassDesc.h"
#include "host/WinTypes.h"

// Natively only these names leave the module; the Windows build exports by the .def file.
#if defined(_WIN32)
#define OSTREL_EXPORT
#else
#define OSTREL_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
// Records the instance at process attach; every reason answers TRUE.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

OSTREL_EXPORT const wchar_t* LibDescription();
OSTREL_EXPORT int LibNumberClasses();
OSTREL_EXPORT ClassDesc* LibClassDesc(int i);
OSTREL_EXPORT ULONG LibVersion();
OSTREL_EXPORT ULONG CanAutoDefer();
}

// The handle of the module this code is linked into (a .dlt, or a test program).
HINSTANCE ThisModuleHandle();
