// The wire map's block, references, change handling, validity, cloning and scene-file data.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "filamesh/FilameshClassDesc.h"
#include "filamesh/FilameshIds.h"
#include "frame/AboutValues.h"
#include "frame/ModuleEntry.h"
#include "host/ChunkIO.h"
#include "tests/filamesh/FilameshTestSupport.h"

namespace {

// Records what the map asks of its panel.
class RecordingPanel : public FilameshPanel {
 public:
  void BindBlock(IParamBlock* block) override {
    bound = block;
    ++binds;
  }
  void Invalidate() override { ++invalidations; }
  IParamBlock* bound = nullptr;
  int binds = 0;
  int invalidations = 0;
};

TEST(FilameshMap, NewMapHoldsTheDefaultsInAVersionOneBlock) {
  HeldFilamesh held;
  IParamBlock& block = held.block();
  EXPECT_EQ(block.GetVersion(), kFilameshBlockVersion);
  ASSERT_EQ(block.NumParams(), kFilameshParamCount);
  const ParamType types[] = {TYPE_FLOAT, TYPE_RGBA, TYPE_RGBA, TYPE_BOOL};
  for (int i = 0; i < kFilameshParamCount; ++i) {
    EXPECT_EQ(block.GetParameterType(i), types[i]);
    EXPECT_TRUE(block.IsAnimatable(i));
    EXPECT_EQ(block.GetParamID(i), static_cast<DWORD>(i));
    EXPECT_FALSE(block.IsAnimated(i));
  }
  EXPECT_EQ(block.GetFloat(kWidthParam), 0.1f);
  EXPECT_EQ(block.GetColor(kWireColorParam), Color(0.0f, 0.0f, 0.0f));
  EXPECT_EQ(block.GetColor(kCenterColorParam), Color(1.0f, 1.0f, 1.0f));
  EXPECT_EQ(block.GetInt(kSuperSampleParam), 1);
  EXPECT_EQ(held.map->CachedValidity(), NEVER);
}

TEST(FilameshMap, OneReferenceOneSubAnimAndTheParameterNames) {
  HeldFilamesh held;
  Filamesh& map = *held.map;
  EXPECT_EQ(map.NumRefs(), 1);
  EXPECT_EQ(map.GetReference(0), map.ParamBlock());
  EXPECT_EQ(map.GetReference(1), nullptr);
  EXPECT_EQ(map.NumSubs(), 1);
  EXPECT_EQ(map.SubAnim(0), map.ParamBlock());
  EXPECT_EQ(map.SubAnim(1), nullptr);
  EXPECT_EQ(map.SubAnimName(1), WStr(L""));
  // The block's track is named from the module's string table (a test program attaches itself).
  DllMain(ThisModuleHandle(), DLL_PROCESS_ATTACH, nullptr);
  EXPECT_EQ(map.SubAnimName(0), WStr(L"Strandel"));
  EXPECT_EQ(map.NumSubTexmaps(), 0);
  WStr className;
  map.GetClassName(className);
  EXPECT_EQ(className, WStr(L"Filamesh"));
  EXPECT_EQ(map.ClassID(), Class_ID(0x749A397B, 0x41FA3843));
  EXPECT_EQ(map.SuperClassID(), TEXMAP_CLASS_ID);

  struct NameCase {
    int index;
    const wchar_t* expected;
  };
  const NameCase names[] = {{0, L"Width"},       {1, L"Wire Color"}, {2, L"Center Color"},
                            {3, L"SuperSample"}, {4, L"untouched"},  {-1, L"untouched"}};
  for (const NameCase& c : names) {
    SCOPED_TRACE(c.index);
    GetParamName request(WStr(L"untouched"), c.index);
    PartID part = reinterpret_cast<PartID>(&request);
    EXPECT_EQ(map.NotifyRefChanged(FOREVER, map.ParamBlock(), part, REFMSG_GET_PARAM_NAME, TRUE), REF_STOP);
    EXPECT_EQ(request.name, WStr(c.expected));
  }
  // The dimension query is not answered: every parameter keeps the host's default.
  GetParamDim dimRequest(nullptr, 0);
  PartID part = reinterpret_cast<PartID>(&dimRequest);
  EXPECT_EQ(map.NotifyRefChanged(FOREVER, map.ParamBlock(), part, REFMSG_GET_PARAM_DIM, TRUE), REF_SUCCEED);
  EXPECT_EQ(dimRequest.dim, nullptr);
}

TEST(FilameshMap, ChangesEmptyTheValidityAndReachTheOpenPanel) {
  HeldFilamesh held;
  Filamesh& map = *held.map;
  RecordingPanel panel;
  map.SetEditorPanel(&panel);

  EXPECT_EQ(map.Validity(0), FOREVER);
  held.block().SetValue(kWidthParam, 0, 0.3f);  // an edit through the block
  EXPECT_EQ(map.CachedValidity(), NEVER);
  EXPECT_EQ(panel.invalidations, 1);

  // A change from anything but the block empties the validity without touching the panel.
  map.Validity(0);
  PartID part = PART_ALL;
  EXPECT_EQ(map.NotifyRefChanged(FOREVER, nullptr, part, REFMSG_CHANGE, TRUE), REF_SUCCEED);
  EXPECT_EQ(map.CachedValidity(), NEVER);
  EXPECT_EQ(panel.invalidations, 1);

  // Reset rebinds the panel to the new block, which holds the defaults again.
  IParamBlock* before = map.ParamBlock();
  map.Reset();
  EXPECT_NE(map.ParamBlock(), before);
  EXPECT_EQ(panel.bound, map.ParamBlock());
  EXPECT_EQ(panel.binds, 1);
  EXPECT_EQ(map.ParamBlock()->GetFloat(kWidthParam), 0.1f);
  EXPECT_EQ(map.CachedValidity(), NEVER);
  map.SetEditorPanel(nullptr);
}

TEST(FilameshMap, ValidityIsTheSpanOverWhichEveryParameterHolds) {
  HeldFilamesh held;
  Filamesh& map = *held.map;
  Interval valid = FOREVER;
  map.Update(2400, valid);
  EXPECT_EQ(valid, FOREVER);
  EXPECT_EQ(map.CachedValidity(), FOREVER);

  SetKey(held.block(), kWidthParam, 0, 0.0f);
  SetKey(held.block(), kWidthParam, 4800, 1.0f);
  valid = FOREVER;
  map.Update(2400, valid);
  EXPECT_TRUE(valid.InInterval(2400));
  EXPECT_FALSE(valid.InInterval(0));
  EXPECT_FALSE(valid.InInterval(4800));
  EXPECT_EQ(valid, map.CachedValidity());
  EXPECT_EQ(map.Validity(2400), valid);

  // Past the last key the width holds again; a caller's interval is only ever narrowed.
  Interval outer(0, 20000);
  map.Update(9600, outer);
  EXPECT_TRUE(outer.InInterval(9600));
  EXPECT_TRUE(Interval(0, 20000).InInterval(outer));
  EXPECT_FALSE(map.CachedValidity().InInterval(2400));
  EXPECT_TRUE(map.CachedValidity().InInterval(9600));
}

TEST(FilameshMap, CloneHasItsOwnBlockWithTheSameValuesAndAnimation) {
  HeldFilamesh held;
  held.map->SetName(L"Wires");
  SetKey(held.block(), kWidthParam, 0, 0.2f);
  SetKey(held.block(), kWidthParam, 4800, 0.6f);
  held.block().SetValue(kWireColorParam, 0, Color(0.1f, 0.2f, 0.3f));
  held.block().SetValue(kSuperSampleParam, 0, 0);

  RemapDir remap;
  auto* clone = dynamic_cast<Filamesh*>(held.map->Clone(remap));
  ASSERT_NE(clone, nullptr);
  held.holder.Add(clone);
  ASSERT_NE(clone->ParamBlock(), nullptr);
  EXPECT_NE(clone->ParamBlock(), held.map->ParamBlock());
  EXPECT_EQ(clone->GetName(), WStr(L"Wires"));
  EXPECT_EQ(clone->ParamBlock()->NumKeys(kWidthParam), 2);
  EXPECT_EQ(clone->ParamBlock()->GetFloat(kWidthParam, 2400), held.block().GetFloat(kWidthParam, 2400));
  EXPECT_EQ(clone->ParamBlock()->GetColor(kWireColorParam), Color(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(clone->ParamBlock()->GetColor(kCenterColorParam), Color(1.0f, 1.0f, 1.0f));
  EXPECT_EQ(clone->ParamBlock()->GetInt(kSuperSampleParam), 0);

  clone->ParamBlock()->SetValue(kCenterColorParam, 0, Color(0.5f, 0.5f, 0.5f));
  EXPECT_EQ(held.block().GetColor(kCenterColorParam), Color(1.0f, 1.0f, 1.0f));
}

class FilameshFile : public ::testing::Test {
 protected:
  void SetUp() override { RegisterClassDesc(GetFilameshClassDesc()); }
  void TearDown() override { UnregisterClassDesc(GetFilameshClassDesc()); }
};

TEST_F(FilameshFile, SaveAndLoadKeepTheNameAndEveryParameterWithItsAnimation) {
  HeldFilamesh held;
  held.map->SetName(L"Strands");
  held.map->gbufID = 7;
  SetKey(held.block(), kWidthParam, 0, 0.05f);
  SetKey(held.block(), kWidthParam, 9600, 0.5f);
  SetKey(held.block(), kCenterColorParam, 4800, Color(0.2f, 0.4f, 0.6f));
  held.block().SetValue(kWireColorParam, 0, Color(1.0f, 0.0f, 0.0f));
  held.block().SetValue(kSuperSampleParam, 0, 0);

  std::vector<unsigned char> bytes;
  std::string error;
  ASSERT_TRUE(SaveScene({held.map}, bytes, error)) << error;
  SceneHolder scene;
  ASSERT_TRUE(LoadScene(bytes.data(), bytes.size(), "wires.max", scene, error)) << error;
  ASSERT_EQ(scene.NumRefs(), 1);
  auto* loaded = dynamic_cast<Filamesh*>(scene.GetReference(0));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetName(), WStr(L"Strands"));
  EXPECT_EQ(loaded->gbufID, 7);
  IParamBlock* block = loaded->ParamBlock();
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->GetVersion(), kFilameshBlockVersion);
  EXPECT_EQ(block->NumKeys(kWidthParam), 2);
  EXPECT_EQ(block->GetKeyTime(kWidthParam, 1), 9600);
  for (TimeValue t : {0, 2400, 9600}) {
    EXPECT_EQ(block->GetFloat(kWidthParam, t), held.block().GetFloat(kWidthParam, t));
  }
  EXPECT_TRUE(block->IsAnimated(kCenterColorParam));
  EXPECT_EQ(block->GetColor(kCenterColorParam, 4800), Color(0.2f, 0.4f, 0.6f));
  EXPECT_EQ(block->GetColor(kWireColorParam), Color(1.0f, 0.0f, 0.0f));
  EXPECT_EQ(block->GetInt(kSuperSampleParam), 0);
}

// A scene file read chunk by chunk from a script of open results and chunk ids.
class ScriptedLoad : public ILoad {
 public:
  struct Step {
    IOResult open;
    USHORT id;
  };
  explicit ScriptedLoad(std::vector<Step> steps) : steps(std::move(steps)) {}
  IOResult OpenChunk() override { return next < steps.size() ? steps[next++].open : IO_END; }
  USHORT CurChunkID() override { return steps[next - 1].id; }
  ULONG CurChunkLength() override { return 0; }
  IOResult CloseChunk() override { return IO_OK; }
  IOResult Read(void*, ULONG, ULONG* nread) override {
    if (nread) *nread = 0;
    return IO_ERROR;
  }
  IOResult ReadWStringChunk(WStr&) override { return IO_ERROR; }
  void RegisterPostLoadCallback(PostLoadCallback*) override {}

