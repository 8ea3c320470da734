// Loads a module with LoadLibrary and checks that module and program see one host.
#include <gtest/gtest.h>
#include <windows.h>

#include "host/Hold.h"
#include "host/ParamBlock.h"

namespace {

using HoldAddressFn = Hold* (*)();
using HoldingFn = BOOL (*)();
using EditBlockFn = void (*)(IParamBlock*, float);
using NewTargetFn = ReferenceTarget* (*)();

template <class Fn>
Fn entry(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Owner : public ReferenceMaker {
 public:
  ~Owner() override { DeleteAllRefsFromMe(); }
  int NumRefs() override { return 1; }
  RefTargetHandle GetReference(int) override { return ref; }
  void SetReference(int, RefTargetHandle t) override { ref = t; }
  ReferenceTarget* ref = nullptr;
};

TEST(SharedHost, ALoadedModuleSeesTheProgramsHoldAndHeap) {
  HMODULE module = LoadLibraryW(L"hold_probe.dll");
  ASSERT_NE(module, nullptr) << "LoadLibrary failed: " << GetLastError();
  auto holdAddress = entry<HoldAddressFn>(module, "ProbeHoldAddress");
  auto holding = entry<HoldingFn>(module, "ProbeHolding");
  auto editBlock = entry<EditBlockFn>(module, "ProbeEditBlock");
  auto newTarget = entry<NewTargetFn>(module, "ProbeNewTarget");
  ASSERT_TRUE(holdAddress && holding && editBlock && newTarget);

  theHold.ClearHistory();
  EXPECT_EQ(holdAddress(), &theHold);
  EXPECT_FALSE(holding());
  theHold.Begin();
  EXPECT_TRUE(holding());  // the program's Begin is seen by the module
  theHold.Cancel();

  const ParamBlockDescID layout[] = {{TYPE_FLOAT, nullptr, TRUE, 0}};
  auto* owner = new Owner();
  IParamBlock* block = CreateParameterBlock(layout, 1, 1);
  owner->ReplaceReference(0, block);
  editBlock(block, 0.5f);  // the module's undo entry lands in the program's history
  ASSERT_EQ(theHold.NumUndoEntries(), 1);
  EXPECT_EQ(theHold.UndoEntryName(0), WStr(L"Param Change"));
  EXPECT_EQ(block->GetFloat(0), 0.5f);
  EXPECT_TRUE(theHold.Undo());
  EXPECT_EQ(block->GetFloat(0), 0.0f);

  // An object the module allocated is released by the program through the host's heap.
  ReferenceTarget* made = newTarget();
  ASSERT_NE(made, nullptr);
  owner->ReplaceReference(0, made);  // drops the block, keeps the module's object
  EXPECT_EQ(made->NumDependents(), 1);
  owner->DeleteThis();  // and with it the module's object

  theHold.ClearHistory();
  EXPECT_TRUE(FreeLibrary(module));
}

}  // namespace
