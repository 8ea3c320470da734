#include <gtest/gtest.h>

#include "tests/host/HostFixtures.h"

namespace {

using hosttest::Owner;

const ParamBlockDescID kLayout[] = {
    {TYPE_FLOAT, nullptr, TRUE, 0},
    {TYPE_RGBA, nullptr, TRUE, 1},
    {TYPE_INT, nullptr, TRUE, 2},
};

bool sameParam(const IParamBlock::Param& a, const IParamBlock::Param& b) {
  if (a.keys.size() != b.keys.size()) return false;
  for (int c = 0; c < 3; ++c) {
    if (a.value[c] != b.value[c]) return false;
  }
  for (std::size_t k = 0; k < a.keys.size(); ++k) {
    if (a.keys[k].time != b.keys[k].time) return false;
    for (int c = 0; c < 3; ++c) {
      if (a.keys[k].value[c] != b.keys[k].value[c]) return false;
    }
  }
  return true;
}

// Counts its own deletions; writes into a block when restored, as a plug-in's record might.
class CountingRestore : public RestoreObj {
 public:
  CountingRestore(int* deleted, IParamBlock* block = nullptr) : deleted(deleted), block(block) {}
  ~CountingRestore() override { ++*deleted; }
  void Restore(int) override {
    if (block != nullptr) block->SetValue(0, 0, 99.0f);
  }
  void Redo() override {}

