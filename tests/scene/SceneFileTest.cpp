#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/SceneFile.h"
#include "tests/scene/SceneFixtures.h"

namespace {

std::vector<unsigned char> save(const std::vector<ReferenceTarget*>& roots) {
  std::vector<unsigned char> bytes;
  std::string error;
  EXPECT_TRUE(SaveScene(roots, bytes, error)) << error;
  return bytes;
}

TEST(SceneFile, RoundTripIsBitForBit) {
  std::vector<unsigned char> saved;
  {
    SampleScene sample;
    saved = save(sample.Roots());
  }
  ASSERT_EQ(LiveTestObjects(), 0);

  // The seed corpus holds this scene as the native build saved it: both builds write the same bytes.
  std::ifstream seed(std::string(OSTREL_SCENE_CORPUS) + "/shared-animated-nested.osc", std::ios::binary);
  const std::vector<unsigned char> seedBytes{std::istreambuf_iterator<char>(seed),
                                             std::istreambuf_iterator<char>()};
  EXPECT_EQ(seedBytes, saved);

  SceneHolder scene;
  std::string error;
  ASSERT_TRUE(LoadScene(saved.data(), saved.size(), "sample.osc", scene, error)) << error;
  ASSERT_EQ(scene.NumRefs(), 2);
  auto* first = static_cast<TestNode*>(scene.GetReference(0));
  auto* second = static_cast<TestNode*>(scene.GetReference(1));
  ASSERT_EQ(first->ClassID(), TEST_NODE_CLASS);
  ASSERT_EQ(second->ClassID(), TEST_NODE_CLASS);
  EXPECT_EQ(LiveTestObjects(), 4);  // each shared target once

  // Shared targets are shared again; the empty slot stayed empty though the constructor filled it.
  auto* shared = static_cast<TestNode*>(first->GetReference(2));
  EXPECT_EQ(second->GetReference(1), shared);
  EXPECT_EQ(first->GetReference(1), second->GetReference(3));
  EXPECT_EQ(shared->GetReference(2), first->GetReference(1));
  EXPECT_EQ(shared->GetReference(0), nullptr);
  EXPECT_EQ(static_cast<TestLeaf*>(first->GetReference(1))->value, 0.25f);

  // Own chunks, nested and not, and the animated block.
  EXPECT_EQ(first->tag, 7);
  EXPECT_EQ(first->label, L"first \U0001F600 \u00E9");
  EXPECT_EQ(first->blob, (std::vector<unsigned char>{1, 2, 3, 0, 255}));
  EXPECT_EQ(second->tag, -3);
  IParamBlock* block = first->Block();
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->NumKeys(0), 2);
  EXPECT_EQ(block->GetFloat(0, 2400), 2.25f);
  EXPECT_EQ(block->GetColor(1, 2400), Color(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(block->GetInt(2), 42);
  EXPECT_FALSE(block->IsAnimatable(2));

  EXPECT_EQ(save(HeldRoots(scene)), saved);

  // The same through a file on disk.
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "h2-scene-roundtrip.osc";
  ASSERT_TRUE(SaveSceneFile(path.string(), HeldRoots(scene), error)) << error;
  SceneHolder fromDisk;
  ASSERT_TRUE(LoadSceneFile(path.string(), fromDisk, error)) << error;
  EXPECT_EQ(save(HeldRoots(fromDisk)), saved);
  std::filesystem::remove(path);

  scene.Clear();
  fromDisk.Clear();
  EXPECT_EQ(LiveTestObjects(), 0);
}

TEST(SceneFile, SavingRefusesWhatCouldNotBeLoaded) {
  SampleScene sample;
  std::vector<unsigned char> bytes{1, 2, 3};
  std::string error;
  EXPECT_FALSE(SaveScene({sample.first, nullptr}, bytes, error));
  EXPECT_NE(error.find("root 1 is null"), std::string::npos) << error;

  EXPECT_EQ(bytes, (std::vector<unsigned char>{1, 2, 3}));

  // A loop could be neither released nor loaded; the reference system refuses to make one, so
  // no scene can hand one to the writer.
  EXPECT_EQ(sample.shared->ReplaceReference(3, sample.second, TRUE), REF_FAIL);  // second -> shared -> second
  EXPECT_EQ(sample.shared->GetReference(3), nullptr);
  EXPECT_TRUE(SaveScene(sample.Roots(), bytes, error)) << error;
}

TEST(SceneFile, MissingFileIsNamed) {
  SceneHolder scene;
  std::string error;
  EXPECT_FALSE(LoadSceneFile("no-such-dir/none.osc", scene, error));
  EXPECT_NE(error.find("no-such-dir/none.osc"), std::string::npos) << error;
}

// Every scene of the fuzzer's seed corpus still loads. Its saved form (old blocks converted)
// loads and saves to the same bytes again.
TEST(SceneFile, SeedCorpusStillLoads) {
  RegisterSceneTestClasses();
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(OSTREL_SCENE_CORPUS)) {
    SCOPED_TRACE(entry.path().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    SceneHolder scene;
    std::string error;
    ASSERT_TRUE(LoadScene(bytes.data(), bytes.size(), entry.path().string(), scene, error)) << error;
    const std::vector<unsigned char> saved = save(HeldRoots(scene));
    SceneHolder again;
    ASSERT_TRUE(LoadScene(saved.data(), saved.size(), "resaved.osc", again, error)) << error;
    EXPECT_EQ(save(HeldRoots(again)), saved);
    ++files;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
