#include "penumbrix/PenumbrixParams.h"

#include "penumbrix/PenumbrixStrings.h"

namespace {
// Ids 1 to 10; the first eight are the whole of version 1.
const ParamBlockDescID kLayout[kPenumbrixParamCount] = {
    {TYPE_FLOAT, nullptr, TRUE, 1},  {TYPE_FLOAT, nullptr, TRUE, 2}, {TYPE_FLOAT, nullptr, TRUE, 3},
    {TYPE_FLOAT, nullptr, TRUE, 4},  {TYPE_FLOAT, nullptr, TRUE, 5}, {TYPE_FLOAT, nullptr, TRUE, 6},
    {TYPE_RGBA, nullptr, TRUE, 7},   {TYPE_RGBA, nullptr, TRUE, 8},  {TYPE_FLOAT, nullptr, TRUE, 9},
    {TYPE_FLOAT, nullptr, TRUE, 10},
};
constexpr int kVersion1Count = 8;

const int kNameIds[kPenumbrixParamCount] = {
    IDS_LOW_THRESHOLD, IDS_HIGH_THRESHOLD, IDS_CURVE_DARK, IDS_CONTROL1, IDS_CONTROL2,
    IDS_CURVE_LIT,     IDS_COLOR1,         IDS_COLOR2,     IDS_AMOUNT1,  IDS_AMOUNT2,
};
}  // namespace

const ParamVersionDesc kPenumbrixCurrentVersion = {kLayout, kPenumbrixParamCount, kPenumbrixBlockVersion};
const ParamVersionDesc kPenumbrixOldVersions[kPenumbrixOldVersionCount] = {
    {kLayout, kVersion1Count, kPenumbrixOldBlockVersion},
};

int PenumbrixParamNameId(int index) {
  if (index < 0 || index >= kPenumbrixParamCount) return 0;
  return kNameIds[index];
}

ParamDimension* PenumbrixParamDimension(int index) {
  switch (index) {
    case kParamLowThreshold:
    case kParamHighThreshold:
      return stdPercentDim;
    case kParamDarkColor:
    case kParamLitColor:
      return stdColor255Dim;
    default:
      return nullptr;
  }
}
