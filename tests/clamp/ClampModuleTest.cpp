// clamp.dlt as the host loads it: LoadLibrary, the exports by name and by ordinal, and a
// Color Clamp driven only through the host's interfaces.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "host/ClassDesc.h"
#include "host/Lights.h"
#include "host/Materials.h"
#include "host/ParamBlock.h"
#include "host/SceneFile.h"

namespace {

using LibDescriptionFn = const wchar_t* (*)();
using LibNumberClassesFn = int (*)();
using LibClassDescFn = ClassDesc* (*)(int);
using LibVersionFn = ULONG (*)();
using CanAutoDeferFn = ULONG (*)();
// A member function taking its object first, as the x64 calling convention passes it.
using SetParamDlgFn = void (*)(void* self, void* dlg);

// An export as the function type it has.
template <class Fn>
Fn As(FARPROC p) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
}

class ClampModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module = LoadLibraryW(L"clamp.dlt");
    ASSERT_NE(module, nullptr) << "clamp.dlt did not load: " << GetLastError();
  }
  void TearDown() override {
    if (module != nullptr) FreeLibrary(module);
  }
  FARPROC byName(const char* name) { return GetProcAddress(module, name); }
  FARPROC byOrdinal(int ordinal) { return GetProcAddress(module, MAKEINTRESOURCEA(ordinal)); }
  ClassDesc* descriptor() { return As<LibClassDescFn>(byName("LibClassDesc"))(0); }

  HMODULE module = nullptr;
};

TEST_F(ClampModuleTest, ExportsByNameAndByOrdinal) {
  const char* names[] = {"LibDescription", "LibNumberClasses", "LibClassDesc", "LibVersion", "CanAutoDefer"};
  for (int i = 0; i < 5; ++i) {
    FARPROC named = byName(names[i]);
    ASSERT_NE(named, nullptr) << names[i];
    EXPECT_EQ(byOrdinal(i + 1), named) << names[i];
  }
  EXPECT_EQ(byName("?SetParamDlg@Perturb@@QEAAXPEAVPerturbDlg@@@Z"), byOrdinal(6));
  EXPECT_EQ(byOrdinal(7), nullptr);

  EXPECT_STREQ(As<LibDescriptionFn>(byName("LibDescription"))(), L"Clamp Material");
  EXPECT_EQ(As<LibNumberClassesFn>(byName("LibNumberClasses"))(), 1);
  EXPECT_EQ(As<LibVersionFn>(byName("LibVersion"))(), 0x52083400u);
  EXPECT_EQ(As<CanAutoDeferFn>(byName("CanAutoDefer"))(), 1u);
  auto libClassDesc = As<LibClassDescFn>(byName("LibClassDesc"));
  EXPECT_EQ(libClassDesc(1), nullptr);
  EXPECT_EQ(libClassDesc(-1), nullptr);
  ClassDesc* cd = libClassDesc(0);
  ASSERT_NE(cd, nullptr);
  EXPECT_EQ(libClassDesc(0), cd);
  EXPECT_STREQ(cd->ClassName(), L"Color Clamp");
  EXPECT_STREQ(cd->InternalName(), L"Color_Clamp");
  // Process attach recorded the module's own instance.
  EXPECT_EQ(cd->HInstance(), module);

  // Ordinal 6 stores the panel pointer in the object's panel field and does nothing else.
  struct {
    void* panel = nullptr;
    void* after = reinterpret_cast<void*>(0x1234);
  } perturb;
  int panel = 0;
  As<SetParamDlgFn>(byOrdinal(6))(&perturb, &panel);
  EXPECT_EQ(perturb.panel, &panel);
  EXPECT_EQ(perturb.after, reinterpret_cast<void*>(0x1234));
}

TEST_F(ClampModuleTest, CreateUpdateShadeSaveAndLoad) {
  ClassDesc* cd = descriptor();
  ASSERT_NE(cd, nullptr);
  RegisterClassDesc(cd);
  {
    SceneHolder scene;
    auto* mtl = static_cast<Mtl*>(cd->Create(FALSE));
    ASSERT_NE(mtl, nullptr);
    scene.Add(mtl);
    WStr name;
    mtl->GetClassName(name);
    EXPECT_EQ(name, L"Color Clamp v2.04");
    EXPECT_EQ(mtl->SubAnimName(1), L"Source Material");
    ASSERT_EQ(mtl->NumRefs(), 2);
    auto* block = dynamic_cast<IParamBlock*>(mtl->GetReference(0));
    ASSERT_NE(block, nullptr);
    ASSERT_NE(mtl->GetSubMtl(0), nullptr);

    // High limits of 51 on: a bright light's colour is held at 51 x 0x3B808081 = 0x3E4CCCCE.
    for (int k = 3; k < 6; ++k) block->SetValue(k, 0, 51.0f);
    block->SetValue(7, 0, 1);
    FixedLight light(Color(4.0f, 4.0f, 4.0f), 1.0f);
    SampleShadeContext sc;
    sc.AddLight(&light);
    sc.out.t = Color(0.25f, 0.25f, 0.25f);
    Interval valid = FOREVER;
    mtl->Update(0, valid);
    mtl->Shade(sc);
    const float limit = 51.0f * 0.0039215689f;
    EXPECT_EQ(sc.out.c, Color(limit, limit, limit));

    std::vector<unsigned char> bytes;
    std::string error;
    ASSERT_TRUE(SaveScene({mtl}, bytes, error)) << error;
    SceneHolder loaded;
    ASSERT_TRUE(LoadScene(bytes.data(), bytes.size(), "clamp.max", loaded, error)) << error;
    ASSERT_EQ(loaded.NumRefs(), 1);
    auto* back = dynamic_cast<Mtl*>(loaded.GetReference(0));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->ClassID(), cd->ClassID());
    SampleShadeContext again;
    again.AddLight(&light);
    valid = FOREVER;
    back->Update(0, valid);
    back->Shade(again);
    EXPECT_EQ(again.out.c, sc.out.c);
  }
  UnregisterClassDesc(cd);
}

}  // namespace
