#pragma once
// About information shared by the modules that carry it.
#include <cstdint>
#include <cstring>

#include "host/MaxTypes.h"

// The host SDK the modules are built against: release 21000, API 52, revision 0.
constexpr ULONG kHostSdkVersion = (21000u << 16) | (52u << 8) | 0u;
constexpr const wchar_t* kBuildDate = L"Mar 11 2018";
// The copyright line of every module that carries about information.
constexpr const wchar_t* kRightsNotice = L"Copyright (C) 2018 Ostrel. All rights reserved.";

// A float from its exact bit pattern.
inline float FloatFromBits(std::uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}
