// The host's core interface. One per process; the stand-in host keeps only the current time.
#include "host/CoreInterface.h"

TimeValue Interface::GetTime() { return time; }

// There are no viewports to redraw in the stand-in host.
void Interface::SetTime(TimeValue t, BOOL /*redraw*/) { time = t; }

Interface* GetCOREInterface() {
  static Interface core;
  return &core;
}
