// The probe's shade: light level in blue, N × V in red and green, nothing else written.
#include <gtest/gtest.h>

#include <vector>

#include "facetor/NullMtl.h"
#include "host/Lights.h"
#include "host/SceneFile.h"

namespace {

struct LightSpec {
  Color color;
  float diffuseCoef;
  BOOL reaches;
};

struct ShadeCase {
  const char* name;
  std::vector<LightSpec> lights;
  Point3 normal;
  Point3 view;
  Color expected;
};

class NullMtlShade : public ::testing::Test {
 protected:
  NullMtlShade() : mtl(new NullMtl(FALSE)) { holder.Add(mtl); }
  SceneHolder holder;
  NullMtl* mtl;
};

TEST_F(NullMtlShade, BlueIsTheLightLevelRedAndGreenTheCrossProduct) {
  const Point3 up(0.0f, 0.0f, 1.0f);
  const Point3 down(0.0f, 0.0f, -1.0f);
  const ShadeCase cases[] = {
      {"no lights", {}, up, down, {0.5f, 0.5f, 0.0f}},
      {"one white light at weight 0.5", {{{1, 1, 1}, 0.5f, TRUE}}, up, down, {0.5f, 0.5f, 0.5f}},
      {"two white lights at weight 1, unclamped",
       {{{1, 1, 1}, 1.0f, TRUE}, {{1, 1, 1}, 1.0f, TRUE}},
       up,
       down,
       {0.5f, 0.5f, 2.0f}},
      {"weight exactly 0 adds nothing",
       {{{1, 1, 1}, 0.0f, TRUE}, {{3, 3, 3}, 0.25f, TRUE}},
       up,
       down,
       {0.5f, 0.5f, 0.75f}},
      {"a light that does not reach adds nothing", {{{1, 1, 1}, 1.0f, FALSE}}, up, down, {0.5f, 0.5f, 0.0f}},
      {"negative average gives its absolute value",
       {{{-1, -1, -1}, 1.0f, TRUE}},
       up,
       down,
       {0.5f, 0.5f, 1.0f}},
      {"normal along the view", {}, up, up, {0.5f, 0.5f, 0.0f}},
      {"normal z, view x", {}, up, {1.0f, 0.0f, 0.0f}, {0.5f, 1.0f, 0.0f}},
      {"normal y, view z", {}, {0.0f, 1.0f, 0.0f}, up, {1.0f, 0.5f, 0.0f}},
      {"unnormalised pair kept as it is", {}, {0.0f, 2.0f, 0.0f}, {0.0f, 0.0f, 2.0f}, {2.5f, 0.5f, 0.0f}},
  };
  for (const ShadeCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<FixedLight> lights;
    lights.reserve(c.lights.size());
    SampleShadeContext sc;
    for (const LightSpec& l : c.lights) lights.emplace_back(l.color, l.diffuseCoef, l.reaches);
    for (FixedLight& l : lights) sc.AddLight(&l);
    sc.normal = c.normal;
    sc.view = c.view;
    mtl->Shade(sc);
    EXPECT_EQ(sc.out.c, c.expected);
    for (const FixedLight& l : lights) EXPECT_EQ(l.calls, 1);
  }
}

TEST_F(NullMtlShade, WritesOnlyTheColourAndPassesANonZeroGBufferId) {
  SampleShadeContext sc;
  sc.out.t = Color(0.25f, 0.5f, 0.75f);
  sc.out.ior = 1.5f;
  sc.out.flags = 9;
  sc.out.gbufId = 3;
  mtl->Shade(sc);
  EXPECT_EQ(sc.out.t, Color(0.25f, 0.5f, 0.75f));
  EXPECT_EQ(sc.out.ior, 1.5f);
  EXPECT_EQ(sc.out.flags, 9u);
  EXPECT_EQ(sc.out.gbufId, 3);
  EXPECT_EQ(sc.gbufferCalls, 0);

  mtl->gbufID = 12;
  mtl->Shade(sc);
  EXPECT_EQ(sc.gbufferCalls, 1);
  EXPECT_EQ(sc.out.gbufId, 12);
}

}  // namespace
