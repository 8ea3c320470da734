// The stand-in renderer's lights, its sample shade context and the core interface's time.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/CoreInterface.h"
#include "host/Lights.h"

namespace {

struct ShadowProbe {
  bool blocked = false;
  int calls = 0;
  Point3 point;
  Point3 towardsLight;
  float maxDistance = 0.0f;
};

bool ProbeShadow(const void* scene, const Point3& point, const Point3& towardsLight, float maxDistance) {
  auto* probe = static_cast<ShadowProbe*>(const_cast<void*>(scene));
  ++probe->calls;
  probe->point = point;
  probe->towardsLight = towardsLight;
  probe->maxDistance = maxDistance;
  return probe->blocked;
}

struct Answer {
  BOOL reaches;
  Color color;
  Point3 dir;
  float dotNL;
  float diffuseCoef;
};

Answer Ask(LightDesc& light, SampleShadeContext& sc) {
  Answer a{};
  Point3 n = sc.Normal();
  a.reaches = light.Illuminate(sc, n, a.color, a.dir, a.dotNL, a.diffuseCoef);
  return a;
}

void ExpectNear(const Point3& actual, const Point3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-6f);
  EXPECT_NEAR(actual.y, expected.y, 1e-6f);
  EXPECT_NEAR(actual.z, expected.z, 1e-6f);
}

struct GeometryCase {
  const char* what;
  bool omni;
  Point3 placement;  // omni: position; direct: the way the light travels
  Point3 point;
  Point3 expectedDir;
  float expectedCoef;
  float expectedDistance;  // what the shadow test is asked to search
};

constexpr float kInf = std::numeric_limits<float>::infinity();

const GeometryCase kGeometry[] = {
    {"omni straight above", true, {0, 0, 10}, {0, 0, 0}, {0, 0, 1}, 1.0f, 10.0f},
    {"omni at an angle", true, {3, 0, 4}, {0, 0, 0}, {0.6f, 0, 0.8f}, 0.8f, 5.0f},
    {"omni seen from an offset point", true, {1, 2, 7}, {1, 2, 2}, {0, 0, 1}, 1.0f, 5.0f},
    {"omni behind the surface", true, {0, 0, -5}, {0, 0, 0}, {0, 0, -1}, -1.0f, 5.0f},
    {"direct straight down", false, {0, 0, -1}, {0, 0, 0}, {0, 0, 1}, 1.0f, kInf},
    {"direct, direction not unit", false, {0, -3, -4}, {0, 0, 0}, {0, 0.6f, 0.8f}, 0.8f, kInf},
    {"direct grazing", false, {1, 0, 0}, {0, 0, 0}, {-1, 0, 0}, 0.0f, kInf},
};

TEST(Lights, IlluminateGivesUnitDirectionCosineAndScaledColour) {
  for (const GeometryCase& c : kGeometry) {
    SCOPED_TRACE(c.what);
    for (const bool blocked : {false, true}) {
      SCOPED_TRACE(blocked ? "in shadow" : "lit");
      ShadowProbe probe;
      probe.blocked = blocked;
      OmniLight omni;
      DirectLight direct;
      omni.position = c.placement;
      direct.direction = c.placement;
      omni.color = direct.color = Color(0.5f, 0.25f, 1.0f);
      omni.multiplier = direct.multiplier = 2.0f;
      omni.shadowTest = direct.shadowTest = ProbeShadow;
      omni.shadowScene = direct.shadowScene = &probe;
      LightDesc& light = c.omni ? static_cast<LightDesc&>(omni) : static_cast<LightDesc&>(direct);

      SampleShadeContext sc;
      sc.point = c.point;
      const Answer a = Ask(light, sc);

      ASSERT_EQ(probe.calls, 1);
      EXPECT_EQ(probe.point, c.point);
      ExpectNear(probe.towardsLight, c.expectedDir);
      if (std::isinf(c.expectedDistance)) {
        EXPECT_TRUE(std::isinf(probe.maxDistance));
      } else {
        EXPECT_NEAR(probe.maxDistance, c.expectedDistance, 1e-5f);
      }
      ExpectNear(a.dir, c.expectedDir);
      EXPECT_NEAR(a.dotNL, c.expectedCoef, 1e-6f);
      if (blocked) {
        EXPECT_FALSE(a.reaches);
        EXPECT_EQ(a.color, Color());
        EXPECT_EQ(a.diffuseCoef, 0.0f);
      } else {
        // Reaches even from behind: callers skip a weight of 0 or less.
        EXPECT_TRUE(a.reaches);
        EXPECT_EQ(a.color, Color(1.0f, 0.5f, 2.0f));
        EXPECT_NEAR(a.diffuseCoef, c.expectedCoef, 1e-6f);
      }
    }
  }
}

