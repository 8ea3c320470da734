// The map's own chunks, scene round trips and the conversion of version-1 blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "host/ChunkIO.h"
#include "host/SceneFile.h"
#include "penumbrix/PenumbrixClassDesc.h"
#include "penumbrix/PenumbrixParams.h"
#include "tests/penumbrix/PenumbrixTestSupport.h"

namespace {

// Keeps the bytes written directly into each top-level chunk, in order.
class RecordingSave : public ISave {
 public:
  std::vector<std::pair<USHORT, std::vector<unsigned char>>> chunks;
  bool failWrites = false;
  int depth = 0;
  void BeginChunk(USHORT id) override {
    if (depth++ == 0) chunks.push_back({id, {}});
  }
  void EndChunk() override { --depth; }
  IOResult Write(const void* buf, ULONG nbytes, ULONG* nwritten) override {
    if (failWrites) {
      *nwritten = 0;
      return IO_ERROR;
    }
    if (depth == 1) {
      const auto* b = static_cast<const unsigned char*>(buf);
      chunks.back().second.insert(chunks.back().second.end(), b, b + nbytes);
    }
    *nwritten = nbytes;
    return IO_OK;
  }
  IOResult WriteWString(const wchar_t*) override { return IO_OK; }
  std::vector<USHORT> Ids() const {
    std::vector<USHORT> ids;
    for (const auto& c : chunks) ids.push_back(c.first);
    return ids;
  }
  const std::vector<unsigned char>& Data(USHORT id) const {
    for (const auto& c : chunks) {
      if (c.first == id) return c.second;
    }
    static const std::vector<unsigned char> none;
    return none;
  }
};

// Hands out a scripted list of flat chunks. A read past a chunk's end either fails (as the
// host's reader does) or, for `shortReadsSucceed`, delivers what is left and answers IO_OK.
class ScriptedLoad : public ILoad {
 public:
  std::vector<std::pair<USHORT, std::vector<unsigned char>>> chunks;
  IOResult afterLast = IO_END;
  bool shortReadsSucceed = false;
  std::vector<PostLoadCallback*> callbacks;
  ~ScriptedLoad() override {
    for (PostLoadCallback* cb : callbacks) cb->Abandon();
  }
  IOResult OpenChunk() override {
    if (next >= chunks.size()) return afterLast;
    open = next++;
    pos = 0;
    return IO_OK;
  }
  USHORT CurChunkID() override { return chunks[open].first; }
  ULONG CurChunkLength() override { return static_cast<ULONG>(chunks[open].second.size()); }
  IOResult CloseChunk() override { return IO_OK; }
  IOResult Read(void* buf, ULONG nbytes, ULONG* nread) override {
    const std::vector<unsigned char>& data = chunks[open].second;
    const std::size_t left = data.size() - pos;
    if (nbytes > left && !shortReadsSucceed) {
      *nread = 0;
      return IO_ERROR;
    }
    const std::size_t n = std::min<std::size_t>(nbytes, left);
    if (n > 0) std::memcpy(buf, data.data() + pos, n);
    pos += n;
    *nread = static_cast<ULONG>(n);
    return IO_OK;
  }
  IOResult ReadWStringChunk(WStr&) override { return IO_ERROR; }
  void RegisterPostLoadCallback(PostLoadCallback* cb) override { callbacks.push_back(cb); }

