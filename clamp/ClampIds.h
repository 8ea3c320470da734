#pragma once
// The identity of the Color Clamp class: what the descriptor and the material answer.
#include "host/MaxTypes.h"

constexpr Class_ID kClampClassID(0x6E134CA5, 0x714F791E);
constexpr const wchar_t* kClampClassName = L"Color Clamp";
constexpr const wchar_t* kClampObjectName = L"Color Clamp v2.04";
constexpr const wchar_t* kClampInternalName = L"Color_Clamp";
constexpr const wchar_t* kClampDescription = L"Clamp Material";
constexpr std::uint32_t kClampVersionBits = 0x4002C083u;  // 2.043
