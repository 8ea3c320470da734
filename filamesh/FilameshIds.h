#pragma once
// Identity of the Filamesh wire map: the values its descriptor, its map and its panel answer.
#include "host/MaxTypes.h"

constexpr Class_ID kFilameshClassID(0x749A397B, 0x41FA3843);
constexpr const wchar_t* kFilameshClassName = L"Filamesh";
constexpr const wchar_t* kFilameshDescription = L"Ostrel's Materials and Textures";
// 1.02 in single precision.
constexpr std::uint32_t kFilameshVersionBits = 0x3F828F5Cu;
