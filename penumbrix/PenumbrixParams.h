#pragma once
// The map's parameter block: its current layout (version 2), the older layout it converts
// from (version 1), and the names and units the track view shows.
#include "host/ParamBlock.h"
#include "host/ParamBlockPLCB.h"

// Block parameter indices of the current layout.
enum PenumbrixParam {
  kParamLowThreshold = 0,
  kParamHighThreshold = 1,
  kParamCurveDark = 2,
  kParamControl1 = 3,
  kParamControl2 = 4,
  kParamCurveLit = 5,
  kParamDarkColor = 6,
  kParamLitColor = 7,
  kParamDarkAmount = 8,
  kParamLitAmount = 9,
  kPenumbrixParamCount = 10
};

constexpr DWORD kPenumbrixBlockVersion = 2;
// Version 1 lacked the two amounts.
constexpr DWORD kPenumbrixOldBlockVersion = 1;

// The current layout, and the versions the post-load conversion knows.
extern const ParamVersionDesc kPenumbrixCurrentVersion;
extern const ParamVersionDesc kPenumbrixOldVersions[];
constexpr int kPenumbrixOldVersionCount = 1;

// The string id of a parameter's track-view name, or 0 for an index outside the block.
int PenumbrixParamNameId(int index);
// The unit a parameter is shown in, or null where the host's choice stands.
ParamDimension* PenumbrixParamDimension(int index);
