// The frame every module shares: exports, process attach, resource texts, the light level.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <cwchar>
#include <string>

#include "frame/LightLevel.h"
#include "frame/ModuleEntry.h"
#include "frame/ModuleState.h"
#include "frame/Perturb.h"
#include "frame/ResourceText.h"
#include "host/Lights.h"
#include "tests/frame/FrameTestStrings.h"
#include "tests/frame/TestClassDescs.h"

namespace {

std::uint32_t Bits(float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

// A test program has no process attach of its own; each test starts attached.
class AttachedModule : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(DllMain(ThisModuleHandle(), DLL_PROCESS_ATTACH, nullptr)); }
};

using ExportsTest = AttachedModule;

TEST_F(ExportsTest, AnswerTheHostsQueries) {
  EXPECT_EQ(LibNumberClasses(), 1);
  EXPECT_EQ(CanAutoDefer(), 1u);
  EXPECT_EQ(LibVersion(), 0x52083400u);
  EXPECT_STREQ(LibDescription(), L"Frame Test Module");
  ClassDesc* first = LibClassDesc(0);
  EXPECT_EQ(first, &TheTestMapDesc());
  EXPECT_EQ(LibClassDesc(0), first);
  for (int i : {1, -1, 2, INT_MIN, INT_MAX}) EXPECT_EQ(LibClassDesc(i), nullptr) << i;
}

TEST_F(ExportsTest, AboutValuesOfBothDescriptorBases) {
  TestMapDesc map;
  TestMtlDesc mtl;
  EXPECT_EQ(map.SdkVersion(), static_cast<int>(LibVersion()));
  EXPECT_EQ(mtl.SdkVersion(), static_cast<int>(LibVersion()));
  EXPECT_EQ(Bits(map.Version()), 0x40033333u);
  EXPECT_EQ(map.BuildDate(), L"Mar 11 2018");
  EXPECT_FALSE(map.RightsNotice().isNull());
  // The material base answers the host's InternalName and HInstance through its own hooks,
  // and its about operations through the second base.
  EXPECT_STREQ(mtl.InternalName(), L"Test_Material");
  EXPECT_EQ(mtl.HInstance(), ModuleInstance());
  OstrelBaseClassDesc& about = mtl;
  EXPECT_EQ(Bits(about.Version()), 0x4002C083u);
}

TEST_F(ExportsTest, ProcessAttachRecordsTheInstanceOnce) {
  HINSTANCE self = ThisModuleHandle();
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(ModuleInstance(), self);
  // Every reason answers TRUE; only attach writes the instance.
  for (DWORD reason : {DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH}) {
    EXPECT_TRUE(DllMain(nullptr, reason, nullptr));
    EXPECT_EQ(ModuleInstance(), self);
  }
}

using ResourceTextTest = AttachedModule;

TEST_F(ResourceTextTest, NullBeforeAttach) {
  SetModuleInstance(nullptr);
  EXPECT_EQ(LoadResourceText(IDS_TEST_FIRST), nullptr);
  ASSERT_TRUE(DllMain(ThisModuleHandle(), DLL_PROCESS_ATTACH, nullptr));
  ASSERT_NE(LoadResourceText(IDS_TEST_FIRST), nullptr);
  EXPECT_STREQ(LoadResourceText(IDS_TEST_FIRST), L"First text");
}

TEST_F(ResourceTextTest, NullForIdsTheTableLacks) {
  for (int id : {0, 3, 39, 41, -1, 65535}) EXPECT_EQ(LoadResourceText(id), nullptr) << id;
}

TEST_F(ResourceTextTest, OneSharedBufferOverwrittenByTheNextCall) {
  const wchar_t* first = LoadResourceText(IDS_TEST_FIRST);
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first, L"First text");
  const wchar_t* second = LoadResourceText(IDS_TEST_SECOND);
  EXPECT_EQ(second, first);
  EXPECT_STREQ(first, L"Second");
}

TEST_F(ResourceTextTest, LongTextIsCutToTheBuffer) {
  const wchar_t* text = LoadResourceText(IDS_TEST_LONG);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::wcslen(text), 255u);
  EXPECT_EQ(std::wstring(text, 30), L"0123456789abcdefghijklmnopqrst");
}

struct LightCase {
  const char* name;
  std::vector<FixedLight> lights;
  float level;
};

TEST(LightLevelTest, SumsTheLightsThatReachWithPositiveWeight) {
  const LightCase cases[] = {
      {"no lights", {}, 0.0f},
      {"white at 0.5", {FixedLight(Color(1, 1, 1), 0.5f)}, 0.5f},
      {"two whites at 1", {FixedLight(Color(1, 1, 1), 1.0f), FixedLight(Color(1, 1, 1), 1.0f)}, 2.0f},
      {"weight exactly 0", {FixedLight(Color(1, 1, 1), 0.0f)}, 0.0f},
      {"negative weight", {FixedLight(Color(1, 1, 1), -1.0f)}, 0.0f},
      {"does not reach", {FixedLight(Color(1, 1, 1), 1.0f, FALSE)}, 0.0f},
      {"negative colour gives the absolute value", {FixedLight(Color(-1, -1, -1), 1.0f)}, 1.0f},
      // A multiplied third, not a division: 1 x 0x3EAAAAAB.
      {"red only", {FixedLight(Color(1, 0, 0), 1.0f)}, FloatFromBits(0x3EAAAAABu)},
  };
  for (const LightCase& c : cases) {
    std::vector<FixedLight> lights = c.lights;
    SampleShadeContext sc;
    for (FixedLight& l : lights) sc.AddLight(&l);
    Point3 n = sc.Normal();
    EXPECT_EQ(Bits(LightLevel(sc, n)), Bits(c.level)) << c.name;
    for (const FixedLight& l : lights) EXPECT_EQ(l.calls, 1) << c.name;
  }
}

TEST(PerturbTest, SetParamDlgOnlyStoresThePointer) {
  Perturb p;
  auto* dlg = reinterpret_cast<PerturbDlg*>(&p);
  p.SetParamDlg(dlg);
  EXPECT_EQ(p.paramDlg, dlg);
  p.SetParamDlg(nullptr);
  EXPECT_EQ(p.paramDlg, nullptr);
}

}  // namespace
