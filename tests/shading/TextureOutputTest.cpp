// The output object: identity at its defaults, each setting doing what it says, and its values
// kept through cloning and the scene file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "host/SceneFile.h"
#include "host/TextureOutput.h"
#include "tests/shading/ShadingFixtures.h"

namespace {

using shadingtest::CloneCopy;
using shadingtest::CopyWay;
using shadingtest::SceneCopy;
using shadingtest::Watcher;

std::uint32_t Bits(float f) {
  std::uint32_t u = 0;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

// Equal bit for bit: -0 differs from 0, and a NaN must come back as the same NaN.
bool SameBits(float a, float b) { return Bits(a) == Bits(b); }
bool SameBits(const AColor& a, const AColor& b) {
  return SameBits(a.r, b.r) && SameBits(a.g, b.g) && SameBits(a.b, b.b) && SameBits(a.a, b.a);
}
bool SameBits(const Point3& a, const Point3& b) {
  return SameBits(a.x, b.x) && SameBits(a.y, b.y) && SameBits(a.z, b.z);
}

TEST(TextureOutput, DefaultsLeaveEveryValueUnchangedBitForBit) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float values[] = {0.0f, -0.0f, 0.2f, 1.0f, -3.5f, 1e30f, 1e-40f, inf, -inf, nan};
  Watcher owner(GetNewDefaultTextureOutput());
  auto* out = static_cast<TextureOutput*>(owner.target);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(out->GetOutputLevel(0), 1.0f);
  EXPECT_EQ(out->GetRGBLevel(0), Color(1, 1, 1));
  EXPECT_EQ(out->GetRGBOffset(0), Color(0, 0, 0));
  EXPECT_FALSE(out->GetInvert());
  EXPECT_FALSE(out->GetClamp());
  for (const float v : values) {
    const AColor c(v, 0.5f, -v, v);
    EXPECT_TRUE(SameBits(out->Filter(c), c)) << v;
    EXPECT_TRUE(SameBits(out->Filter(v), v)) << v;
    const Point3 p(v, -v, 0.25f);
    EXPECT_TRUE(SameBits(out->Filter(p), p)) << v;
  }
}

struct SettingCase {
  const char* what;
  std::function<void(TextureOutput&)> set;
  AColor color;
  float mono;
  Point3 bump;
};

// Inputs: colour (0.2, 0.5, 0.8, 0.5), mono 0.25, bump (1, -2, 0.5).
const SettingCase kSettings[] = {
    {"output amount 2",
     [](TextureOutput& o) { o.SetOutputLevel(0, 2.0f); },
     {0.4f, 1.0f, 1.6f, 0.5f},
     0.5f,
     {2, -4, 1}},
    {"invert", [](TextureOutput& o) { o.SetInvert(TRUE); }, {0.8f, 0.5f, 0.2f, 0.5f}, 0.75f, {-1, 2, -0.5f}},
    {"RGB level",
     [](TextureOutput& o) { o.SetRGBLevel(0, Color(1.0f, 0.5f, 0.0f)); },
     {0.2f, 0.25f, 0.0f, 0.5f},
     0.125f,
     {1, -2, 0.5f}},
    {"RGB offset",
     [](TextureOutput& o) { o.SetRGBOffset(0, Color(0.1f, 0.1f, 0.1f)); },
     {0.3f, 0.6f, 0.9f, 0.5f},
     0.35f,
     {1, -2, 0.5f}},
    {"clamp with amount 2",
     [](TextureOutput& o) {
       o.SetOutputLevel(0, 2.0f);
       o.SetClamp(TRUE);
     },
     {0.4f, 1.0f, 1.0f, 0.5f},
     0.5f,
     {2, -4, 1}},
    {"clamp with a negative offset",
     [](TextureOutput& o) {
       o.SetRGBOffset(0, Color(-0.3f, -0.3f, -0.3f));
       o.SetClamp(TRUE);
     },
     {0.0f, 0.2f, 0.5f, 0.5f},
     0.0f,
     {1, -2, 0.5f}},
};

void ExpectFilters(TextureOutput& out, const SettingCase& c) {
  const AColor col = out.Filter(AColor(0.2f, 0.5f, 0.8f, 0.5f));
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(col[i], c.color[i], 1e-6f) << "channel " << i;
  EXPECT_NEAR(out.Filter(0.25f), c.mono, 1e-6f);
  const Point3 bump = out.Filter(Point3(1, -2, 0.5f));
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(bump[i], c.bump[i], 1e-6f) << "axis " << i;
}

TEST(TextureOutput, EachSettingDoesWhatItSaysAndNotifies) {
  for (const SettingCase& c : kSettings) {
    SCOPED_TRACE(c.what);
    Watcher owner(GetNewDefaultTextureOutput());
    auto& out = *static_cast<TextureOutput*>(owner.target);
    c.set(out);
    // A map caches its filtered results: every change must reach it.
    EXPECT_GT(owner.changes, 0);
    ExpectFilters(out, c);

    const int before = owner.changes;
    out.Reset();
    EXPECT_GT(owner.changes, before);
    const AColor plain(0.2f, 0.5f, 0.8f, 0.5f);
    EXPECT_TRUE(SameBits(out.Filter(plain), plain));
  }
}

TEST(TextureOutput, NothingVariesOverTime) {
  Watcher owner(GetNewDefaultTextureOutput());
  auto& out = *static_cast<TextureOutput*>(owner.target);
  out.SetOutputLevel(0, 3.0f);
  Interval valid(10, 20);
  out.Update(15, valid);
  EXPECT_EQ(valid, Interval(10, 20));
  EXPECT_EQ(out.Validity(15), FOREVER);
  EXPECT_EQ(out.GetOutputLevel(4800), 3.0f);
  EXPECT_EQ(out.SuperClassID(), TEXOUTPUT_CLASS_ID);
  EXPECT_EQ(out.ClassID(), TEXOUT_CLASS_ID);
}

TEST(TextureOutput, KeptThroughCloneAndSceneFile) {
  const std::pair<const char*, CopyWay> ways[] = {{"clone", CloneCopy}, {"scene file", SceneCopy}};
  for (const auto& [name, copyOf] : ways) {
    SCOPED_TRACE(name);
    SceneHolder holder;
    SceneHolder copies;
    auto* out = GetNewDefaultTextureOutput();
    holder.Add(out);
    out->SetOutputLevel(0, 0.75f);
    out->SetRGBLevel(0, Color(0.5f, 1.5f, 2.0f));
    out->SetRGBOffset(0, Color(0.125f, -0.25f, 0.0f));
    out->SetInvert(TRUE);
    out->SetClamp(TRUE);

    ReferenceTarget* copyTarget = copyOf(out, copies);
    ASSERT_NE(copyTarget, nullptr);
    ASSERT_NE(copyTarget, out);
    ASSERT_EQ(copyTarget->SuperClassID(), TEXOUTPUT_CLASS_ID);
    auto* copy = static_cast<TextureOutput*>(copyTarget);
    EXPECT_EQ(copy->GetOutputLevel(0), 0.75f);
    EXPECT_EQ(copy->GetRGBLevel(0), Color(0.5f, 1.5f, 2.0f));
    EXPECT_EQ(copy->GetRGBOffset(0), Color(0.125f, -0.25f, 0.0f));
    EXPECT_TRUE(copy->GetInvert());
    EXPECT_TRUE(copy->GetClamp());
    const AColor c(0.1f, 0.4f, 0.9f, 0.5f);
    EXPECT_EQ(copy->Filter(c), out->Filter(c));
    EXPECT_EQ(copy->Filter(0.3f), out->Filter(0.3f));
  }
}

}  // namespace
