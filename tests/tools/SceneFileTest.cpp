// Saving a rendered scene with its materials, loading it back, and reading files that are wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "RenderTestSupport.h"
#include "tools/Commands.h"
#include "tools/Platform.h"
#include "tools/PngFile.h"

namespace fs = std::filesystem;

namespace {

// Named after the build too, so test runs of several build folders never share a file.
std::string TempFile(const std::string& name) {
  const std::string build = std::to_string(std::hash<std::string>{}(ExecutableFolder()));
  return (fs::temp_directory_path() / (build + "-" + name)).u8string();
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

// Every demo scene, animated parameters included, renders the same PNG after a round trip.
TEST(SceneFile, SaveLoadRenderIsBitIdentical) {
  ClassDesc* jobDesc = RenderJobClassDesc();
  if (FindClassDesc(jobDesc->SuperClassID(), jobDesc->ClassID()) == nullptr) RegisterClassDesc(jobDesc);
  for (DemoJob demo : DemoJobs()) {
    SCOPED_TRACE(demo.file);
    demo.spec.width = 96;
    demo.spec.height = 72;
    demo.spec.time = 2400;
    auto original = RenderSpec(demo.spec);
    ASSERT_NE(original->job, nullptr);
    const std::vector<unsigned char> before = EncodePng(original->image);

    const std::string path = TempFile(std::string("ostrel-roundtrip-") + demo.file + ".scene");
    std::string error;
    ASSERT_TRUE(SaveSceneFile(path, {original->job}, error)) << error;
    original.reset();  // nothing of the first scene survives into the second

    SceneHolder loaded;
    ASSERT_TRUE(LoadSceneFile(path, loaded, error)) << error;
    ASSERT_EQ(loaded.NumRefs(), 1);
    ReferenceTarget* root = loaded.GetReference(0);
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->ClassID(), RENDER_JOB_CLASS_ID);
    auto* job = static_cast<RenderJob*>(root);
    EXPECT_EQ(job->width, 96);
    EXPECT_EQ(job->time, 2400);
    EXPECT_TRUE(EncodePng(RenderJobNow(*job, 2)) == before);
    fs::remove(fs::u8path(path));
  }
}

// The commands: info shows the graph; files that are not sound scenes give a message and a
// non-zero exit, never a crash.
TEST(SceneFile, CommandsReportTheGraphAndRefuseBadFiles) {
  const std::string modules = ExecutableFolder();
  const std::string scene = TempFile("ostrel-cmd.scene");
  const std::string png = TempFile("ostrel-cmd.png");
  std::ostringstream out, err;
  ASSERT_EQ(RunOstrel({"scene", "save", scene, "Filamesh", "--modules", modules, "--size", "32x24", "--set",
                       "Width=0.25"},
                      out, err),
            0)
      << err.str();
  ASSERT_EQ(RunOstrel({"scene", "info", scene, "--modules", modules}, out, err), 0) << err.str();
  const std::string info = out.str();
  for (const char* part :
       {"Render Job", "Standard", "Filamesh", "Parameters", "\"Width\" float = 0.25", "\"Wire Color\" color",
        "ref 0 -> [1]", "chunk 0x0101 (8 bytes): 20 00 00 00 18"}) {
    EXPECT_NE(info.find(part), std::string::npos) << part << "\n" << info;
  }
  EXPECT_EQ(RunOstrel({"scene", "load", scene, "--modules", modules, "--out", png}, out, err), 0)
      << err.str();

  const std::vector<unsigned char> good = ReadBytes(scene);
  ASSERT_GT(good.size(), 64u);
  std::vector<unsigned char> truncated(good.begin(),
                                       good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  std::vector<unsigned char> flipped = good;
  flipped[flipped.size() / 3] ^= 0xFF;
  const std::vector<std::pair<const char*, std::vector<unsigned char>>> bad = {
      {"empty", {}},
      {"not a scene", {'h', 'e', 'l', 'l', 'o'}},
      {"truncated", truncated},
      {"flipped byte", flipped},
  };
  const std::string badPath = TempFile("ostrel-bad.scene");
  for (const auto& [what, bytes] : bad) {
    WriteBytes(badPath, bytes);
    for (const char* verb : {"info", "load"}) {
      std::ostringstream o, e;
      const int code = RunOstrel({"scene", verb, badPath, "--modules", modules, "--out", png}, o, e);
      // A flipped byte may land in a value that still reads; then the scene must still render.
      if (std::string(what) == "flipped byte" && code == 0) continue;
      EXPECT_NE(code, 0) << what << " " << verb;
      EXPECT_NE(e.str().find("ostrel: "), std::string::npos) << what << " " << verb;
    }
  }
  std::ostringstream o, e;
  EXPECT_NE(RunOstrel({"scene", "load", TempFile("ostrel-no-such.scene"), "--modules", modules}, o, e), 0);
  EXPECT_NE(e.str().find("could not be opened"), std::string::npos) << e.str();
  for (const std::string& p : {scene, png, badPath}) fs::remove(fs::u8path(p));
}
