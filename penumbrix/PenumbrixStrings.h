#pragma once
// Resource ids and the string list of Penumbrix.dlt. Plain #defines only: the .rc includes this too.

#define IDS_PENUMBRIX 3
#define IDS_COLOR1 10080
#define IDS_COLOR2 10081
#define IDS_PARAMETERS 10122
#define IDS_PARAM_CHANGE 10183
#define IDS_NONE 30464
#define IDS_LOW_THRESHOLD 30470
#define IDS_HIGH_THRESHOLD 30471
#define IDS_CONTROL1 30472
#define IDS_CONTROL2 30473
#define IDS_CURVE_LIT 30474
#define IDS_CURVE_DARK 30475
#define IDS_COLOR_CHANGE 30476
#define IDS_AMOUNT1 30477
#define IDS_AMOUNT2 30478
#define IDS_OUTPUT 30479

// The module's string table, expanded by the .rc and by the native table.
#define PENUMBRIX_STRINGS(X)          \
  X(IDS_PENUMBRIX, "Penumbrix")       \
  X(IDS_COLOR1, "Color 1")            \
  X(IDS_COLOR2, "Color 2")            \
  X(IDS_PARAMETERS, "Parameters")     \
  X(IDS_PARAM_CHANGE, "Param Change") \
  X(IDS_NONE, "None")                 \
  X(IDS_LOW_THRESHOLD, "Dark")        \
  X(IDS_HIGH_THRESHOLD, "Lit")        \
  X(IDS_CONTROL1, "Control 1")        \
  X(IDS_CONTROL2, "Control 2")        \
  X(IDS_CURVE_LIT, "Lit")             \
  X(IDS_CURVE_DARK, "Dark")           \
  X(IDS_COLOR_CHANGE, "Color Change") \
  X(IDS_AMOUNT1, "Color 1 Amount")    \
  X(IDS_AMOUNT2, "Color 2 Amount")    \
  X(IDS_OUTPUT, "Output")
