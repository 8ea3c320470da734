// Saving: the objects reachable from the roots, numbered in the order a depth-first walk over
// their reference slots first meets them, so saving a loaded scene numbers it the same way.
#include <map>
#include <utility>

#include "host/ChunkStreams.h"
#include "host/RefGraph.h"
#include "host/SceneFile.h"
#include "host/SceneFormat.h"
#include "host/SceneText.h"

namespace {

struct Graph {
  std::vector<ReferenceTarget*> objects;
  std::map<ReferenceTarget*, int> index;
  std::vector<std::vector<int>> refs;  // per object, per slot; -1 for an empty slot
};

int visit(Graph& g, ReferenceTarget* t) {
  auto [it, added] = g.index.emplace(t, static_cast<int>(g.objects.size()));
  if (added) {
    g.objects.push_back(t);
    g.refs.emplace_back();
  }
  return it->second;
}

void walk(Graph& g, ReferenceTarget* root) {
  const std::size_t firstNew = g.objects.size();
  visit(g, root);
  if (g.objects.size() == firstNew) return;
  std::vector<std::pair<ReferenceTarget*, int>> path{{root, 0}};  // object, next slot
  while (!path.empty()) {
    auto& [maker, slot] = path.back();
    if (slot >= maker->NumRefs()) {
      path.pop_back();
      continue;
    }
    ReferenceTarget* target = maker->GetReference(slot++);
    const int from = g.index[maker];
    if (target == nullptr) {
      g.refs[static_cast<std::size_t>(from)].push_back(-1);
      continue;
    }
    const std::size_t before = g.objects.size();
    const int to = visit(g, target);
    g.refs[static_cast<std::size_t>(from)].push_back(to);
    if (g.objects.size() != before) path.emplace_back(target, 0);
  }
}

std::wstring classNameOf(ReferenceTarget* t) {
  WStr name;
  t->GetClassName(name);
  return name.str();
}

std::string label(const Graph& g, int i) {
  ReferenceTarget* t = g.objects[static_cast<std::size_t>(i)];
  return ObjectLabel(static_cast<std::size_t>(i), classNameOf(t), t->SuperClassID(), t->ClassID());
}

}  // namespace

bool SaveScene(const std::vector<ReferenceTarget*>& roots, std::vector<unsigned char>& bytes,
               std::string& error) {
  Graph g;
  std::vector<int> rootIndex;
  for (std::size_t r = 0; r < roots.size(); ++r) {
    if (roots[r] == nullptr) {
      error = "root " + std::to_string(r) + " is null";
      return false;
    }
    walk(g, roots[r]);
    rootIndex.push_back(g.index[roots[r]]);
  }
  // The reference system cannot release a loop, so the loader refuses one; never write it.
  const int loop = FindReferenceLoop(g.refs);
  if (loop >= 0) {
    error = label(g, loop) + " lies on a reference loop";
    return false;
  }

  std::vector<unsigned char> out(scenefile::kMagic, scenefile::kMagic + sizeof scenefile::kMagic);
  ChunkWriter w(out);
  w.WriteU32(scenefile::kFormatVersion);

  w.BeginChunk(scenefile::kRootsChunk);
  for (int r : rootIndex) w.WriteU32(static_cast<std::uint32_t>(r));
  w.EndChunk();

  w.BeginChunk(scenefile::kObjectsChunk);
  for (std::size_t i = 0; i < g.objects.size(); ++i) {
    ReferenceTarget* t = g.objects[i];
    w.BeginChunk(scenefile::kObjectChunk);

    w.BeginChunk(scenefile::kClassChunk);
    const Class_ID cid = t->ClassID();
    w.WriteU32(t->SuperClassID());
    w.WriteU32(cid.PartA());
    w.WriteU32(cid.PartB());
    w.EndChunk();

    w.BeginChunk(scenefile::kClassNameChunk);
    w.WriteWString(classNameOf(t).c_str());
    w.EndChunk();

    w.BeginChunk(scenefile::kRefsChunk);
    for (int to : g.refs[i]) {
      w.WriteU32(to < 0 ? scenefile::kNullRef : static_cast<std::uint32_t>(to));
      w.WriteU32(to < 0 ? 0u : g.objects[static_cast<std::size_t>(to)]->SuperClassID());
    }
    w.EndChunk();

    w.BeginChunk(scenefile::kDataChunk);
    const int depth = w.OpenChunks();
    const IOResult saved = t->Save(&w);
    if (saved != IO_OK) {
      error = label(g, static_cast<int>(i)) + ": its Save failed";
      return false;
    }
    if (w.OpenChunks() != depth || w.Failed()) {
      error = label(g, static_cast<int>(i)) + ": its Save left its chunks unbalanced";
      return false;
    }
    w.EndChunk();

    w.EndChunk();
  }
  w.EndChunk();
  if (w.Failed()) {
    error = "the scene does not fit the file's chunk lengths";
    return false;
  }
  bytes.swap(out);
  return true;
}
