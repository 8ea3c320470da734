#include <gtest/gtest.h>

#include "tests/host/HostFixtures.h"

namespace {

using hosttest::Owner;
using hosttest::Probe;

class References : public ::testing::Test {
 protected:
  void SetUp() override { hosttest::resetHost(); }
};

TEST_F(References, ChangeMessagesReachDependentsAndTravelUp) {
  // scene -> material -> block; a change of the block reaches both unless the material stops it.
  auto* scene = new Owner(1);
  auto* material = new Owner(1);
  auto* other = new Owner(1);
  auto* leaf = new Probe();
  scene->ReplaceReference(0, material);
  material->ReplaceReference(0, leaf);
  other->ReplaceReference(0, leaf);

  leaf->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
  ASSERT_EQ(material->received.size(), 1u);
  EXPECT_EQ(material->received[0].from, leaf);
  EXPECT_EQ(other->count(REFMSG_CHANGE), 1);
  ASSERT_EQ(scene->count(REFMSG_CHANGE), 1);
  EXPECT_EQ(scene->received[0].from, material);  // told by its own target, not the leaf

  material->stopChanges = true;
  leaf->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
  EXPECT_EQ(material->count(REFMSG_CHANGE), 2);
  EXPECT_EQ(scene->count(REFMSG_CHANGE), 1);

  // Without propagation only the direct dependents hear it.
  material->stopChanges = false;
  leaf->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE, FALSE);
  EXPECT_EQ(material->count(REFMSG_CHANGE), 3);
  EXPECT_EQ(scene->count(REFMSG_CHANGE), 1);

  other->DeleteThis();
  scene->DeleteThis();  // takes material and, with it, the leaf
}

TEST_F(References, ATargetGoesWhenItsLastDependentDropsIt) {
  bool gone = false;
  auto* a = new Owner(2);
  auto* b = new Owner(1);
  auto* shared = new Probe(&gone);
  a->ReplaceReference(0, shared);
  a->ReplaceReference(1, shared);  // two links from one maker
  b->ReplaceReference(0, shared);
  EXPECT_EQ(shared->NumDependents(), 3);

  a->DeleteReference(0);
  b->ReplaceReference(0, new Probe());
  EXPECT_FALSE(gone);
  EXPECT_EQ(shared->NumDependents(), 1);
  a->DeleteReference(1);
  EXPECT_TRUE(gone);
  EXPECT_EQ(a->GetReference(1), nullptr);

  // deleteOld FALSE keeps an orphan alive for its new owner.
  bool keptGone = false;
  auto* kept = new Probe(&keptGone);
  a->ReplaceReference(0, kept);
  a->ReplaceReference(0, nullptr, FALSE);
  EXPECT_FALSE(keptGone);
  EXPECT_EQ(kept->NumDependents(), 0);
  b->ReplaceReference(0, kept);
  a->DeleteThis();
  b->DeleteThis();
  EXPECT_TRUE(keptGone);
}

TEST_F(References, NoPointerDanglesWhenEitherSideIsDeleted) {
  // A target deleted under its makers clears their slots and their records.
  auto* a = new Owner(2);
  auto* b = new Owner(1);
  auto* target = new Probe();
  a->ReplaceReference(0, target);
  a->ReplaceReference(1, target);
  b->ReplaceReference(0, target);
  target->DeleteThis();
  EXPECT_EQ(a->GetReference(0), nullptr);
  EXPECT_EQ(a->GetReference(1), nullptr);
  EXPECT_EQ(b->GetReference(0), nullptr);
  b->ReplaceReference(0, new Probe());  // must not touch the freed target (ASan)

  // A maker deleted first releases its targets; a shared one stays for the other maker.
  bool sharedGone = false;
  bool soleGone = false;
  auto* shared = new Probe(&sharedGone);
  a->ReplaceReference(0, shared);
  a->ReplaceReference(1, new Probe(&soleGone));
  b->ReplaceReference(0, shared);
  a->DeleteThis();
  EXPECT_TRUE(soleGone);
  EXPECT_FALSE(sharedGone);
  EXPECT_EQ(shared->NumDependents(), 1);
  EXPECT_EQ(shared->GetDependent(0), b);
  shared->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);  // only b is told; a is gone
  EXPECT_EQ(b->count(REFMSG_CHANGE), 1);
  b->DeleteThis();
  EXPECT_TRUE(sharedGone);
}

