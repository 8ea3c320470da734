#pragma once
// The wire map's parameter block: version 1, four animatable parameters.
#include "host/Color.h"
#include "host/ParamBlock.h"

enum FilameshParam : int {
  kWidthParam = 0,        // float, a fraction of the face
  kWireColorParam = 1,    // colour on the wire
  kCenterColorParam = 2,  // colour off the wire
  kSuperSampleParam = 3,  // BOOL, read only for the render requirements
  kFilameshParamCount = 4
};

constexpr DWORD kFilameshBlockVersion = 1;
extern const ParamBlockDescID filameshBlockLayout[kFilameshParamCount];

// Defaults, written at time 0 by Reset.
constexpr float kDefaultWidth = 0.1f;
constexpr Color kDefaultWireColor(0.0f, 0.0f, 0.0f);
constexpr Color kDefaultCenterColor(1.0f, 1.0f, 1.0f);
constexpr int kDefaultSuperSample = 1;

// The name reported to the host for parameter `index`, or null outside the block.
const wchar_t* FilameshParamName(int index);
