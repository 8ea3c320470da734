// The string table as the native build's LoadStringW reads it.
#include "clamp/ClampStrings.h"
#include "frame/StringTable.h"

const ResourceString moduleStringTable[] = {CLAMP_STRINGS(OSTREL_NATIVE_STRING){0, nullptr}};
