#pragma once
// Symbols of the stand-in host library: one DLL (Windows) or shared object (native) that every
// module and program links, so all of them share one undo stack and one host state.
#if defined(_WIN32)
#if defined(OSTREL_HOST_BUILD)
#define HOSTAPI __declspec(dllexport)
#else
#define HOSTAPI __declspec(dllimport)
#endif
#else
#define HOSTAPI __attribute__((visibility("default")))
#endif
