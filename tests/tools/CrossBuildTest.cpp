// The native and the Windows build render the same pixels. The native build leaves its demo
// renders in a reference folder; the Windows build renders the same jobs and compares them pixel
// by pixel. Shading runs in single precision without contraction in both, so they must agree.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include "RenderTestSupport.h"
#include "stb_image.h"
#include "tools/PngFile.h"

namespace fs = std::filesystem;

TEST(CrossBuild, DemoRendersMatchTheNativeBuild) {
  const std::string role = OSTREL_REFERENCE_ROLE;
  const fs::path folder = fs::u8path(OSTREL_REFERENCE_DIR);
  if (role == "write") fs::create_directories(folder);
  int compared = 0;
  for (DemoJob demo : DemoJobs()) {
    SCOPED_TRACE(demo.file);
    demo.spec.width = 160;
    demo.spec.height = 120;
    auto r = RenderSpec(demo.spec);
    ASSERT_NE(r->job, nullptr);
    const fs::path path = folder / demo.file;
    if (role == "write") {
      std::string error;
      ASSERT_TRUE(WritePng(path.u8string(), r->image, error)) << error;
      continue;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) continue;
    const std::vector<unsigned char> png{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
    int w = 0, h = 0, n = 0;
    unsigned char* native = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &w, &h, &n, 3);
    ASSERT_NE(native, nullptr) << path.u8string();
    ASSERT_EQ(w, r->image.width);
    ASSERT_EQ(h, r->image.height);
    const std::vector<unsigned char> ours = ToRgb8(r->image);
    int differing = 0, largest = 0, firstX = -1, firstY = -1;
    for (int i = 0; i < w * h * 3; ++i) {
      const int d = std::abs(static_cast<int>(ours[i]) - static_cast<int>(native[i]));
      if (d == 0) continue;
      if (firstX < 0) firstX = (i / 3) % w, firstY = (i / 3) / w;
      ++differing;
      largest = std::max(largest, d);
    }
    stbi_image_free(native);
    EXPECT_EQ(differing, 0) << "channels differ by up to " << largest << ", first at " << firstX << ","
                            << firstY;
    ++compared;
  }
  if (role != "write" && compared == 0) GTEST_SKIP() << "no native renders in " << folder.u8string();
}
