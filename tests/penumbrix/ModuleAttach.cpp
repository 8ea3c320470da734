// A test program is its own module: attach it the way the host's loader attaches a .dlt, so the
// map reads its texts from the string table linked into the program.
#include <gtest/gtest.h>

#include "frame/ModuleEntry.h"

namespace {
class ModuleAttach : public testing::Environment {
 public:
  void SetUp() override { DllMain(ThisModuleHandle(), DLL_PROCESS_ATTACH, nullptr); }
};
testing::Environment* const attach = testing::AddGlobalTestEnvironment(new ModuleAttach);
}  // namespace
