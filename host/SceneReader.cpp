// Loading: the whole file is read and checked before the first object is made; then every object
// is created through its descriptor, loads its own chunks, gets its references back, and the
// post-load callbacks run. Until the end the new objects are held by a holder of the loader's
// own, so a failure at any step releases all of them.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <utility>

#include "host/ChunkStreams.h"
#include "host/RefGraph.h"
#include "host/SceneFile.h"
#include "host/SceneFormat.h"
#include "host/SceneText.h"

namespace {

struct RefRecord {
  std::uint32_t index;
  SClass_ID sclass;
};

struct ObjectRecord {
  std::size_t at = 0;  // file offset of its chunk
  bool haveClass = false;
  SClass_ID sclass = 0;
  Class_ID cid;
  std::wstring className;
  std::vector<RefRecord> refs;
  std::size_t dataBegin = 0, dataEnd = 0;
};

std::string hex(unsigned v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", v);
  return text;
}

class SceneLoader {
 public:
  SceneLoader(const unsigned char* data, std::size_t size, std::string file)
      : data(data), size(size), file(std::move(file)) {}

  bool load(SceneHolder& scene, std::string& error) {
    bool ok = false;
    try {
      ok = readFile() && check() && build(scene);
    } catch (const std::exception& e) {
      ok = fail(std::string("loading stopped: ") + e.what());
    }
    if (!ok) error = message;
    return ok;
  }

 private:
  bool fail(const std::string& what) {
    message = file + ": " + what;
    return false;
  }
  bool failAt(const ChunkReader& r, const std::string& context) {
    return fail(context + (r.Failed() ? ": " + r.Failure() : std::string(": damaged")));
  }
  std::string label(std::size_t i) const {
    const ObjectRecord& o = objects[i];
    return ObjectLabel(i, o.className, o.sclass, o.cid);
  }

  // ---- reading and checking the file ----

  bool readFile() {
    const std::size_t magicBytes = std::min(size, sizeof scenefile::kMagic);
    if (size == 0 || std::memcmp(data, scenefile::kMagic, magicBytes) != 0) {
      return fail("not a scene file: the magic number is wrong");
    }
    if (size < scenefile::kHeaderSize) {
      return fail("the file is cut short in its header (" + std::to_string(size) + " of " +
                  std::to_string(scenefile::kHeaderSize) + " bytes)");
    }
    ChunkReader r(data, sizeof scenefile::kMagic, size);
    std::uint32_t version = 0;
    r.ReadU32(version);
    if (version > scenefile::kFormatVersion) {
      return fail("format version " + std::to_string(version) + " is newer than this host reads (up to " +
                  std::to_string(scenefile::kFormatVersion) + ")");
    }
    if (version == 0) return fail("format version 0 does not exist: the header is damaged");

    bool haveRoots = false, haveObjects = false;
    IOResult res;
    while ((res = r.OpenChunk()) == IO_OK) {
      const USHORT id = r.CurChunkID();
      if (id == scenefile::kRootsChunk) {
        if (haveRoots)
          return fail("chunk " + hex(id) + " at byte " + std::to_string(r.ChunkStart()) + " comes twice");
        haveRoots = true;
        if (!readRoots(r)) return false;
      } else if (id == scenefile::kObjectsChunk) {
        if (haveObjects)
          return fail("chunk " + hex(id) + " at byte " + std::to_string(r.ChunkStart()) + " comes twice");
        haveObjects = true;
        if (!readObjects(r)) return false;
      }
      if (r.CloseChunk() != IO_OK) return failAt(r, "the file's chunks");
    }
    if (res == IO_ERROR) return failAt(r, "the file is truncated or damaged");
    if (!haveRoots || !haveObjects) {
      return fail(std::string("the file is truncated or damaged: its ") +
                  (haveRoots ? "object table" : "root list") + " is missing");
    }
    return true;
  }