 private:
  std::vector<Step> steps;
  std::size_t next = 0;
};

TEST_F(FilameshFile, LoadSkipsUnknownChunksAndReportsADamagedOne) {
  HeldFilamesh held;
  ScriptedLoad unknownOnly({{IO_OK, 0x1234}, {IO_OK, 0x4001}});
  EXPECT_EQ(held.map->Load(&unknownOnly), IO_OK);
  ScriptedLoad damaged({{IO_OK, 0x1234}, {IO_ERROR, 0}});
  EXPECT_EQ(held.map->Load(&damaged), IO_ERROR);
}

TEST(FilameshClassDesc, AnswersTheModuleValues) {
  FilameshClassDesc& cd = *GetFilameshClassDesc();
  EXPECT_EQ(cd.IsPublic(), 1);
  EXPECT_EQ(WStr(cd.ClassName()), WStr(L"Filamesh"));
  EXPECT_EQ(cd.SuperClassID(), TEXMAP_CLASS_ID);
  EXPECT_EQ(cd.ClassID(), Class_ID(0x749A397B, 0x41FA3843));
  EXPECT_EQ(WStr(cd.Category()), WStr(TEXMAP_CAT_3D));
  EXPECT_EQ(cd.InternalName(), nullptr);
  EXPECT_EQ(cd.HInstance(), nullptr);
  const float version = cd.Version();
  std::uint32_t bits = 0;
  std::memcpy(&bits, &version, sizeof bits);
  EXPECT_EQ(bits, 0x3F828F5Cu);
  EXPECT_EQ(cd.BuildDate(), WStr(L"Mar 11 2018"));
  EXPECT_EQ(cd.SdkVersion(), 0x52083400);
  EXPECT_FALSE(cd.RightsNotice().isNull());

  SceneHolder holder;
  auto* made = static_cast<Filamesh*>(cd.Create(TRUE));
  ASSERT_NE(made, nullptr);
  holder.Add(made);
  EXPECT_EQ(made->ParamBlock()->GetFloat(kWidthParam), 0.1f);

  SetHostHeapFailAfter(0);
  EXPECT_EQ(cd.Create(FALSE), nullptr);
  SetHostHeapFailAfter(-1);
}

}  // namespace
