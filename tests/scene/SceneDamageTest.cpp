// Damaged files: each fails with an error naming the file and what is wrong, leaves the caller's
// scene as it was, and leaves no object behind (ASan checks the blocks and the rest).
#include <gtest/gtest.h>

#include <functional>

#include "host/SceneFormat.h"
#include "tests/scene/SceneFixtures.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes savedSample() {
  SampleScene sample;
  Bytes bytes;
  std::string error;
  EXPECT_TRUE(SaveScene(sample.Roots(), bytes, error)) << error;
  return bytes;
}

// Loads into a scene that already holds something, which must survive the failure.
void expectFailure(const Bytes& bytes, const std::string& expected, const std::string& what) {
  SCOPED_TRACE(what);
  RegisterSceneTestClasses();
  SceneHolder scene;
  auto* kept = new TestLeaf;
  scene.Add(kept);
  const int liveBefore = LiveTestObjects();
  std::string error;
  EXPECT_FALSE(LoadScene(bytes.data(), bytes.size(), "damaged.osc", scene, error));
  EXPECT_EQ(error.rfind("damaged.osc: ", 0), 0u) << error;
  EXPECT_NE(error.find(expected), std::string::npos) << error;
  EXPECT_EQ(LiveTestObjects(), liveBefore);
  ASSERT_EQ(scene.NumRefs(), 1);
  EXPECT_EQ(scene.GetReference(0), kept);
}

TEST(SceneDamage, EveryTruncatedPrefixFails) {
  const Bytes saved = savedSample();
  for (std::size_t size = 0; size < saved.size(); ++size) {
    const Bytes prefix(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(size));
    // Too short for the magic, the header, or a chunk: every way of being cut says so.
    std::string expected = "truncated or damaged";
    if (size == 0)
      expected = "magic";
    else if (size < scenefile::kHeaderSize)
      expected = "cut short in its header";
    expectFailure(prefix, expected, "prefix of " + std::to_string(size) + " bytes");
  }
}

Bytes nodeData(int tagBytes) {
  Bytes tag(static_cast<std::size_t>(tagBytes), 0);
  Bytes info;
  AppendChunk(info, NODE_TAG_CHUNK, tag);
  Bytes data;
  AppendChunk(data, NODE_INFO_CHUNK, info);
  return data;
}

Bytes blockData(std::uint32_t type, std::vector<std::pair<std::uint32_t, float>> keys) {
  Bytes param;
  AppendChunk(param, scenefile::kParamDefChunk, U32s({type, 1, 1}));
  AppendChunk(param, scenefile::kParamValueChunk, U32s({0, 0, 0}));
  Bytes keyBytes;
  for (const auto& [time, v] : keys) {
    const Bytes k = U32s({time, 0, 0, 0});
    keyBytes.insert(keyBytes.end(), k.begin(), k.end());
  }
  if (!keys.empty()) AppendChunk(param, scenefile::kParamKeysChunk, keyBytes);
  Bytes data;
  AppendChunk(data, scenefile::kBlockLayoutChunk, U32s({1, 1}));
  AppendChunk(data, scenefile::kBlockParamChunk, param);
  return data;
}

