#pragma once
// The Windows base types the plug-ins use. The Windows build takes them from <windows.h>;
// the native build defines the same names so portable code compiles unchanged.
#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdint>

using BOOL = int;
using BYTE = unsigned char;
using WORD = unsigned short;
using USHORT = unsigned short;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using ULONG_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using LPVOID = void*;
using COLORREF = DWORD;

struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
struct HWND__;
using HWND = HWND__*;
struct HDC__;
using HDC = HDC__*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#define WINAPI
#define CALLBACK
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;
#endif
