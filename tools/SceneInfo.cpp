#include "tools/SceneInfo.h"

#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "host/Materials.h"
#include "host/SceneFile.h"
#include "host/SceneFormat.h"
#include "tools/ModuleSet.h"
#include "tools/ParamAccess.h"
#include "tools/Text.h"

namespace {

// Objects in the order the scene file numbers them: depth first over the reference slots,
// each object where the walk first meets it.
std::vector<ReferenceTarget*> NumberObjects(SceneHolder& holder) {
  std::vector<ReferenceTarget*> order;
  std::map<ReferenceTarget*, int> seen;
  for (int r = 0; r < holder.NumRefs(); ++r) {
    ReferenceTarget* root = holder.GetReference(r);
    if (root == nullptr || !seen.emplace(root, static_cast<int>(order.size())).second) continue;
    order.push_back(root);
    std::vector<std::pair<ReferenceTarget*, int>> path{{root, 0}};
    while (!path.empty()) {
      auto& [maker, slot] = path.back();
      if (slot >= maker->NumRefs()) {
        path.pop_back();
        continue;
      }
      ReferenceTarget* t = maker->GetReference(slot++);
      if (t != nullptr && seen.emplace(t, static_cast<int>(order.size())).second) {
        order.push_back(t);
        path.emplace_back(t, 0);
      }
    }
  }
  return order;
}

// A bounds-checked walk over the chunks of a byte range.
struct ChunkView {
  unsigned short id;
  const unsigned char* data;
  std::size_t size;
};

bool NextChunk(const unsigned char*& p, const unsigned char* end, ChunkView& chunk) {
  if (static_cast<std::size_t>(end - p) < scenefile::kChunkHeaderSize) return false;
  const auto id = static_cast<unsigned short>(p[0] | (p[1] << 8));
  const std::size_t length = static_cast<std::size_t>(p[2]) | (static_cast<std::size_t>(p[3]) << 8) |
                             (static_cast<std::size_t>(p[4]) << 16) | (static_cast<std::size_t>(p[5]) << 24);
  p += scenefile::kChunkHeaderSize;
  if (length > static_cast<std::size_t>(end - p)) return false;
  chunk = {id, p, length};
  p += length;
  return true;
}

std::string Bytes(const ChunkView& c) {
  constexpr std::size_t kShown = 16;
  std::string text;
  for (std::size_t i = 0; i < c.size && i < kShown; ++i) text += (i ? " " : "") + Hex(c.data[i], 2).substr(2);
  if (c.size > kShown) text += " ...";
  return text;
}

// The chunks each object wrote itself, by object index.
std::vector<std::vector<ChunkView>> DataChunks(const std::vector<unsigned char>& file) {
  std::vector<std::vector<ChunkView>> result;
  const unsigned char* p = file.data() + scenefile::kHeaderSize;
  const unsigned char* end = file.data() + file.size();
  ChunkView top{};
  while (NextChunk(p, end, top)) {
    if (top.id != scenefile::kObjectsChunk) continue;
    const unsigned char* q = top.data;
    ChunkView object{};
    while (NextChunk(q, top.data + top.size, object)) {
      if (object.id != scenefile::kObjectChunk) continue;
      result.emplace_back();
      const unsigned char* r = object.data;
      ChunkView part{};
      while (NextChunk(r, object.data + object.size, part)) {
        if (part.id != scenefile::kDataChunk) continue;
        const unsigned char* s = part.data;
        ChunkView own{};
        while (NextChunk(s, part.data + part.size, own)) result.back().push_back(own);
      }
    }
  }
  return result;
}

}  // namespace

bool PrintSceneInfo(const std::string& path, std::ostream& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": the file could not be opened";
    return false;
  }
  const std::vector<unsigned char> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  SceneHolder holder;
  if (!LoadScene(file.data(), file.size(), path, holder, error)) return false;

  const std::vector<ReferenceTarget*> objects = NumberObjects(holder);
  const std::vector<std::vector<ChunkView>> chunks = DataChunks(file);
  std::map<ReferenceTarget*, int> number;
  for (std::size_t i = 0; i < objects.size(); ++i) number[objects[i]] = static_cast<int>(i);

  out << path << ": " << holder.NumRefs() << " root(s), " << objects.size() << " object(s)\n";
  for (std::size_t i = 0; i < objects.size(); ++i) {
    ReferenceTarget* t = objects[i];
    WStr className;
    t->GetClassName(className);
    out << "[" << i << "] " << ToUtf8(className.str()) << "  " << SuperClassText(t->SuperClassID()) << " "
        << ClassIdText(t->ClassID()) << "\n";
    if (t->SuperClassID() == MATERIAL_CLASS_ID || t->SuperClassID() == TEXMAP_CLASS_ID) {
      auto* mb = static_cast<MtlBase*>(t);
      if (mb->GetName().Length() > 0) out << "    name \"" << ToUtf8(mb->GetName().str()) << "\"\n";
    }
    for (int r = 0; r < t->NumRefs(); ++r) {
      ReferenceTarget* target = t->GetReference(r);
      out << "    ref " << r << " -> "
          << (target == nullptr ? "none" : "[" + std::to_string(number[target]) + "]") << "\n";
    }
    if (t->ClassID() == PARAMETER_BLOCK_CLASS) {
      auto* block = static_cast<IParamBlock*>(t);
      out << "    block version " << block->GetVersion() << "\n";
      for (const std::string& line : DescribeParameters(block, 0)) out << "    " << line << "\n";
    }
    if (i < chunks.size()) {
      for (const ChunkView& c : chunks[i]) {
        out << "    chunk " << Hex(c.id, 4) << " (" << c.size << " bytes)" << (c.size ? ": " : "") << Bytes(c)
            << "\n";
      }
    }
  }
  return true;
}