TEST(SceneDamage, DamagedRecordsAndLengthsFailClearly) {
  const std::uint32_t kNull = scenefile::kNullRef;
  const FileObject node{TEST_NODE_SUPER, TEST_NODE_CLASS, {}, nodeData(4)};
  const FileObject leaf{TEST_LEAF_SUPER, TEST_LEAF_CLASS, {}, {}};
  const FileObject block{PARAMETER_BLOCK_CLASS_ID, PARAMETER_BLOCK_CLASS, {}, blockData(TYPE_FLOAT, {})};
  auto nodeWith = [&](std::vector<std::pair<std::uint32_t, std::uint32_t>> refs) {
    FileObject o = node;
    o.refs = std::move(refs);
    return o;
  };
  const Bytes saved = savedSample();
  // The root list sits right after the header; the object table follows it.
  const std::size_t rootsLength = scenefile::kHeaderSize + 2;
  const std::size_t objectsLength = scenefile::kHeaderSize + scenefile::kChunkHeaderSize + 8 + 2;
  auto patched = [&](std::size_t at, std::uint32_t v) {
    Bytes b = saved;
    for (int i = 0; i < 4; ++i)
      b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
    return b;
  };

  struct Case {
    const char* what;
    Bytes bytes;
    const char* expected;
  };
  const Case cases[] = {
      {"wrong magic", Bytes{'O', 'S', 'T', 'R', 'X', 'X', 'X', 'X', 1, 0, 0, 0}, "magic"},
      {"newer format", BuildSceneFile(scenefile::kFormatVersion + 1, {}, {}), "format version 2 is newer"},
      {"format version 0", BuildSceneFile(0, {}, {}), "format version 0"},
      {"root list length of all ones", patched(rootsLength, 0xFFFFFFFFu), "claims 4294967295 bytes"},
      {"root list one byte long", patched(rootsLength, 9), "not a whole number"},
      {"root list one byte short", patched(rootsLength, 7), "not a whole number"},
      {"object table one byte long", patched(objectsLength, saved.size() - objectsLength - 4 + 1), "claims"},
      {"object table one byte short", patched(objectsLength, saved.size() - objectsLength - 4 - 1),
       "the object table is damaged after object"},
      {"root beyond the objects", BuildSceneFile(1, {1}, {node}), "root 0 names object 1"},
      {"unknown class", BuildSceneFile(1, {0}, {{0xC10, Class_ID(0xDEAD, 0xBEEF), {}, {}}}),
       "object 0 (class 0xC10:(0x0000DEAD, 0x0000BEEF)): unknown class"},
      {"reference to a missing object",
       BuildSceneFile(1, {0}, {nodeWith({{kNull, 0}, {5, TEST_LEAF_SUPER}})}),
       "reference 1 names object 5, which is missing"},
      {"reference saved with another super class than its target's",
       BuildSceneFile(1, {0}, {nodeWith({{kNull, 0}, {1, TEST_NODE_SUPER}}), leaf}),
       "reference 1 is saved as super class 0x7E50"},
      {"reference of the wrong super class for its slot",
       BuildSceneFile(1, {0}, {nodeWith({{1, TEST_LEAF_SUPER}}), leaf}), "the slot takes super class 0x8"},
      {"more references than slots",
       BuildSceneFile(1, {0}, {nodeWith({{kNull, 0}, {kNull, 0}, {kNull, 0}, {kNull, 0}, {kNull, 0}})}),
       "the file holds 5 references, its class has 4"},
      {"reference loop",
       BuildSceneFile(
           1, {0},
           {nodeWith({{kNull, 0}, {1, TEST_NODE_SUPER}}), nodeWith({{kNull, 0}, {0, TEST_NODE_SUPER}})}),
       "reference loop"},
      {"object without a class record",
       [] {
         Bytes b = BuildSceneFile(1, {}, {});
         Bytes empty;
         AppendChunk(empty, scenefile::kObjectChunk, {});
         // Wrap the empty object into the (empty) object table by rebuilding it.
         b.resize(b.size() - scenefile::kChunkHeaderSize);
         AppendChunk(b, scenefile::kObjectsChunk, empty);
         return b;
       }(),
       "object 0 at byte 24 has no class record"},
      {"own chunk read past its end",
       BuildSceneFile(1, {0}, {{TEST_NODE_SUPER, TEST_NODE_CLASS, {}, nodeData(2)}}),
       "object 0 (class 0x7E50:(0x7E570001, 0x00000001)): its data did not load: chunk 0x0501"},
      {"block of an unknown parameter type",
       BuildSceneFile(1, {0}, {{PARAMETER_BLOCK_CLASS_ID, PARAMETER_BLOCK_CLASS, {}, blockData(9, {})}}),
       "its data did not load"},
      {"block keys out of order",
       BuildSceneFile(1, {0},
                      {{PARAMETER_BLOCK_CLASS_ID,
                        PARAMETER_BLOCK_CLASS,
                        {},
                        blockData(TYPE_FLOAT, {{10, 1.0f}, {5, 2.0f}})}}),
       "its data did not load"},
      // The versioned node registers its conversion, then a later object fails: the
      // conversion is abandoned, not leaked.
      {"failure after a post-load callback was registered",
       BuildSceneFile(1, {0},
                      {{TEST_NODE_SUPER, TEST_VERSIONED_CLASS, {{1, PARAMETER_BLOCK_CLASS_ID}}, {}},
                       block,
                       {TEST_NODE_SUPER, TEST_NODE_CLASS, {}, nodeData(3)}}),
       "object 2"},
  };
  for (const Case& c : cases) expectFailure(c.bytes, c.expected, c.what);
}

}  // namespace