 private:
  std::size_t next = 0;
  std::size_t open = 0;
  std::size_t pos = 0;
};

std::vector<unsigned char> Int32(std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  return {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
          static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
}

class PenumbrixFile : public testing::Test {
 protected:
  void SetUp() override { RegisterClassDesc(GetPenumbrixClassDesc()); }
  void TearDown() override {
    UnregisterClassDesc(GetPenumbrixClassDesc());
    moduleDataVersion = 200;
  }

  // Saves `map` as the only root and loads it back.
  static Penumbrix* RoundTrip(Penumbrix* map, SceneHolder& loaded) {
    std::vector<unsigned char> bytes;
    std::string error;
    EXPECT_TRUE(SaveScene({map}, bytes, error)) << error;
    EXPECT_TRUE(LoadScene(bytes.data(), bytes.size(), "penumbrix.scene", loaded, error)) << error;
    if (loaded.NumRefs() < 1) return nullptr;
    return dynamic_cast<Penumbrix*>(loaded.GetReference(0));
  }
};

TEST_F(PenumbrixFile, ChunksCarryVersionAndInvertedSwitches) {
  const struct { int darkOn, litOn; } cases[] = {{1, 1}, {1, 0}, {0, 1}, {0, 0}};
  for (const auto& c : cases) {
    MapPtr m = NewMap();
    m->mapOn[0] = c.darkOn;
    m->mapOn[1] = c.litOn;
    RecordingSave save;
    ASSERT_EQ(m->Save(&save), IO_OK);
    EXPECT_EQ(save.Ids(), (std::vector<USHORT>{0x4000, 0x4001, 0x4100, 0x4101}));
    EXPECT_EQ(save.Data(0x4001), Int32(200));
    EXPECT_EQ(save.Data(0x4100), Int32(c.darkOn ? 0 : 1));
    EXPECT_EQ(save.Data(0x4101), Int32(c.litOn ? 0 : 1));
  }
  MapPtr m = NewMap();
  RecordingSave failing;
  failing.failWrites = true;
  EXPECT_NE(m->Save(&failing), IO_OK);
}

TEST_F(PenumbrixFile, LoadedChunksSetSwitchesAndTheModuleVersion) {
  struct Case {
    const char* name;
    std::vector<std::pair<USHORT, std::vector<unsigned char>>> chunks;
    IOResult result;
    int darkOn, litOn, version;
  };
  const Case cases[] = {
      {"no chunks: switches stay on", {{0x4001, Int32(200)}}, IO_OK, 1, 1, 200},
      {"inverted switches", {{0x4100, Int32(1)}, {0x4101, Int32(0)}}, IO_OK, 0, 1, 200},
      {"any non-zero is off", {{0x4100, Int32(7)}, {0x4101, Int32(-1)}}, IO_OK, 0, 0, 200},
      {"version sticks", {{0x4001, Int32(150)}}, IO_OK, 1, 1, 150},
      {"unknown chunks skipped", {{0x4242, Int32(1)}, {0x4101, Int32(1)}}, IO_OK, 1, 0, 200},
      {"longer chunk reads its first four bytes", {{0x4100, {1, 0, 0, 0, 9}}}, IO_OK, 0, 1, 200},
      {"short version chunk", {{0x4001, {150, 0}}}, IO_ERROR, 1, 1, 200},
      {"short dark switch", {{0x4100, {1, 0, 0}}}, IO_ERROR, 1, 1, 200},
      {"empty lit switch", {{0x4101, {}}}, IO_ERROR, 1, 1, 200},
  };
  for (const bool shortReadsSucceed : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.name << (shortReadsSucceed ? ", short reads succeed" : ""));
      moduleDataVersion = 200;
      MapPtr m = NewMap();
      ScriptedLoad load;
      load.chunks = c.chunks;
      load.shortReadsSucceed = shortReadsSucceed;
      EXPECT_EQ(m->Load(&load), c.result);
      EXPECT_EQ(m->mapOn[0], c.darkOn);
      EXPECT_EQ(m->mapOn[1], c.litOn);
      EXPECT_EQ(moduleDataVersion, c.version);
    }
  }
  // A chunk that does not fit is an error, not the end of the chunks.
  MapPtr m = NewMap();
  ScriptedLoad broken;
  broken.chunks = {{0x4100, Int32(1)}};
  broken.afterLast = IO_ERROR;
  EXPECT_EQ(m->Load(&broken), IO_ERROR);
}

TEST_F(PenumbrixFile, LoadedVersionIsWrittenByEveryLaterSave) {
  MapPtr loaded = NewMap();
  ScriptedLoad load;
  load.chunks = {{0x4001, Int32(150)}};
  ASSERT_EQ(loaded->Load(&load), IO_OK);
  MapPtr other = NewMap();
  RecordingSave save;
  ASSERT_EQ(other->Save(&save), IO_OK);
  EXPECT_EQ(save.Data(0x4001), Int32(150));
}

