// The module's exports and the Color Clamp descriptor.
#include <climits>

#include "clamp/ClampParams.h"
#include "frame/ModuleState.h"
#include "host/StdMat.h"
#include "tests/clamp/ClampFixtures.h"

namespace {

using ClampDescTest = ClampFixture;

TEST_F(ClampDescTest, ExportsHandOutTheOneDescriptor) {
  EXPECT_EQ(LibNumberClasses(), 1);
  EXPECT_EQ(CanAutoDefer(), 1u);
  EXPECT_EQ(LibVersion(), 0x52083400u);
  EXPECT_STREQ(LibDescription(), L"Clamp Material");
  EXPECT_EQ(LibClassDesc(0), static_cast<ClassDesc*>(&TheClampClassDesc()));
  for (int i : {1, -1, INT_MIN}) EXPECT_EQ(LibClassDesc(i), nullptr) << i;
}

TEST_F(ClampDescTest, AnswersEveryValueOfTheClass) {
  ClampClassDesc& cd = TheClampClassDesc();
  EXPECT_EQ(cd.IsPublic(), 1);
  EXPECT_STREQ(cd.ClassName(), L"Color Clamp");
  EXPECT_EQ(cd.SuperClassID(), MATERIAL_CLASS_ID);
  EXPECT_EQ(cd.ClassID(), Class_ID(0x6E134CA5, 0x714F791E));
  ASSERT_NE(cd.Category(), nullptr);
  EXPECT_STREQ(cd.Category(), L"");
  EXPECT_STREQ(cd.InternalName(), L"Color_Clamp");
  EXPECT_EQ(cd.HInstance(), ModuleInstance());
  EXPECT_NE(cd.HInstance(), nullptr);
  EXPECT_EQ(Bits(cd.Version()), 0x4002C083u);
  EXPECT_EQ(cd.BuildDate(), L"Mar 11 2018");
  EXPECT_EQ(cd.SdkVersion(), static_cast<int>(LibVersion()));
  EXPECT_FALSE(cd.RightsNotice().isNull());
  EXPECT_EQ(cd.NumParamBlockDescs(), 0);
}

TEST_F(ClampDescTest, NewMaterialHasDefaultsAndLoadingOneHasNoReferences) {
  WStr name;
  mtl->GetClassName(name);
  EXPECT_EQ(name, L"Color Clamp v2.04");
  EXPECT_EQ(mtl->ClassID(), TheClampClassDesc().ClassID());
  EXPECT_EQ(mtl->SuperClassID(), MATERIAL_CLASS_ID);
  ASSERT_NE(mtl->paramBlock, nullptr);
  EXPECT_EQ(mtl->paramBlock->NumParams(), kClampParamCount);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(mtl->paramBlock->GetFloat(k), 0.0f);
    EXPECT_EQ(mtl->paramBlock->GetFloat(3 + k), 255.0f);
    EXPECT_TRUE(mtl->paramBlock->IsAnimatable(k));
  }
  EXPECT_EQ(mtl->paramBlock->GetInt(6), 0);
  EXPECT_EQ(mtl->paramBlock->GetInt(7), 0);
  EXPECT_FALSE(mtl->paramBlock->IsAnimatable(6));
  EXPECT_EQ(mtl->lowOn, 0);
  EXPECT_EQ(mtl->highOn, 0);
  ASSERT_NE(mtl->sourceMtl, nullptr);
  EXPECT_EQ(mtl->sourceMtl->ClassID(), DMTL_CLASS_ID);
  EXPECT_EQ(mtl->editorPanel, nullptr);
  EXPECT_EQ(mtl->CreateParamDlg(nullptr, nullptr), nullptr);

  Clamp* loading = MakeClamp(TRUE);
  ASSERT_NE(loading, nullptr);
  EXPECT_EQ(loading->paramBlock, nullptr);
  EXPECT_EQ(loading->sourceMtl, nullptr);
  EXPECT_TRUE(loading->validity.Empty());
  loading->DeleteThis();
}

TEST_F(ClampDescTest, CreateAnswersNullWhenTheHeapFails) {
  SetHostHeapFailAfter(0);
  void* made = TheClampClassDesc().Create(TRUE);
  SetHostHeapFailAfter(-1);
  EXPECT_EQ(made, nullptr);
}

}  // namespace