 private:
  int* deleted;
  IParamBlock* block;
};

class Undo : public ::testing::Test {
 protected:
  void SetUp() override {
    hosttest::resetHost();
    owner = new Owner(1);
    block = CreateParameterBlock(kLayout, 3, 1);
    owner->ReplaceReference(0, block);
  }
  void TearDown() override {
    hosttest::resetHost();
    owner->DeleteThis();
  }
  Owner* owner = nullptr;
  IParamBlock* block = nullptr;
};

TEST_F(Undo, UndoAndRedoRestoreExactlyWithKeysAndNotify) {
  block->SetValue(0, 0, 0.1f);
  AnimateOn();
  block->SetValue(1, 4800, Color(0.2f, 0.4f, 0.6f));
  AnimateOff();
  const IParamBlock::Param floatBefore = block->param(0);
  const IParamBlock::Param colorBefore = block->param(1);

  theHold.Begin();
  AnimateOn();
  block->SetValue(0, 2400, 0.7f);                     // first key: also keys time 0
  block->SetValue(1, 2400, Color(1.0f, 0.0f, 0.3f));  // a key between two others
  AnimateOff();
  block->SetValue(1, 0, Color(0.0f, 0.5f, 0.5f));  // changes the existing key at 0
  theHold.Accept(L"Color Change");
  const IParamBlock::Param floatAfter = block->param(0);
  const IParamBlock::Param colorAfter = block->param(1);
  ASSERT_EQ(theHold.NumUndoEntries(), 1);
  EXPECT_EQ(theHold.UndoEntryName(0), WStr(L"Color Change"));

  const int changes = owner->count(REFMSG_CHANGE);
  EXPECT_TRUE(theHold.Undo());
  EXPECT_TRUE(sameParam(block->param(0), floatBefore));
  EXPECT_TRUE(sameParam(block->param(1), colorBefore));
  EXPECT_GT(owner->count(REFMSG_CHANGE), changes);
  EXPECT_EQ(theHold.NumUndoEntries(), 0);
  ASSERT_EQ(theHold.NumRedoEntries(), 1);
  EXPECT_EQ(theHold.RedoEntryName(0), WStr(L"Color Change"));

  const int changesAfterUndo = owner->count(REFMSG_CHANGE);
  EXPECT_TRUE(theHold.Redo());
  EXPECT_TRUE(sameParam(block->param(0), floatAfter));
  EXPECT_TRUE(sameParam(block->param(1), colorAfter));
  EXPECT_GT(owner->count(REFMSG_CHANGE), changesAfterUndo);
  EXPECT_FALSE(theHold.Redo());

  // Undo and redo record nothing themselves, and the history names read newest first.
  theHold.Begin();
  block->SetValue(2, 0, 4);
  theHold.Accept(L"Param Change");
  theHold.Begin();
  block->SwapControllers(0, 0);  // one index with itself: no change, no record
  block->SetValue(0, 0, 2.0f);
  theHold.Accept(L"Parameter Change");
  ASSERT_EQ(theHold.NumUndoEntries(), 3);
  EXPECT_EQ(theHold.UndoEntryName(0), WStr(L"Parameter Change"));
  EXPECT_EQ(theHold.UndoEntryName(1), WStr(L"Param Change"));
  EXPECT_EQ(theHold.UndoEntryName(2), WStr(L"Color Change"));
  EXPECT_EQ(theHold.UndoEntryName(3), WStr(L""));
  EXPECT_TRUE(theHold.Undo());
  EXPECT_TRUE(theHold.Undo());
  EXPECT_EQ(block->GetInt(2), 0);
  EXPECT_EQ(theHold.NumUndoEntries(), 1);
  EXPECT_EQ(theHold.NumRedoEntries(), 2);

  // A new entry ends the redo branch.
  theHold.Begin();
  block->SetValue(2, 0, 9);
  theHold.Accept(L"Param Change");
  EXPECT_EQ(theHold.NumRedoEntries(), 0);
  EXPECT_EQ(theHold.NumUndoEntries(), 2);
}

TEST_F(Undo, CancelRestoresAtOnceAndLeavesNoEntry) {
  block->SetValue(1, 0, Color(0.1f, 0.2f, 0.3f));
  const IParamBlock::Param before = block->param(1);

  theHold.Begin();
  EXPECT_TRUE(theHold.Holding());
  block->SetValue(1, 0, Color(0.9f, 0.9f, 0.9f));
  AnimateOn();
  block->SetValue(1, 960, Color(0.5f, 0.5f, 0.5f));
  AnimateOff();
  const int changes = owner->count(REFMSG_CHANGE);
  theHold.Cancel();
  EXPECT_FALSE(theHold.Holding());
  EXPECT_TRUE(sameParam(block->param(1), before));
  EXPECT_GT(owner->count(REFMSG_CHANGE), changes);
  EXPECT_EQ(theHold.NumUndoEntries(), 0);

  // Accepting a hold with nothing recorded makes no entry either.
  theHold.Begin();
  theHold.Accept(L"Param Change");
  EXPECT_EQ(theHold.NumUndoEntries(), 0);
  // Writes outside a hold are not recorded.
  block->SetValue(0, 0, 3.0f);
  EXPECT_EQ(theHold.NumUndoEntries(), 0);
  EXPECT_FALSE(theHold.Undo());
}

TEST_F(Undo, NestedHoldsEndAtTheOutermost) {
  theHold.Begin();
  block->SetValue(0, 0, 1.0f);
  theHold.Begin();
  block->SetValue(2, 0, 5);
  theHold.Cancel();  // undoes only what the inner hold recorded
  EXPECT_TRUE(theHold.Holding());
  EXPECT_EQ(block->GetInt(2), 0);
  EXPECT_EQ(block->GetFloat(0), 1.0f);
  theHold.Begin();
  block->SetValue(2, 0, 6);
  theHold.Accept(L"inner");  // joins the outer hold
  EXPECT_EQ(theHold.NumUndoEntries(), 0);
  theHold.Accept(L"Parameter Change");
  ASSERT_EQ(theHold.NumUndoEntries(), 1);
  EXPECT_EQ(theHold.UndoEntryName(0), WStr(L"Parameter Change"));
  theHold.Undo();
  EXPECT_EQ(block->GetFloat(0), 0.0f);
  EXPECT_EQ(block->GetInt(2), 0);

  // Suspended, nothing is held.
  theHold.Begin();
  theHold.Suspend();
  EXPECT_FALSE(theHold.Holding());
  block->SetValue(0, 0, 4.0f);
  theHold.Resume();
  theHold.Cancel();
  EXPECT_EQ(block->GetFloat(0), 4.0f);
}

TEST_F(Undo, RecordsAreOwnedAndRestoringWritesAreNotRecorded) {
  int deleted = 0;
  theHold.Put(new CountingRestore(&deleted));  // not holding: dropped at once
  EXPECT_EQ(deleted, 1);

  theHold.Begin();
  theHold.Put(new CountingRestore(&deleted, block));
  theHold.Accept(L"Param Change");
  EXPECT_TRUE(theHold.Undo());  // the record writes into the block while restoring
  EXPECT_FALSE(theHold.Restoring());
  EXPECT_EQ(block->GetFloat(0), 99.0f);
  EXPECT_EQ(theHold.NumUndoEntries(), 0);
  EXPECT_EQ(theHold.NumRedoEntries(), 1);
  theHold.ClearHistory();
  EXPECT_EQ(deleted, 2);

  theHold.Begin();
  theHold.Put(new CountingRestore(&deleted));
  theHold.Cancel();
  EXPECT_EQ(deleted, 3);
}

TEST_F(Undo, RecordsOutlivingTheirBlockDoNothing) {
  IParamBlock* doomed = CreateParameterBlock(kLayout, 3, 1);
  owner->ReplaceReference(0, doomed);  // the fixture's block goes
  theHold.Begin();
  doomed->SetValue(0, 0, 1.0f);
  theHold.Accept(L"Param Change");
  owner->DeleteReference(0);    // deletes `doomed` while the history still names it
  EXPECT_TRUE(theHold.Undo());  // must not write into freed memory (ASan)
  EXPECT_TRUE(theHold.Redo());

  // A new block at the same address is not mistaken for the old one.
  block = CreateParameterBlock(kLayout, 3, 1);
  owner->ReplaceReference(0, block);
  EXPECT_TRUE(theHold.Undo());
  EXPECT_EQ(block->GetFloat(0), 0.0f);
}

}  // namespace