TEST_F(References, SlotsSwappedInPlaceDropTheRightTarget) {
  bool firstGone = false;
  bool secondGone = false;
  auto* owner = new Owner(2);
  auto* first = new Probe(&firstGone);
  auto* second = new Probe(&secondGone);
  owner->ReplaceReference(0, first);
  owner->ReplaceReference(1, second);
  owner->swapSlots(0, 1);
  owner->ReplaceReference(0, nullptr);  // slot 0 now holds `second`
  EXPECT_TRUE(secondGone);
  EXPECT_FALSE(firstGone);
  EXPECT_EQ(first->NumDependents(), 1);
  owner->DeleteThis();
  EXPECT_TRUE(firstGone);
}

TEST_F(References, ReplacingOutsideTheSlotsFails) {
  auto* owner = new Owner(1);
  bool gone = false;
  auto* probe = new Probe(&gone);
  EXPECT_EQ(owner->ReplaceReference(1, probe), REF_FAIL);
  EXPECT_EQ(owner->ReplaceReference(-1, probe), REF_FAIL);
  EXPECT_EQ(probe->NumDependents(), 0);
  EXPECT_EQ(owner->ReplaceReference(0, probe), REF_SUCCEED);
  EXPECT_EQ(owner->ReplaceReference(0, probe), REF_SUCCEED);  // same target again: one link
  EXPECT_EQ(probe->NumDependents(), 1);
  owner->DeleteThis();
  EXPECT_TRUE(gone);

  // A reference closing a loop is refused; deleting either side then frees each object once.
  auto* a = new Owner(1);
  auto* b = new Owner(1);
  auto* c = new Owner(1);
  EXPECT_EQ(a->ReplaceReference(0, b), REF_SUCCEED);
  EXPECT_EQ(b->ReplaceReference(0, c), REF_SUCCEED);
  EXPECT_EQ(c->ReplaceReference(0, a), REF_FAIL);
  EXPECT_EQ(c->ReplaceReference(0, c), REF_FAIL);
  EXPECT_EQ(c->GetReference(0), nullptr);
  EXPECT_EQ(a->NumDependents(), 0);
  a->DeleteThis();  // takes b and c
}

TEST_F(References, CloningCopiesEachSharedTargetOnce) {
  auto* root = new Owner(3);
  auto* child = new Owner(1);
  auto* shared = new Probe();
  root->ReplaceReference(0, shared);
  root->ReplaceReference(1, child);
  child->ReplaceReference(0, shared);

  auto* copy = static_cast<Owner*>(CloneRefHierarchy(root));
  ASSERT_NE(copy, nullptr);
  auto* copiedShared = copy->GetReference(0);
  auto* copiedChild = static_cast<Owner*>(copy->GetReference(1));
  ASSERT_NE(copiedShared, nullptr);
  ASSERT_NE(copiedChild, nullptr);
  EXPECT_NE(copiedShared, shared);
  EXPECT_NE(copiedChild, child);
  EXPECT_EQ(copiedChild->GetReference(0), copiedShared);
  EXPECT_EQ(copy->GetReference(2), nullptr);
  EXPECT_EQ(copiedShared->NumDependents(), 2);

  RemapDir remap;
  EXPECT_EQ(remap.CloneRef(nullptr), nullptr);
  RefTargetHandle once = remap.CloneRef(shared);
  EXPECT_EQ(remap.CloneRef(shared), once);
  EXPECT_EQ(remap.FindMapping(shared), once);
  once->DeleteThis();

  copy->DeleteThis();
  root->DeleteThis();
}

TEST_F(References, HeapFailureYieldsNullFromNothrowNew) {
  SetHostHeapFailAfter(1);
  auto* first = new (std::nothrow) Probe();
  auto* second = new (std::nothrow) Probe();
  auto* third = new (std::nothrow) Probe();
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(second, nullptr);
  EXPECT_NE(third, nullptr);  // the hook fires once
  SetHostHeapFailAfter(0);
  EXPECT_THROW(new Probe(), std::bad_alloc);
  SetHostHeapFailAfter(0);
  const ParamBlockDescID layout[] = {{TYPE_FLOAT, nullptr, TRUE, 0}};
  EXPECT_EQ(CreateParameterBlock(layout, 1, 1), nullptr);
  first->DeleteThis();
  third->DeleteThis();
}

}  // namespace
