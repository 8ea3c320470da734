// References, sub-animations, the sub-material slot, change messages and cloning.
#include "clamp/ClampParams.h"
#include "host/Lights.h"
#include "host/StdMat.h"
#include "tests/clamp/ClampFixtures.h"

namespace {

using ClampObjectTest = ClampFixture;

TEST_F(ClampObjectTest, ReferencesAndSubAnimsAreTheBlockAndTheSource) {
  EXPECT_EQ(mtl->NumRefs(), 2);
  EXPECT_EQ(mtl->NumSubs(), 2);
  struct Slot {
    int i;
    ReferenceTarget* target;
    const wchar_t* name;
  };
  const Slot slots[] = {{0, mtl->paramBlock, L"Color Clamp Parameters"},
                        {1, mtl->sourceMtl, L"Source Material"},
                        {2, nullptr, L""},
                        {-1, nullptr, L""}};
  for (const Slot& s : slots) {
    EXPECT_EQ(mtl->GetReference(s.i), s.target) << s.i;
    EXPECT_EQ(mtl->SubAnim(s.i), s.target) << s.i;
    EXPECT_EQ(mtl->SubAnimName(s.i), s.name) << s.i;
  }
}

TEST_F(ClampObjectTest, OneSubMaterialSlotWhateverTheNumber) {
  Mtl* original = mtl->sourceMtl;
  IParamBlock* block = mtl->paramBlock;
  EXPECT_EQ(mtl->NumSubMtls(), 1);
  for (int i : {0, 5, -1}) {
    EXPECT_EQ(mtl->GetSubMtl(i), original) << i;
    EXPECT_EQ(mtl->GetSubMtlSlotName(i), L"Source Material") << i;
  }
  // Only slot 0 exists; other numbers must not land on another reference.
  for (int i : {-1, 1, 2}) {
    StdMat* other = NewDefaultStdMat();
    mtl->SetSubMtl(i, other);
    EXPECT_EQ(mtl->paramBlock, block) << i;
    EXPECT_EQ(mtl->sourceMtl, original) << i;
    other->DeleteThis();
  }
  StdMat* replacement = NewDefaultStdMat();
  mtl->SetSubMtl(0, replacement);
  EXPECT_EQ(mtl->sourceMtl, replacement);
  EXPECT_EQ(mtl->GetReference(1), replacement);
}

TEST_F(ClampObjectTest, SlotsKeepOnlyTargetsOfTheirKind) {
  StdMat* std = NewDefaultStdMat();
  IParamBlock* block = CreateParameterBlock(clampParamLayout, kClampParamCount);
  mtl->ReplaceReference(0, std);
  mtl->ReplaceReference(1, block);
  EXPECT_EQ(mtl->paramBlock, nullptr);
  EXPECT_EQ(mtl->sourceMtl, nullptr);
  SampleShadeContext sc;
  Interval valid = FOREVER;
  mtl->Update(0, valid);
  mtl->Shade(sc);
  EXPECT_EQ(mtl->Validity(0), FOREVER);
}

TEST_F(ClampObjectTest, WithoutABlockItShadesAsItsSource) {
  Clamp* loaded = MakeClamp(TRUE);
  ASSERT_NE(loaded, nullptr);
  FakeSource* source = new FakeSource;
  source->shadeColor = Color(2.0f, -1.0f, 0.5f);
  source->validity = Interval(0, 99);
  loaded->ReplaceReference(1, source);
  ASSERT_EQ(loaded->paramBlock, nullptr);

  Interval valid = FOREVER;
  loaded->Update(10, valid);
  EXPECT_EQ(valid, FOREVER);
  EXPECT_EQ(loaded->Validity(10), Interval(0, 99));
  SampleShadeContext sc;
  loaded->Shade(sc);
  EXPECT_EQ(sc.out.c, Color(2.0f, -1.0f, 0.5f));
  loaded->DeleteThis();
}

TEST_F(ClampObjectTest, ChangeMessagesEmptyTheCacheAndInvalidateItsOwnPanel) {
  auto* panel = new CountingPanel;
  panel->thing = mtl;
  mtl->editorPanel = panel;
  PartID part = PART_ALL;

  Interval valid = FOREVER;
  mtl->Update(0, valid);
  EXPECT_EQ(mtl->NotifyRefChanged(FOREVER, mtl->sourceMtl, part, REFMSG_CHANGE, TRUE), REF_SUCCEED);
  EXPECT_EQ(mtl->validity, FOREVER);  // the source's change leaves the limits as they are
  EXPECT_EQ(panel->invalidations, 1);

  EXPECT_EQ(mtl->NotifyRefChanged(FOREVER, mtl->paramBlock, part, REFMSG_CHANGE, TRUE), REF_SUCCEED);
  EXPECT_TRUE(mtl->validity.Empty());
  EXPECT_EQ(panel->invalidations, 2);

  // A panel that has moved on to another material is left alone.
  panel->thing = nullptr;
  mtl->NotifyRefChanged(FOREVER, mtl->paramBlock, part, REFMSG_CHANGE, TRUE);
  EXPECT_EQ(panel->invalidations, 2);
  EXPECT_EQ(mtl->NotifyRefChanged(FOREVER, mtl->paramBlock, part, REFMSG_TARGET_DELETED, TRUE), REF_SUCCEED);
  mtl->editorPanel = nullptr;
  panel->DeleteThis();
}

TEST_F(ClampObjectTest, ParameterNamesForTheSixLimitsOnly) {
  const wchar_t* names[] = {L"Low Red", L"Low Green", L"Low Blue", L"High Red", L"High Green", L"High Blue"};
  for (int i = -1; i <= 8; ++i) {
    GetParamName request(WStr(L"host name"), i);
    PartID part = reinterpret_cast<PartID>(&request);
    EXPECT_EQ(mtl->NotifyRefChanged(FOREVER, mtl->paramBlock, part, REFMSG_GET_PARAM_NAME, TRUE), REF_STOP);
    EXPECT_EQ(request.name, (i >= 0 && i < 6) ? names[i] : L"host name") << i;
  }
  // Through the block, as the host asks.
  EXPECT_EQ(mtl->paramBlock->GetParamName(3), L"High Red");

  ParamDimension* proposed = stdPercentDim;
  GetParamDim dim(proposed, 0);
  PartID part = reinterpret_cast<PartID>(&dim);
  EXPECT_EQ(mtl->NotifyRefChanged(FOREVER, mtl->paramBlock, part, REFMSG_GET_PARAM_DIM, TRUE), REF_STOP);
  EXPECT_EQ(dim.dim, proposed);
}

TEST_F(ClampObjectTest, CloneWithAndWithoutASource) {
  mtl->SetName(L"Clamped");
  mtl->gbufID = 4;
  mtl->paramBlock->SetValue(1, 0, 42.0f);
  mtl->paramBlock->SetValue(6, 0, 1);

  for (bool withSource : {true, false}) {
    if (!withSource) mtl->SetSubMtl(0, nullptr);
    RemapDir remap;
    auto* copy = static_cast<Clamp*>(mtl->Clone(remap));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetName(), WStr(L"Clamped"));
    EXPECT_EQ(copy->gbufID, 4);
    ASSERT_NE(copy->paramBlock, nullptr);
    EXPECT_NE(copy->paramBlock, mtl->paramBlock);
    EXPECT_EQ(copy->paramBlock->GetFloat(1), 42.0f);
    EXPECT_EQ(copy->paramBlock->GetInt(6), 1);
    ASSERT_NE(copy->sourceMtl, nullptr);
    EXPECT_NE(copy->sourceMtl, mtl->sourceMtl);
    EXPECT_EQ(copy->sourceMtl->ClassID(), DMTL_CLASS_ID);
    if (withSource) {
      EXPECT_EQ(copy->sourceMtl, remap.FindMapping(mtl->sourceMtl));
    }
    // Caches are filled by the clone's first Update.
    Interval valid = FOREVER;
    copy->Update(0, valid);
    EXPECT_EQ(copy->lowOn, 1);
    EXPECT_EQ(copy->lowRaw[1], 42.0f);
    copy->DeleteThis();
  }
}

}  // namespace
