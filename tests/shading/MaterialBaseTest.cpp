// The common data of materials and maps (name, G-buffer id), its saving and loading, and the
// requirement flags gathered over sub-maps and sub-materials.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "host/ChunkStreams.h"
#include "host/HostChunkIds.h"
#include "host/Lights.h"
#include "host/SceneFile.h"
#include "host/StdMat.h"
#include "tests/shading/ShadingFixtures.h"

namespace {

using shadingtest::FlatMap;
using shadingtest::SlotMtl;

TEST(MtlBase, AssignmentCopiesTheCommonDataOnly) {
  SceneHolder holder;
  auto* target = new SlotMtl();
  auto* source = new SlotMtl();
  holder.Add(target);
  holder.Add(source);
  StdMat* sub = NewDefaultStdMat();
  source->SetSubMtl(0, sub);
  source->SetName(L"Stone");
  source->gbufID = 9;
  source->extra = 2;
  target->extra = 1;

  static_cast<MtlBase&>(*target) = *source;
  EXPECT_EQ(target->GetName(), L"Stone");
  EXPECT_EQ(target->gbufID, 9);
  EXPECT_EQ(target->extra, 1);
  EXPECT_EQ(target->GetSubMtl(0), nullptr);
  EXPECT_EQ(target->GetFullName(), L"Stone ( Slot Material )");
  sub->SetName(L"Brick");
  EXPECT_EQ(sub->GetFullName(), L"Brick ( Standard )");
}

std::vector<unsigned char> SaveCommonData(MtlBase& m) {
  std::vector<unsigned char> bytes;
  ChunkWriter writer(bytes);
  writer.BeginChunk(MTL_HDR_CHUNK);
  EXPECT_EQ(m.Save(&writer), IO_OK);
  writer.EndChunk();
  EXPECT_FALSE(writer.Failed());
  return bytes;
}

IOResult LoadCommonData(MtlBase& m, const std::vector<unsigned char>& bytes) {
  ChunkReader reader(bytes.data(), 0, bytes.size());
  if (reader.OpenChunk() != IO_OK) return IO_ERROR;
  const IOResult res = m.Load(&reader);
  reader.CloseChunk();
  return res;
}

TEST(MtlBase, CommonDataKeptThroughSaveAndLoad) {
  const wchar_t* names[] = {L"", L"Brick", L"Zie\u00dfel \u6728\u6750", L"smile \U0001F600 end"};
  for (const wchar_t* name : names) {
    SceneHolder holder;
    auto* saved = new SlotMtl();
    auto* loaded = new SlotMtl();
    holder.Add(saved);
    holder.Add(loaded);
    saved->SetName(name);
    saved->gbufID = -123456;
    loaded->SetName(L"before");
    EXPECT_EQ(LoadCommonData(*loaded, SaveCommonData(*saved)), IO_OK);
    EXPECT_EQ(loaded->GetName(), saved->GetName());
    EXPECT_EQ(loaded->gbufID, -123456);
  }
}

struct DamagedCase {
  const char* what;
  std::function<void(ChunkWriter&)> write;  // inside the header chunk
  IOResult expected;
  const wchar_t* name;  // what the object holds afterwards; it started as "old", gbufID 5
  int gbufID;
};

void Put(ChunkWriter& w, USHORT id, const void* data, ULONG n) {
  ULONG written = 0;
  w.BeginChunk(id);
  w.Write(data, n, &written);
  w.EndChunk();
}

const unsigned char kSeven[4] = {7, 0, 0, 0};

const DamagedCase kDamaged[] = {
    {"unknown chunks are skipped",
     [](ChunkWriter& w) {
       Put(w, 0x7777, "xyz", 3);
       w.BeginChunk(MTLBASE_NAME_CHUNK);
       w.WriteWString(L"new");
       w.EndChunk();
       Put(w, MTLBASE_GBUFID_CHUNK, kSeven, 4);
     },
     IO_OK, L"new", 7},
    {"missing values keep theirs", [](ChunkWriter& w) { Put(w, 0x7777, "", 0); }, IO_OK, L"old", 5},
    {"short G-buffer id", [](ChunkWriter& w) { Put(w, MTLBASE_GBUFID_CHUNK, kSeven, 2); }, IO_ERROR, L"old",
     5},
    {"empty G-buffer id", [](ChunkWriter& w) { Put(w, MTLBASE_GBUFID_CHUNK, kSeven, 0); }, IO_ERROR, L"old",
     5},
    {"odd name length", [](ChunkWriter& w) { Put(w, MTLBASE_NAME_CHUNK, "abc", 3); }, IO_ERROR, L"old", 5},
};

TEST(MtlBase, DamagedCommonDataIsReportedNotTrusted) {
  for (const DamagedCase& c : kDamaged) {
    SCOPED_TRACE(c.what);
    std::vector<unsigned char> bytes;
    ChunkWriter writer(bytes);
    writer.BeginChunk(MTL_HDR_CHUNK);
    c.write(writer);
    writer.EndChunk();

    SceneHolder holder;
    auto* m = new SlotMtl();
    holder.Add(m);
    m->SetName(L"old");
    m->gbufID = 5;
    EXPECT_EQ(LoadCommonData(*m, bytes), c.expected);
    EXPECT_EQ(m->GetName(), c.name);
    EXPECT_EQ(m->gbufID, c.gbufID);
  }
}

struct RequirementCase {
  const char* what;
  std::function<SlotMtl*(SceneHolder&)> build;
  ULONG expected;
};

SlotMtl* Owned(SceneHolder& holder, ULONG local) {
  auto* m = new SlotMtl();
  m->requirements = local;
  holder.Add(m);
  return m;
}

StdMat* WithMap(ULONG mapRequirements, BOOL on) {
  StdMat* mtl = NewDefaultStdMat();
  auto* map = new FlatMap();
  map->requirements = mapRequirements;
  mtl->SetSubTexmap(ID_DI, map);
  mtl->EnableMap(ID_DI, on);
  return mtl;
}

const RequirementCase kRequirements[] = {
    {"nothing asked", [](SceneHolder& h) { return Owned(h, 0); }, 0},
    {"its own super-sampling", [](SceneHolder& h) { return Owned(h, MTLREQ_SUPERSAMPLE); },
     MTLREQ_SUPERSAMPLE},
    {"a sub-material's map",
     [](SceneHolder& h) {
       SlotMtl* m = Owned(h, MTLREQ_UV);
       m->SetSubMtl(0, WithMap(MTLREQ_SUPERSAMPLE, TRUE));
       return m;
     },
     MTLREQ_UV | MTLREQ_SUPERSAMPLE},
    {"a switched-off map asks nothing",
     [](SceneHolder& h) {
       SlotMtl* m = Owned(h, 0);
       m->SetSubMtl(0, WithMap(MTLREQ_SUPERSAMPLE, FALSE));
       return m;
     },
     0},
    {"sub-material of a sub-material",
     [](SceneHolder& h) {
       SlotMtl* m = Owned(h, MTLREQ_2SIDE);
       auto* inner = new SlotMtl();
       inner->requirements = MTLREQ_WIRE;
       m->SetSubMtl(0, inner);
       return m;
     },
     MTLREQ_2SIDE | MTLREQ_WIRE},
};

TEST(MtlBase, RequirementsGatherSubMapsAndSubMaterials) {
  for (const RequirementCase& c : kRequirements) {
    SCOPED_TRACE(c.what);
    SceneHolder holder;
    SlotMtl* m = c.build(holder);
    EXPECT_EQ(m->Requirements(0), c.expected);
  }
}

// The defaults the plug-ins keep where they override nothing.
TEST(MtlBase, HostDefaults) {
  SceneHolder holder;
  auto* map = new FlatMap();
  auto* mtl = new SlotMtl();
  holder.Add(map);
  holder.Add(mtl);
  map->color = AColor(0.25f, 0.5f, 0.75f, 0.0f);
  SampleShadeContext sc;
  EXPECT_FLOAT_EQ(map->EvalMono(sc), 0.5f);
  EXPECT_EQ(map->SuperClassID(), TEXMAP_CLASS_ID);
  EXPECT_EQ(map->NumSubTexmaps(), 0);
  EXPECT_EQ(map->GetRefTarget(), map);
  EXPECT_EQ(mtl->SuperClassID(), MATERIAL_CLASS_ID);
  EXPECT_EQ(mtl->EvalDisplacement(sc), 0.0f);
  EXPECT_EQ(mtl->DisplacementValidity(0), FOREVER);
}

}  // namespace
