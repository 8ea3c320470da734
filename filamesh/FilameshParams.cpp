#include "filamesh/FilameshParams.h"

const ParamBlockDescID filameshBlockLayout[kFilameshParamCount] = {
    {TYPE_FLOAT, nullptr, TRUE, 0},
    {TYPE_RGBA, nullptr, TRUE, 1},
    {TYPE_RGBA, nullptr, TRUE, 2},
    {TYPE_BOOL, nullptr, TRUE, 3},
};

const wchar_t* FilameshParamName(int index) {
  static const wchar_t* const names[kFilameshParamCount] = {L"Width", L"Wire Color", L"Center Color",
                                                            L"SuperSample"};
  if (index < 0 || index >= kFilameshParamCount) return nullptr;
  return names[index];
}
