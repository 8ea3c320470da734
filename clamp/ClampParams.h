#pragma once
// The material's old-style, unversioned parameter block: six animatable limits in 0-255 units
// (low red, green, blue, high red, green, blue) and the low and high switches.
#include "host/ParamBlock.h"

constexpr int kLowRedParam = 0;
constexpr int kHighRedParam = 3;
constexpr int kLowSwitchParam = 6;
constexpr int kHighSwitchParam = 7;
constexpr int kClampParamCount = 8;
constexpr int kClampLimitCount = 6;

extern const ParamBlockDesc clampParamLayout[kClampParamCount];

// What Reset writes at time 0; the switches keep the new block's 0.
constexpr float kDefaultLowLimit = 0.0f;
constexpr float kDefaultHighLimit = 255.0f;
