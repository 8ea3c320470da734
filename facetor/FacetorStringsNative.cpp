// Facetor has no texts; the native LoadStringW stand-in still reads a table, so it is empty.
#include "frame/StringTable.h"

const ResourceString moduleStringTable[] = {{0, nullptr}};
