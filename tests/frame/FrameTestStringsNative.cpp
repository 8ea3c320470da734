#include "frame/StringTable.h"
#include "tests/frame/FrameTestStrings.h"

const ResourceString moduleStringTable[] = {FRAME_TEST_STRINGS(OSTREL_NATIVE_STRING){0, nullptr}};
