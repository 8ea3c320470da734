#pragma once
// Identity of the Facetor probe material: the values its descriptor, material and panel answer.
#include "host/MaxTypes.h"

constexpr Class_ID kNullMtlClassID(0x7F6967DF, 0x58B22385);
// The descriptor's class name, which is also the module's description.
constexpr const wchar_t* kFacetorDescription = L"Facetor Material";
// The material's own class name.
constexpr const wchar_t* kNullMtlClassName = L"Facetor";
