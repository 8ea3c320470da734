// Real scenes through the renderer on several threads, with each loaded module: every pixel must
// equal, bit for bit, that of a single-threaded render. Each round builds the job afresh, so the
// first samples after Update (and a Penumbrix table rebuild that widens equal thresholds) race
// on the render threads as under the host.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RenderTestSupport.h"

namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 3;

struct Case {
  const char* plugin;
  LayoutId layout;
  MapSlot slot;
  std::vector<std::string> sets;
};

const Case kCases[] = {
    // Equal thresholds: the first lookup after Update pulls them apart while others wait.
    {"Penumbrix",
     LayoutId::kShadow,
     MapSlot::kFlat,
     {"Color 1=0.05,0.09,0.3", "Color 2=1,0.8,0.45", "#0=0.3", "#1=0.3"}},
    {"Filamesh", LayoutId::kObjects, MapSlot::kDiffuse, {"Width=0.08", "SuperSample=on"}},
    {"Color Clamp", LayoutId::kPair, MapSlot::kDiffuse, {"#3=200", "#4=150", "#5=120", "#7=1"}},
    {"Facetor Material", LayoutId::kObjects, MapSlot::kDiffuse, {}},
};

JobSpec SpecOf(const Case& c) {
  JobSpec spec;
  spec.plugin = c.plugin;
  spec.hasLayout = true;
  spec.layout = c.layout;
  spec.hasSlot = true;
  spec.slot = c.slot;
  spec.sets = c.sets;
  spec.width = 96;
  spec.height = 72;
  return spec;
}

bool SameBits(const Image& a, const Image& b) {
  return a.width == b.width && a.height == b.height && a.pixels.size() == b.pixels.size() &&
         std::memcmp(a.pixels.data(), b.pixels.data(), a.pixels.size() * sizeof(Color)) == 0 &&
         a.objects == b.objects;
}

TEST(RenderThreads, EveryPluginRendersTheSamePixelsOnManyThreads) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.plugin);
    const auto reference = RenderSpec(SpecOf(c), 1);
    ASSERT_NE(reference->job, nullptr);
    for (int round = 0; round < kRounds; ++round) {
      const auto threaded = RenderSpec(SpecOf(c), kThreads);
      ASSERT_NE(threaded->job, nullptr);
      EXPECT_TRUE(SameBits(threaded->image, reference->image)) << "round " << round;
    }
  }
}

}  // namespace
