// The module hooks of the frame's test program.
#include "frame/ModuleHooks.h"
#include "tests/frame/TestClassDescs.h"

TestMapDesc& TheTestMapDesc() {
  static TestMapDesc desc;
  return desc;
}

ClassDesc* ModuleClassDesc() { return &TheTestMapDesc(); }
const wchar_t* ModuleDescription() { return L"Frame Test Module"; }
