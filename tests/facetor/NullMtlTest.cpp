// The probe material's housekeeping, its panel and its descriptor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "facetor/NullMtl.h"
#include "facetor/NullMtlClassDesc.h"
#include "facetor/NullMtlDlg.h"
#include "host/ParamBlock.h"
#include "host/SceneFile.h"

namespace {

const Class_ID kProbeID(0x7F6967DF, 0x58B22385);

RefResult Notify(NullMtl& mtl, RefMessage message, PartID part = PART_ALL) {
  return mtl.NotifyRefChanged(FOREVER, nullptr, part, message, TRUE);
}

TEST(NullMtl, AnswersTheHousekeepingTable) {
  SceneHolder holder;
  auto* mtl = new NullMtl(TRUE);
  holder.Add(mtl);
  WStr name;
  mtl->GetClassName(name);
  EXPECT_EQ(name, WStr(L"Facetor"));
  EXPECT_EQ(mtl->ClassID(), kProbeID);
  EXPECT_EQ(mtl->SuperClassID(), MATERIAL_CLASS_ID);
  EXPECT_EQ(mtl->NumRefs(), 0);
  EXPECT_EQ(mtl->NumSubs(), 0);
  EXPECT_EQ(mtl->GetReference(0), nullptr);
  EXPECT_EQ(mtl->SubAnim(0), nullptr);
  EXPECT_EQ(mtl->SubAnimName(0), WStr(L""));
  EXPECT_EQ(mtl->NumSubMtls(), 0);
  EXPECT_EQ(mtl->NumSubTexmaps(), 0);
  const Color black(0.0f, 0.0f, 0.0f);
  mtl->SetDiffuse(Color(1.0f, 1.0f, 1.0f), 0);
  mtl->SetShininess(0.5f, 0);
  for (BOOL back : {FALSE, TRUE}) {
    EXPECT_EQ(mtl->GetAmbient(2, back), black);
    EXPECT_EQ(mtl->GetDiffuse(2, back), black);
    EXPECT_EQ(mtl->GetSpecular(2, back), black);
    EXPECT_EQ(mtl->GetShininess(2, back), 0.0f);
    EXPECT_EQ(mtl->GetShinStr(2, back), 0.0f);
    EXPECT_EQ(mtl->GetXParency(2, back), 0.0f);
    EXPECT_EQ(mtl->WireSize(2, back), 0.0f);
  }

  // Parameter queries stop without touching the request.
  GetParamName nameRequest(WStr(L"as given"), 0);
  EXPECT_EQ(Notify(*mtl, REFMSG_GET_PARAM_NAME, reinterpret_cast<PartID>(&nameRequest)), REF_STOP);
  EXPECT_EQ(nameRequest.name, WStr(L"as given"));
  GetParamDim dimRequest(nullptr, 0);
  EXPECT_EQ(Notify(*mtl, REFMSG_GET_PARAM_DIM, reinterpret_cast<PartID>(&dimRequest)), REF_STOP);
  EXPECT_EQ(dimRequest.dim, nullptr);
  EXPECT_EQ(Notify(*mtl, REFMSG_TARGET_DELETED), REF_SUCCEED);
}

TEST(NullMtl, ValidityIsNeverUntilTheFirstUpdateThenForever) {
  SceneHolder holder;
  auto* mtl = new NullMtl(FALSE);
  holder.Add(mtl);
  mtl->SetName(L"Probe");
  EXPECT_EQ(mtl->CachedValidity(), NEVER);

  // Update never narrows what it is given.
  Interval valid(100, 200);
  mtl->Update(150, valid);
  EXPECT_EQ(valid, Interval(100, 200));
  EXPECT_EQ(mtl->CachedValidity(), FOREVER);

  EXPECT_EQ(Notify(*mtl, REFMSG_CHANGE), REF_SUCCEED);
  EXPECT_EQ(mtl->CachedValidity(), NEVER);
  EXPECT_EQ(mtl->Validity(-4800), FOREVER);
  mtl->Reset();
  EXPECT_EQ(mtl->CachedValidity(), NEVER);
  mtl->Validity(0);

  // A clone answers the same class and common data, and is stale until its first Update.
  mtl->gbufID = 5;
  RemapDir remap;
  auto* clone = dynamic_cast<NullMtl*>(mtl->Clone(remap));
  ASSERT_NE(clone, nullptr);
  holder.Add(clone);
  EXPECT_EQ(clone->ClassID(), kProbeID);
  EXPECT_EQ(clone->GetName(), WStr(L"Probe"));
  EXPECT_EQ(clone->gbufID, 5);
  EXPECT_EQ(clone->CachedValidity(), NEVER);
  EXPECT_EQ(clone->Validity(0), FOREVER);
}

// The material keeps a pointer to its last panel and reloads it on every change; the host may
// delete the panel (or the material) first. Under AddressSanitizer a call reaching a deleted
// panel fails this test.
TEST(NullMtlPanel, NoCallReachesADeletedPanel) {
  SceneHolder holder;
  auto* mtl = new NullMtl(FALSE);
  holder.Add(mtl);

  ParamDlg* first = mtl->CreateParamDlg(nullptr, nullptr);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(mtl->EditorPanel(), first);
  first->DeleteThis();
  EXPECT_EQ(mtl->EditorPanel(), nullptr);
  EXPECT_EQ(Notify(*mtl, REFMSG_CHANGE), REF_SUCCEED);

  // A newer panel replaces the older one; deleting the older leaves the newer in place.
  ParamDlg* older = mtl->CreateParamDlg(nullptr, nullptr);
  ParamDlg* newer = mtl->CreateParamDlg(nullptr, nullptr);
  older->DeleteThis();
  EXPECT_EQ(mtl->EditorPanel(), newer);
  EXPECT_EQ(Notify(*mtl, REFMSG_CHANGE), REF_SUCCEED);
  newer->DeleteThis();
  EXPECT_EQ(Notify(*mtl, REFMSG_CHANGE), REF_SUCCEED);

  // The material goes first: its panel is deleted afterwards without touching it.
  ParamDlg* outliving = mtl->CreateParamDlg(nullptr, nullptr);
  holder.Clear();
  outliving->DeleteThis();

  // A failed allocation leaves no panel.
  auto* other = new NullMtl(FALSE);
  holder.Add(other);
  SetHostHeapFailAfter(0);
  EXPECT_EQ(other->CreateParamDlg(nullptr, nullptr), nullptr);
  SetHostHeapFailAfter(-1);
  EXPECT_EQ(other->EditorPanel(), nullptr);
}

TEST(NullMtlPanel, AnswersTheHostWithoutARollup) {
  SceneHolder holder;
  auto* mtl = new NullMtl(FALSE);
  holder.Add(mtl);
  ParamDlg* panel = mtl->CreateParamDlg(nullptr, nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->ClassID(), kProbeID);
  EXPECT_EQ(panel->GetThing(), nullptr);
  panel->SetThing(mtl);
  EXPECT_EQ(panel->GetThing(), nullptr);
  EXPECT_EQ(panel->FindSubTexFromHWND(nullptr), -1);
  EXPECT_EQ(panel->FindSubMtlFromHWND(nullptr), -1);
  EXPECT_EQ(panel->Execute(1, 2, 3, 4), 0);
  panel->DeleteThis();
}

TEST(NullMtlClassDesc, AnswersTheModuleValues) {
  NullMtlClassDesc& cd = *GetNullMtlClassDesc();
  EXPECT_EQ(cd.IsPublic(), 1);
  EXPECT_EQ(WStr(cd.ClassName()), WStr(L"Facetor Material"));
  EXPECT_EQ(cd.SuperClassID(), MATERIAL_CLASS_ID);
  EXPECT_EQ(cd.ClassID(), kProbeID);
  ASSERT_NE(cd.Category(), nullptr);
  EXPECT_EQ(WStr(cd.Category()), WStr(L""));
  EXPECT_EQ(cd.InternalName(), nullptr);
  EXPECT_EQ(cd.HInstance(), nullptr);

  SceneHolder holder;
  auto* made = static_cast<NullMtl*>(cd.Create(TRUE));
  ASSERT_NE(made, nullptr);
  holder.Add(made);
  EXPECT_EQ(made->ClassID(), kProbeID);
  SetHostHeapFailAfter(0);
  EXPECT_EQ(cd.Create(FALSE), nullptr);
  SetHostHeapFailAfter(-1);
}

TEST(NullMtlFile, SaveAndLoadKeepTheCommonMaterialData) {
  RegisterClassDesc(GetNullMtlClassDesc());
  SceneHolder holder;
  auto* mtl = new NullMtl(FALSE);
  holder.Add(mtl);
  mtl->SetName(L"Probe 2");
  mtl->gbufID = 4;

  std::vector<unsigned char> bytes;
  std::string error;
  ASSERT_TRUE(SaveScene({mtl}, bytes, error)) << error;
  SceneHolder scene;
  ASSERT_TRUE(LoadScene(bytes.data(), bytes.size(), "probe.max", scene, error)) << error;
  ASSERT_EQ(scene.NumRefs(), 1);
  auto* loaded = dynamic_cast<NullMtl*>(scene.GetReference(0));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetName(), WStr(L"Probe 2"));
  EXPECT_EQ(loaded->gbufID, 4);
  UnregisterClassDesc(GetNullMtlClassDesc());
}

}  // namespace
