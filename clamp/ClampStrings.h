#pragma once
// The clamp module's string table, written once for both builds (see frame/StringTable.h).
#define IDS_SOURCE_MATERIAL 1
#define IDS_CLAMP_PARAMETERS 2
#define IDS_PARAMETER_CHANGE 3
#define IDS_NONE 4
#define IDS_LOW_RED 5
#define IDS_LOW_GREEN 6
#define IDS_LOW_BLUE 7
#define IDS_HIGH_RED 8
#define IDS_HIGH_GREEN 9
#define IDS_HIGH_BLUE 10

#define CLAMP_STRINGS(X)                            \
  X(IDS_SOURCE_MATERIAL, "Source Material")         \
  X(IDS_CLAMP_PARAMETERS, "Color Clamp Parameters") \
  X(IDS_PARAMETER_CHANGE, "Parameter Change")       \
  X(IDS_NONE, "None")                               \
  X(IDS_LOW_RED, "Low Red")                         \
  X(IDS_LOW_GREEN, "Low Green")                     \
  X(IDS_LOW_BLUE, "Low Blue")                       \
  X(IDS_HIGH_RED, "High Red")                       \
  X(IDS_HIGH_GREEN, "High Green")                   \
  X(IDS_HIGH_BLUE, "High Blue")