TEST_F(PenumbrixFile, SceneRoundTripKeepsEverything) {
  MapPtr m = NewMap();
  auto* darkMap = new Penumbrix();
  darkMap->SetCurveLit(0.25f, 0);
  m->SetSubTexmap(0, darkMap);
  m->mapOn[1] = 0;
  m->SetName(WStr(L"light mix"));
  m->gbufID = 3;
  m->SetColor(0, Color(0.1f, 0.2f, 0.3f), 0);
  m->SetAmount(1, 0.4f, 0);
  AnimateOn();
  m->SetCurveControl1(0.9f, 4800);
  AnimateOff();
  SceneHolder scene;
  Penumbrix* back = RoundTrip(m.get(), scene);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetName(), L"light mix");
  EXPECT_EQ(back->gbufID, 3);
  EXPECT_EQ(back->mapOn[0], 1);
  EXPECT_EQ(back->mapOn[1], 0);
  ASSERT_NE(dynamic_cast<Penumbrix*>(back->GetSubTexmap(0)), nullptr);
  EXPECT_EQ(back->GetSubTexmap(1), nullptr);
  EXPECT_NE(back->texout, nullptr);
  EXPECT_EQ(back->paramBlock->GetVersion(), 2u);
  EXPECT_EQ(back->paramBlock->NumKeys(kParamControl1), m->paramBlock->NumKeys(kParamControl1));
  Interval valid = FOREVER;
  back->Update(4800, valid);
  EXPECT_EQ(back->curveControl1, 0.9f);
  EXPECT_EQ(back->colors[0], Color(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(back->amounts[1], 0.4f);
  EXPECT_FALSE(back->CurveTableCurrent());
  auto* backDark = static_cast<Penumbrix*>(back->GetSubTexmap(0));
  backDark->Update(0, valid);
  EXPECT_EQ(backDark->curveLit, 0.25f);
}

TEST_F(PenumbrixFile, VersionOneBlocksShadeAsBeforeTheAmounts) {
  struct Case {
    const char* name;
    bool versionOne;
    float amount;  // as saved in a current block
    float expected;
  };
  const Case cases[] = {
      {"version 1", true, 0.0f, 1.0f},
      {"version 2 keeps its amounts", false, 0.3f, 0.3f},
      {"version 2 keeps zero amounts", false, 0.0f, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MapPtr m = NewMap();
    if (c.versionOne) {
      const ParamVersionDesc& v1 = kPenumbrixOldVersions[0];
      m->ReplaceReference(Penumbrix::kRefParamBlock, CreateParameterBlock(v1.desc, v1.count, v1.version));
      // A fresh block holds zeros: give it the values the map had before the amounts existed.
      const float values[] = {0.0f, 0.8f, 0.0f, 0.33333f, 0.66666f, 1.0f};
      for (int i = 0; i < 6; ++i) m->paramBlock->SetValue(i, 0, values[i]);
      m->paramBlock->SetValue(kParamLitColor, 0, Color(1.0f, 0.5f, 0.0f));
    } else {
      m->SetHighThreshold(0.8f, 0);
      m->SetColor(1, Color(1.0f, 0.5f, 0.0f), 0);
      m->SetAmount(0, c.amount, 0);
      m->SetAmount(1, c.amount, 0);
    }
    SceneHolder scene;
    Penumbrix* back = RoundTrip(m.get(), scene);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->paramBlock->GetVersion(), 2u);
    EXPECT_EQ(back->paramBlock->NumParams(), 10);
    EXPECT_EQ(back->paramBlock->GetFloat(kParamDarkAmount, 0), c.expected);
    EXPECT_EQ(back->paramBlock->GetFloat(kParamLitAmount, 0), c.expected);
    EXPECT_FALSE(back->paramBlock->IsAnimated(kParamLitAmount));
    Interval valid = FOREVER;
    back->Update(0, valid);
    EXPECT_EQ(back->highThreshold, 0.8f);
    EXPECT_EQ(back->colors[1], Color(1.0f, 0.5f, 0.0f));
    LitSample s = LitSample::AtLevel(1.0f);
    EXPECT_EQ(back->EvalColor(s.sc()), AColor(1.0f, 0.5f, 0.0f, 1.0f) * c.expected);
  }
}

}  // namespace