  bool readRoots(ChunkReader& r) {
    if (r.CurChunkLength() % 4 != 0) {
      return fail("root list at byte " + std::to_string(r.ChunkStart()) + ": its length " +
                  std::to_string(r.CurChunkLength()) + " is not a whole number of entries");
    }
    while (r.BytesLeft() != 0) {
      std::uint32_t index = 0;
      r.ReadU32(index);
      roots.push_back(index);
    }
    return true;
  }

  bool readObjects(ChunkReader& r) {
    IOResult res;
    while ((res = r.OpenChunk()) == IO_OK) {
      if (r.CurChunkID() == scenefile::kObjectChunk) {
        objects.emplace_back();
        objects.back().at = r.ChunkStart();
        if (!readObject(r, objects.size() - 1)) return false;
      }
      if (r.CloseChunk() != IO_OK) return failAt(r, "the object table");
    }
    if (res == IO_ERROR) {
      return failAt(r, objects.empty() ? "the object table is damaged"
                                       : "the object table is damaged after " + label(objects.size() - 1));
    }
    return true;
  }

  bool readObject(ChunkReader& r, std::size_t i) {
    ObjectRecord& o = objects[i];
    const std::string where = "object " + std::to_string(i) + " at byte " + std::to_string(o.at);
    IOResult res;
    while ((res = r.OpenChunk()) == IO_OK) {
      const ULONG length = r.CurChunkLength();
      switch (r.CurChunkID()) {
        case scenefile::kClassChunk: {
          if (o.haveClass || length != scenefile::kClassRecordSize)
            return fail(where + ": its class record is damaged");
          std::uint32_t sclass = 0, a = 0, b = 0;
          r.ReadU32(sclass);
          r.ReadU32(a);
          r.ReadU32(b);
          o.sclass = sclass;
          o.cid = Class_ID(a, b);
          o.haveClass = true;
          break;
        }
        case scenefile::kClassNameChunk: {
          WStr name;
          if (r.ReadWStringChunk(name) != IO_OK) return failAt(r, where + ": its class name");
          o.className = name.str();
          break;
        }
        case scenefile::kRefsChunk:
          if (length % scenefile::kRefRecordSize != 0) {
            return fail(where + ": its reference list's length " + std::to_string(length) +
                        " is not a whole number of records");
          }
          o.refs.clear();
          while (r.BytesLeft() != 0) {
            RefRecord ref{0, 0};
            std::uint32_t sclass = 0;
            r.ReadU32(ref.index);
            r.ReadU32(sclass);
            ref.sclass = sclass;
            o.refs.push_back(ref);
          }
          break;
        case scenefile::kDataChunk:
          o.dataBegin = r.Position();
          o.dataEnd = r.Position() + length;
          break;
        default:
          break;
      }
      if (r.CloseChunk() != IO_OK) return failAt(r, where);
    }
    if (res == IO_ERROR) return failAt(r, where + " is damaged");
    if (!o.haveClass) return fail(where + " has no class record");
    return true;
  }

  // Everything that can be known without making an object.
  bool check() {
    const std::size_t n = objects.size();
    for (std::size_t k = 0; k < roots.size(); ++k) {
      if (roots[k] >= n) {
        return fail("root " + std::to_string(k) + " names object " + std::to_string(roots[k]) +
                    ", the file has " + std::to_string(n) + " objects");
      }
    }
    std::vector<std::vector<int>> graph(n);
    for (std::size_t i = 0; i < n; ++i) {
      const ObjectRecord& o = objects[i];
      for (std::size_t j = 0; j < o.refs.size(); ++j) {
        const RefRecord& ref = o.refs[j];
        if (ref.index == scenefile::kNullRef) continue;
        if (ref.index >= n) {
          return fail(label(i) + ": reference " + std::to_string(j) + " names object " +
                      std::to_string(ref.index) + ", which is missing (the file has " + std::to_string(n) +
                      " objects)");
        }
        const ObjectRecord& target = objects[ref.index];
        if (target.sclass != ref.sclass) {
          return fail(label(i) + ": reference " + std::to_string(j) + " is saved as super class " +
                      hex(ref.sclass) + " but leads to " + label(ref.index));
        }
        graph[i].push_back(static_cast<int>(ref.index));
      }
    }
    const int loop = FindReferenceLoop(graph);
    if (loop >= 0) return fail(label(static_cast<std::size_t>(loop)) + " lies on a reference loop");
    for (std::size_t i = 0; i < n; ++i) {
      if (FindClassDesc(objects[i].sclass, objects[i].cid) == nullptr) {
        return fail(label(i) + ": unknown class (no loaded module registers it)");
      }
    }
    return true;
  }

