// The wire test and the super-sampling request.
#include <gtest/gtest.h>

#include "host/CoreInterface.h"
#include "tests/filamesh/FilameshTestSupport.h"

namespace {

constexpr Color kWire(0.25f, 0.5f, 0.75f);
constexpr Color kCenter(0.9f, 0.8f, 0.7f);

struct WireCase {
  const char* name;
  float width;
  Point3 barycentric;
  bool onWire;
  int queries;  // barycentric queries made before the answer was known
};

class FilameshEval : public ::testing::Test {
 protected:
  void SetUp() override {
    held.block().SetValue(kWireColorParam, 0, kWire);
    held.block().SetValue(kCenterColorParam, 0, kCenter);
  }
  void TearDown() override { GetCOREInterface()->SetTime(0, FALSE); }
  HeldFilamesh held;
  SampleShadeContext sc;
};

TEST_F(FilameshEval, WireTestIsStrictPerComponentAndStopsAtFirstHit) {
  const WireCase cases[] = {
      {"width 0 on an edge", 0.0f, {0.0f, 0.5f, 0.5f}, false, 3},
      {"width 0 at a vertex", 0.0f, {1.0f, 0.0f, 0.0f}, false, 3},
      {"component equal to half the width", 0.2f, {0.1f, 0.45f, 0.45f}, false, 3},
      {"hit on x", 0.2f, {0.05f, 0.5f, 0.45f}, true, 1},
      {"hit on y", 0.2f, {0.45f, 0.0999f, 0.4501f}, true, 2},
      {"hit on z", 0.2f, {0.45f, 0.45f, 0.0999f}, true, 3},
      {"width above 2/3 at the centre", 0.67f, {1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f}, true, 1},
      {"width 1 at the centre", 1.0f, {1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f}, true, 1},
      {"negative width on an edge", -0.5f, {0.0f, 0.5f, 0.5f}, false, 3},
      {"coordinates (0, 0, 0)", 0.01f, {0.0f, 0.0f, 0.0f}, true, 1},
      {"coordinates (0, 0, 0), width 0", 0.0f, {0.0f, 0.0f, 0.0f}, false, 3},
      {"NaN coordinates", 0.5f, {kNaN, kNaN, kNaN}, false, 3},
      {"NaN width", kNaN, {0.0f, 0.0f, 0.0f}, false, 3},
  };
  for (const WireCase& c : cases) {
    SCOPED_TRACE(c.name);
    held.block().SetValue(kWidthParam, 0, c.width);
    sc.barycentric = c.barycentric;
    sc.barycentricQueries = 0;
    const AColor result = held.map->EvalColor(sc);
    EXPECT_EQ(result.rgb(), c.onWire ? kWire : kCenter);
    EXPECT_EQ(result.a, 1.0f);
    EXPECT_EQ(sc.barycentricQueries, c.queries);
  }
}

TEST_F(FilameshEval, MonoIsTheMeanOfTheColourAndNoPerturbation) {
  held.block().SetValue(kWireColorParam, 0, kDefaultWireColor);
  held.block().SetValue(kCenterColorParam, 0, kDefaultCenterColor);
  sc.barycentric = {0.0f, 0.5f, 0.5f};
  EXPECT_EQ(held.map->EvalMono(sc), 0.0f);
  sc.barycentric = {1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f};
  EXPECT_EQ(held.map->EvalMono(sc), 1.0f);
  EXPECT_EQ(held.map->EvalNormalPerturb(sc), Point3(0.0f, 0.0f, 0.0f));
}

// Evaluation reads the block at each sample's own time, not at the last Update.
TEST_F(FilameshEval, AnimatedWidthAndColourAreReadAtTheSampleTime) {
  SetKey(held.block(), kWidthParam, 0, 0.0f);
  SetKey(held.block(), kWidthParam, 4800, 1.0f);
  SetKey(held.block(), kWireColorParam, 0, Color(0.0f, 0.0f, 0.0f));
  SetKey(held.block(), kWireColorParam, 4800, Color(1.0f, 0.5f, 0.0f));
  Interval valid = FOREVER;
  held.map->Update(0, valid);
  sc.barycentric = {0.2f, 0.4f, 0.4f};

  sc.time = 0;
  EXPECT_EQ(held.map->EvalColor(sc).rgb(), kCenter);
  sc.time = 2400;  // width 0.5: 0.25 > 0.2
  EXPECT_EQ(held.map->EvalColor(sc).rgb(), Color(0.5f, 0.25f, 0.0f));
  sc.time = 4800;
  EXPECT_EQ(held.map->EvalColor(sc).rgb(), Color(1.0f, 0.5f, 0.0f));
}

TEST_F(FilameshEval, SuperSampleFollowsTheApplicationTimeNotTheRenderTime) {
  EXPECT_EQ(held.map->LocalRequirements(0), MTLREQ_SUPERSAMPLE);
  EXPECT_EQ(held.map->Requirements(0) & MTLREQ_SUPERSAMPLE, MTLREQ_SUPERSAMPLE);

  SetKey(held.block(), kSuperSampleParam, 0, 0);
  SetKey(held.block(), kSuperSampleParam, 4800, 1);
  sc.time = 4800;  // the sample being rendered lies where the flag is on
  GetCOREInterface()->SetTime(0, FALSE);
  EXPECT_EQ(held.map->LocalRequirements(0), 0u);
  GetCOREInterface()->SetTime(4800, FALSE);
  EXPECT_EQ(held.map->LocalRequirements(7), MTLREQ_SUPERSAMPLE);

  // The flag never changes the colour of a sample.
  sc.barycentric = {0.01f, 0.5f, 0.49f};
  const AColor on = held.map->EvalColor(sc);
  held.block().DeleteKeys(kSuperSampleParam);
  held.block().SetValue(kSuperSampleParam, 0, 0);
  EXPECT_EQ(held.map->LocalRequirements(0), 0u);
  EXPECT_EQ(held.map->EvalColor(sc), on);
}

}  // namespace
