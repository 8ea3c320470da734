#include "tests/scene/SceneFixtures.h"

#include "host/ChunkStreams.h"
#include "host/SceneFormat.h"

SampleScene::SampleScene() {
  RegisterSceneTestClasses();
  first = new TestNode;
  second = new TestNode;
  shared = new TestNode;
  leaf = new TestLeaf;
  holder.Add(first);
  holder.Add(second);

  leaf->value = 0.25f;
  first->tag = 7;
  first->label = L"first \U0001F600 \u00E9";
  first->blob = {1, 2, 3, 0, 255};
  second->tag = -3;
  shared->tag = 11;
  shared->label = L"shared";

  IParamBlock* block = first->Block();
  AnimateOn();
  block->SetValue(0, 0, 1.5f);
  block->SetValue(0, 4800, 3.0f);
  block->SetValue(1, 2400, Color(0.1f, 0.2f, 0.3f));
  AnimateOff();
  block->SetValue(2, 0, 42);

  first->SetRef(1, leaf);
  first->SetRef(2, shared);
  second->SetRef(1, shared);
  second->SetRef(3, leaf);
  shared->SetRef(0, nullptr);  // the default block goes: the slot is saved empty
  shared->SetRef(2, leaf);
}

void AppendChunk(std::vector<unsigned char>& out, unsigned short id,
                 const std::vector<unsigned char>& content) {
  ChunkWriter w(out);
  w.BeginChunk(id);
  ULONG n = 0;
  w.Write(content.data(), static_cast<ULONG>(content.size()), &n);
  w.EndChunk();
}

std::vector<unsigned char> U32s(std::initializer_list<std::uint32_t> values) {
  std::vector<unsigned char> out;
  ChunkWriter w(out);
  for (std::uint32_t v : values) w.WriteU32(v);
  return out;
}

std::vector<unsigned char> BuildSceneFile(std::uint32_t version, const std::vector<std::uint32_t>& roots,
                                          const std::vector<FileObject>& objects) {
  std::vector<unsigned char> out(scenefile::kMagic, scenefile::kMagic + sizeof scenefile::kMagic);
  ChunkWriter w(out);
  w.WriteU32(version);
  w.BeginChunk(scenefile::kRootsChunk);
  for (std::uint32_t r : roots) w.WriteU32(r);
  w.EndChunk();
  w.BeginChunk(scenefile::kObjectsChunk);
  for (const FileObject& o : objects) {
    std::vector<unsigned char> body;
    AppendChunk(body, scenefile::kClassChunk, U32s({o.sclass, o.cid.PartA(), o.cid.PartB()}));
    std::vector<unsigned char> refs;
    for (const auto& [index, sclass] : o.refs) {
      const auto record = U32s({index, sclass});
      refs.insert(refs.end(), record.begin(), record.end());
    }
    AppendChunk(body, scenefile::kRefsChunk, refs);
    AppendChunk(body, scenefile::kDataChunk, o.data);
    AppendChunk(out, scenefile::kObjectChunk, body);
  }
  w.EndChunk();
  return out;
}

std::vector<ReferenceTarget*> HeldRoots(SceneHolder& scene) {
  std::vector<ReferenceTarget*> roots;
  roots.reserve(static_cast<std::size_t>(scene.NumRefs()));
  for (int i = 0; i < scene.NumRefs(); ++i) roots.push_back(scene.GetReference(i));
  return roots;
}
