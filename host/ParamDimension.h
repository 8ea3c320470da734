#pragma once
// Units in which the host shows a parameter.
#include "host/HostApi.h"

class HOSTAPI ParamDimension {
 public:
  virtual ~ParamDimension();
  virtual float Convert(float value);    // stored -> shown
  virtual float UnConvert(float value);  // shown -> stored
  virtual const wchar_t* DimensionName();
};

extern HOSTAPI ParamDimension* defaultDim;
extern HOSTAPI ParamDimension* stdPercentDim;   // 0..1 shown as 0..100
extern HOSTAPI ParamDimension* stdColor255Dim;  // 0..1 shown as 0..255
