// Saving and loading through the host's scene file, and the material's own chunk loop.
#include <string>
#include <vector>

#include "host/ChunkIO.h"
#include "host/Lights.h"
#include "host/ParamBlock.h"
#include "host/SceneFile.h"
#include "host/StdMat.h"
#include "tests/clamp/ClampFixtures.h"

namespace {

class ClampFileTest : public ClampFixture {
 protected:
  void SetUp() override {
    ClampFixture::SetUp();
    RegisterClassDesc(&TheClampClassDesc());
  }
  void TearDown() override {
    UnregisterClassDesc(&TheClampClassDesc());
    ClampFixture::TearDown();
  }

  // Saves `saved` and answers the one loaded root, held by `scene`.
  Clamp* RoundTrip(Clamp* saved, SceneHolder& scene) {
    std::vector<unsigned char> bytes;
    std::string error;
    EXPECT_TRUE(SaveScene({saved}, bytes, error)) << error;
    EXPECT_TRUE(LoadScene(bytes.data(), bytes.size(), "clamp.max", scene, error)) << error;
    if (scene.NumRefs() != 1) return nullptr;
    return dynamic_cast<Clamp*>(scene.GetReference(0));
  }
};

TEST_F(ClampFileTest, RoundTripKeepsLimitsSwitchesAnimationAndSource) {
  mtl->SetName(L"Stored");
  const float low[3] = {51, 0, 10};
  const float high[3] = {200, 127.5f, 255};
  SetLimits(low, high, 1, 1);
  AnimateOn();
  mtl->paramBlock->SetValue(4, 0, 100.0f);
  mtl->paramBlock->SetValue(4, 1000, 200.0f);
  AnimateOff();
  mtl->sourceMtl->SetName(L"Inner");

  SceneHolder scene;
  Clamp* loaded = RoundTrip(mtl, scene);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetName(), WStr(L"Stored"));
  ASSERT_NE(loaded->paramBlock, nullptr);
  ASSERT_NE(loaded->sourceMtl, nullptr);
  EXPECT_EQ(loaded->sourceMtl->ClassID(), DMTL_CLASS_ID);
  EXPECT_EQ(loaded->sourceMtl->GetName(), WStr(L"Inner"));
  for (int t : {0, 1000, 500}) {
    Interval a = FOREVER;
    Interval b = FOREVER;
    mtl->Update(t, a);
    loaded->Update(t, b);
    EXPECT_EQ(a, b) << t;
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(loaded->lowLimit[k], mtl->lowLimit[k]) << t;
      EXPECT_EQ(loaded->highLimit[k], mtl->highLimit[k]) << t;
    }
    EXPECT_EQ(loaded->lowOn, 1);
    EXPECT_EQ(loaded->highOn, 1);
  }
  EXPECT_EQ(loaded->highRaw[1], 150.0f);
}

TEST_F(ClampFileTest, FileWithoutABlockLoadsAMaterialThatShadesAsItsSource) {
  Clamp* bare = MakeClamp(TRUE);
  ASSERT_NE(bare, nullptr);
  bare->ReplaceReference(1, NewDefaultStdMat());
  SceneHolder scene;
  Clamp* loaded = RoundTrip(bare, scene);
  bare->DeleteThis();
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->paramBlock, nullptr);
  ASSERT_NE(loaded->sourceMtl, nullptr);

  FixedLight light(Color(1.0f, 1.0f, 1.0f), 0.5f);
  SampleShadeContext expected;
  expected.AddLight(&light);
  SampleShadeContext sc = expected;
  Interval valid = FOREVER;
  loaded->Update(0, valid);
  EXPECT_EQ(loaded->Validity(0), loaded->sourceMtl->Validity(0));
  loaded->sourceMtl->Shade(expected);
  loaded->Shade(sc);
  EXPECT_EQ(sc.out.c, expected.out.c);
}

// An ILoad over a scripted list of chunks, for the material's own loop.
class ScriptedLoad : public ILoad {
 public:
  std::vector<USHORT> ids;
  IOResult last = IO_END;  // what OpenChunk answers after the list
  std::size_t next = 0;
  int closed = 0;

  IOResult OpenChunk() override {
    if (next < ids.size()) {
      ++next;
      return IO_OK;
    }
    return last;
  }
  USHORT CurChunkID() override { return ids[next - 1]; }
  ULONG CurChunkLength() override { return 0; }
  IOResult CloseChunk() override {
    ++closed;
    return IO_OK;
  }
  IOResult Read(void*, ULONG, ULONG* nread) override {
    if (nread != nullptr) *nread = 0;
    return IO_ERROR;
  }
  IOResult ReadWStringChunk(WStr&) override { return IO_ERROR; }
  void RegisterPostLoadCallback(PostLoadCallback*) override {}
};

TEST_F(ClampFileTest, LoadSkipsForeignChunksAndReportsDamage) {
  struct Case {
    const char* name;
    std::vector<USHORT> ids;
    IOResult last;
    IOResult result;
  };
  const Case cases[] = {
      {"no chunks", {}, IO_END, IO_OK},
      {"foreign chunks skipped", {0x1234, 0x4001}, IO_END, IO_OK},
      // A chunk that cannot be opened is damage, not the end of the data.
      {"unreadable chunk", {0x1234}, IO_ERROR, IO_ERROR},
  };
  for (const Case& c : cases) {
    ScriptedLoad load;
    load.ids = c.ids;
    load.last = c.last;
    EXPECT_EQ(mtl->Load(&load), c.result) << c.name;
    EXPECT_EQ(load.closed, static_cast<int>(c.ids.size())) << c.name;
  }
}

}  // namespace
