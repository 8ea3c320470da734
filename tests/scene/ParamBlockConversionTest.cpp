#include <gtest/gtest.h>

#include "host/ParamBlockPLCB.h"
#include "host/SceneFile.h"
#include "tests/scene/SceneFixtures.h"

namespace {

// Saves a versioned node holding `block`, loads it, and answers the loaded node's block.
IParamBlock* saveAndLoad(IParamBlock* block, SceneHolder& loaded) {
  RegisterSceneTestClasses();
  std::vector<unsigned char> bytes;
  std::string error;
  {
    SceneHolder original;
    auto* node = new VersionedNode;
    original.Add(node);
    node->SetBlock(block);
    EXPECT_TRUE(SaveScene({node}, bytes, error)) << error;
  }
  EXPECT_TRUE(LoadScene(bytes.data(), bytes.size(), "versions.osc", loaded, error)) << error;
  return loaded.NumRefs() == 1 ? static_cast<VersionedNode*>(loaded.GetReference(0))->Block() : nullptr;
}

// Parameter id k holds k + 0.5 (colours: k + 0.5 in red), and id 3 is animated.
IParamBlock* filledBlock(const ParamBlockDescID* layout, int count, DWORD version) {
  IParamBlock* b = CreateParameterBlock(layout, count, version);
  for (int i = 0; i < count; ++i) {
    const float v = static_cast<float>(layout[i].id) + 0.5f;
    if (layout[i].type == TYPE_RGBA) {
      b->SetValue(i, 0, Color(v, 0.0f, 0.0f));
    } else {
      b->SetValue(i, 0, v);
    }
  }
  const int animated = b->IndexFromID(3);
  if (animated >= 0) {
    AnimateOn();
    b->SetValue(animated, 0, 3.5f);
    b->SetValue(animated, 4800, 13.5f);
    AnimateOff();
  }
  return b;
}

TEST(ParamBlockConversion, BlocksTakeTheCurrentLayoutById) {
  const ParamBlockDescID damaged[] = {
      {TYPE_FLOAT, nullptr, TRUE, 3}, {TYPE_RGBA, nullptr, TRUE, 7}, {TYPE_FLOAT, nullptr, TRUE, 1}};
  struct Case {
    const char* what;
    const ParamBlockDescID* layout;
    int count;
    DWORD version;
    int carriedIds;  // ids 1..carriedIds keep their values
  };
  const Case cases[] = {
      {"version 1", kVersion1Layout, 8, 1, 8},
      {"already version 2", kVersion2Layout, 10, 2, 10},
      // Says version 2 but holds three parameters: the owner would index outside it.
      {"version 2 with a damaged layout", damaged, 3, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SceneHolder loaded;
    IParamBlock* b = saveAndLoad(filledBlock(c.layout, c.count, c.version), loaded);
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->GetVersion(), 2u);
    ASSERT_EQ(b->NumParams(), 10);
    for (int i = 0; i < 10; ++i) {
      const DWORD id = kVersion2Layout[i].id;
      SCOPED_TRACE(id);
      EXPECT_EQ(b->GetParamID(i), id);
      EXPECT_EQ(b->GetParameterType(i), kVersion2Layout[i].type);
      bool carried = static_cast<int>(id) <= c.carriedIds;
      for (int k = 0; k < c.count && c.carriedIds == 0; ++k) carried = carried || c.layout[k].id == id;
      const float expected = carried ? static_cast<float>(id) + 0.5f : 0.0f;
      EXPECT_EQ(b->param(i).value[0], expected);
      EXPECT_EQ(b->NumKeys(i), carried && id == 3 ? 2 : 0);
    }
    const int animated = b->IndexFromID(3);
    EXPECT_EQ(b->GetFloat(animated, 2400), 8.5f);
  }
}

}  // namespace