  // ---- making the objects ----

  bool build(SceneHolder& scene) {
    const std::size_t n = objects.size();
    SceneHolder building;
    std::vector<ReferenceTarget*> made(n, nullptr);
    for (std::size_t i = 0; i < n; ++i) {
      const ObjectRecord& o = objects[i];
      void* p = FindClassDesc(o.sclass, o.cid)->Create(TRUE);
      if (p == nullptr) return fail(label(i) + ": its class could not create it");
      // Host objects start with their Animatable part, as every descriptor's Create hands them out.
      auto* anim = static_cast<Animatable*>(p);
      auto* t = dynamic_cast<ReferenceTarget*>(anim);
      if (t == nullptr || t->SuperClassID() != o.sclass || t->ClassID() != o.cid) {
        anim->DeleteThis();
        return fail(label(i) + ": its descriptor made an object of another kind");
      }
      building.Add(t);
      made[i] = t;
    }

    ChunkReader reader(data, 0, 0);
    for (std::size_t i = 0; i < n; ++i) {
      reader.Restart(objects[i].dataBegin, objects[i].dataEnd);
      const IOResult res = made[i]->Load(&reader);
      if (res != IO_OK || reader.Failed()) {
        return fail(label(i) + ": its data did not load" +
                    (reader.Failed() ? ": " + reader.Failure() : std::string()));
      }
    }

    for (std::size_t i = 0; i < n; ++i) {
      ReferenceTarget* t = made[i];
      const std::vector<RefRecord>& refs = objects[i].refs;
      if (static_cast<int>(refs.size()) > t->NumRefs()) {
        return fail(label(i) + ": the file holds " + std::to_string(refs.size()) +
                    " references, its class has " + std::to_string(t->NumRefs()));
      }
      for (std::size_t j = 0; j < refs.size(); ++j) {
        const int slot = static_cast<int>(j);
        ReferenceTarget* target = refs[j].index == scenefile::kNullRef ? nullptr : made[refs[j].index];
        // A default the constructor put in the slot shows what the slot takes.
        ReferenceTarget* current = t->GetReference(slot);
        if (target != nullptr && current != nullptr && current->SuperClassID() != target->SuperClassID()) {
          return fail(label(i) + ": reference " + std::to_string(j) + " leads to " + label(refs[j].index) +
                      ", the slot takes super class " + hex(current->SuperClassID()));
        }
        if (t->ReplaceReference(slot, target, TRUE) != REF_SUCCEED) {
          return fail(label(i) + ": reference " + std::to_string(j) + " could not be restored");
        }
      }
    }

    reader.RunPostLoadCallbacks();

    scene.Clear();
    for (std::uint32_t r : roots) scene.Add(made[r]);
    return true;
  }

  const unsigned char* data;
  std::size_t size;
  std::string file;
  std::string message;
  std::vector<std::uint32_t> roots;
  std::vector<ObjectRecord> objects;
};

}  // namespace

bool LoadScene(const unsigned char* data, std::size_t size, const std::string& fileName, SceneHolder& scene,
               std::string& error) {
  if (data == nullptr) size = 0;
  static const unsigned char none = 0;
  return SceneLoader(data != nullptr ? data : &none, size, fileName).load(scene, error);
}
