// The native build's copy of the module's string table; the Windows build has it in the .rc.
#include "frame/StringTable.h"
#include "penumbrix/PenumbrixStrings.h"

const ResourceString moduleStringTable[] = {PENUMBRIX_STRINGS(OSTREL_NATIVE_STRING){0, nullptr}};
