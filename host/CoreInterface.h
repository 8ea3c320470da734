#pragma once
// The host application's core interface: its current time.
#include "host/MaxTypes.h"

class HOSTAPI Interface {
public:
  TimeValue GetTime();
  void SetTime(TimeValue t, BOOL redraw = TRUE);

private:
  TimeValue time = 0;
};

HOSTAPI Interface* GetCOREInterface();
