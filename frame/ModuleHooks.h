#pragma once
// What each module supplies to the shared frame: its one descriptor and its description.
#include "host/ClassDesc.h"

ClassDesc* ModuleClassDesc();
const wchar_t* ModuleDescription();
