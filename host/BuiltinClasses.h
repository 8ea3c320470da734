#pragma once
// Descriptors of the host's own classes, which the scene file can always create.
#include "host/ClassDesc.h"

HOSTAPI ClassDesc* ParamBlockClassDesc();
HOSTAPI ClassDesc* TextureOutputClassDesc();
HOSTAPI ClassDesc* StdMatClassDesc();
