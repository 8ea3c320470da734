#pragma once
// Symbols exported by the OstrelLib module.
#if defined(_WIN32)
#if defined(OSTRELLIB_BUILD)
#define OSTRELLIB_API __declspec(dllexport)
#else
#define OSTRELLIB_API __declspec(dllimport)
#endif
#else
#define OSTRELLIB_API __attribute__((visibility("default")))
#endif
