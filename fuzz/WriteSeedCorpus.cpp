// Writes the fuzzer's seed corpus: real scenes saved by the host, one file each.
//   scene_seed_writer <folder>
#include <cstdio>
#include <string>
#include <vector>

#include "host/SceneFile.h"
#include "host/StdMat.h"
#include "host/TextureOutput.h"
#include "tests/scene/SceneFixtures.h"

namespace {

bool write(const std::string& folder, const char* name, const std::vector<ReferenceTarget*>& roots) {
  std::string error;
  if (!SaveSceneFile(folder + "/" + name, roots, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: scene_seed_writer <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  RegisterSceneTestClasses();
  bool ok = write(folder, "empty.osc", {});
  {
    SampleScene sample;
    ok = write(folder, "shared-animated-nested.osc", sample.Roots()) && ok;
  }
  {
    // A version-1 block, converted when loaded.
    SceneHolder holder;
    auto* node = new VersionedNode;
    holder.Add(node);
    IParamBlock* old = CreateParameterBlock(kVersion1Layout, 8, 1);
    old->SetValue(6, 0, Color(0.5f, 0.25f, 1.0f));
    node->SetBlock(old);
    ok = write(folder, "block-version-1.osc", {node}) && ok;
  }
  {
    // The host's own classes: a standard material with a map slot, an output object.
    SceneHolder holder;
    StdMat* mtl = NewDefaultStdMat();
    TextureOutput* out = GetNewDefaultTextureOutput();
    holder.Add(mtl);
    holder.Add(out);
    mtl->SetName(L"Std \u00E9");
    out->SetOutputLevel(0, 0.5f);
    ok = write(folder, "host-classes.osc", {mtl, out}) && ok;
  }
  return ok ? 0 : 1;
}