TEST(Lights, WithoutShadowTestEveryPointIsLit) {
  OmniLight omni;
  omni.position = Point3(0, 0, 1);
  SampleShadeContext sc;
  EXPECT_TRUE(Ask(omni, sc).reaches);
}

TEST(Lights, NoDirectionTowardsTheLightMeansNoLightAndNoNaN) {
  OmniLight onThePoint;
  onThePoint.position = Point3(1, 2, 3);
  DirectLight noDirection;
  noDirection.direction = Point3();
  SampleShadeContext sc;
  sc.point = Point3(1, 2, 3);
  for (LightDesc* light : {static_cast<LightDesc*>(&onThePoint), static_cast<LightDesc*>(&noDirection)}) {
    const Answer a = Ask(*light, sc);
    EXPECT_FALSE(a.reaches);
    EXPECT_EQ(a.color, Color());
    EXPECT_EQ(a.diffuseCoef, 0.0f);
    EXPECT_FALSE(std::isnan(a.dir.x) || std::isnan(a.dotNL));
  }
}

TEST(Lights, FixedLightAnswersItsValuesAndCountsCalls) {
  FixedLight light(Color(0.1f, 0.2f, 0.3f), -0.5f, FALSE);
  SampleShadeContext sc;
  const Answer first = Ask(light, sc);
  Ask(light, sc);
  EXPECT_EQ(light.calls, 2);
  EXPECT_FALSE(first.reaches);
  // The values come back even when it does not reach, so a caller must look at the answer.
  EXPECT_EQ(first.color, Color(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(first.diffuseCoef, -0.5f);
}

TEST(SampleShadeContext, LightTableStaysInsideItsBounds) {
  SampleShadeContext sc;
  FixedLight lights[SampleShadeContext::kMaxLights + 1];
  for (FixedLight& l : lights) sc.AddLight(&l);
  EXPECT_EQ(sc.nLights, SampleShadeContext::kMaxLights);
  EXPECT_EQ(sc.Light(0), &lights[0]);
  EXPECT_EQ(sc.Light(SampleShadeContext::kMaxLights - 1), &lights[SampleShadeContext::kMaxLights - 1]);
  for (const int bad : {-1, SampleShadeContext::kMaxLights, SampleShadeContext::kMaxLights + 5}) {
    EXPECT_EQ(sc.Light(bad), nullptr) << bad;
  }
  sc.nLights = SampleShadeContext::kMaxLights + 3;  // a caller may write the field directly
  EXPECT_EQ(sc.Light(SampleShadeContext::kMaxLights + 1), nullptr);
  sc.ClearLights();
  EXPECT_EQ(sc.nLights, 0);
  EXPECT_EQ(sc.Light(0), nullptr);
}

TEST(SampleShadeContext, RecordsGBufferIdAndCountsQueries) {
  SampleShadeContext sc;
  sc.barycentric = Point3(0.5f, 0.25f, 0.25f);
  EXPECT_EQ(sc.BarycentricCoords(), Point3(0.5f, 0.25f, 0.25f));
  sc.BarycentricCoords();
  EXPECT_EQ(sc.barycentricQueries, 2);
  sc.SetGBufferID(7);
  EXPECT_EQ(sc.gbufferCalls, 1);
  EXPECT_EQ(sc.out.gbufId, 7);
  sc.SetNormal(Point3(1, 0, 0));
  EXPECT_EQ(sc.Normal(), Point3(1, 0, 0));
}

TEST(CoreInterface, KeepsTheTimeItIsGiven) {
  Interface* core = GetCOREInterface();
  ASSERT_NE(core, nullptr);
  EXPECT_EQ(GetCOREInterface(), core);
  const TimeValue before = core->GetTime();
  core->SetTime(2 * TICKS_PER_SECOND);
  EXPECT_EQ(GetCOREInterface()->GetTime(), 2 * TICKS_PER_SECOND);
  core->SetTime(before, FALSE);
}

}  // namespace
