// The string table as the native build's LoadStringW reads it.
#include "filamesh/FilameshStrings.h"
#include "frame/StringTable.h"

const ResourceString moduleStringTable[] = {FILAMESH_STRINGS(OSTREL_NATIVE_STRING){0, nullptr}};
