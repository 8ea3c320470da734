// Clamped shading, Update and Validity, and the queries forwarded to the source material.
#include <cmath>
#include <limits>

#include "clamp/ClampParams.h"
#include "frame/AboutValues.h"
#include "host/Lights.h"
#include "tests/clamp/ClampFixtures.h"

namespace {

using ClampShadeTest = ClampFixture;

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInv255 = FloatFromBits(0x3B808081u);

struct ShadeCase {
  const char* name;
  float low[3];
  float high[3];
  int lowOn;
  int highOn;
  Color source;
  Color expected;
};

TEST_F(ClampShadeTest, LimitsEachChannelBySwitchedOnSides) {
  const ShadeCase cases[] = {
      {"switches off", {51, 51, 51}, {0, 0, 0}, 0, 0, {0.1f, 0.5f, 0.0f}, {0.1f, 0.5f, 0.0f}},
      // 51 x 0x3B808081 = 0x3E4CCCCE, one ulp above 51/255; blue equals its limit and stays.
      {"low 51 on red",
       {51, 0, 0},
       {255, 255, 255},
       1,
       0,
       {0.1f, 0.5f, 0.0f},
       {FloatFromBits(0x3E4CCCCEu), 0.5f, 0.0f}},
      {"high 127.5",
       {0, 0, 0},
       {127.5f, 127.5f, 127.5f},
       0,
       1,
       {0.9f, 0.2f, 0.6f},
       {127.5f * kInv255, 0.2f, 127.5f * kInv255}},
      {"low above high ends at high",
       {200, 0, 0},
       {100, 255, 255},
       1,
       1,
       {0.0f, 0.3f, 0.3f},
       {100 * kInv255, 0.3f, 0.3f}},
      {"high 510 lets 1.5 pass", {0, 0, 0}, {510, 510, 510}, 0, 1, {1.5f, 2.5f, 0.5f}, {1.5f, 2.0f, 0.5f}},
      {"negative low changes nothing",
       {-50, -50, -50},
       {255, 255, 255},
       1,
       0,
       {0.0f, 0.2f, 1.0f},
       {0.0f, 0.2f, 1.0f}},
      {"non-zero switch values count", {0, 0, 0}, {0, 0, 0}, 0, -7, {0.5f, 0.5f, 0.5f}, {0.0f, 0.0f, 0.0f}},
  };
  FakeSource* source = UseFakeSource();
  for (const ShadeCase& c : cases) {
    SetLimits(c.low, c.high, c.lowOn, c.highOn);
    Interval valid = FOREVER;
    mtl->Update(0, valid);
    source->shadeColor = c.source;
    SampleShadeContext sc;
    mtl->Shade(sc);
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(Bits(sc.out.c[k]), Bits(c.expected[k])) << c.name << " channel " << k;
  }
}

TEST_F(ClampShadeTest, NaNAndEverythingButTheColourPassUnchanged) {
  FakeSource* source = UseFakeSource();
  const float low[3] = {100, 100, 100};
  const float high[3] = {200, 200, 200};
  SetLimits(low, high, 1, 1);
  Interval valid = FOREVER;
  mtl->Update(0, valid);
  source->shadeColor = Color(kNaN, 0.0f, 1.0f);
  source->shadeTransparency = Color(5.0f, -1.0f, 0.5f);
  SampleShadeContext sc;
  sc.out.ior = 1.33f;
  sc.out.flags = 0x40;
  mtl->Shade(sc);
  EXPECT_TRUE(std::isnan(sc.out.c.r));
  EXPECT_EQ(sc.out.c.g, 100 * kInv255);
  EXPECT_EQ(sc.out.c.b, 200 * kInv255);
  EXPECT_EQ(sc.out.t, Color(5.0f, -1.0f, 0.5f));
  EXPECT_EQ(sc.out.ior, 1.33f);
  EXPECT_EQ(sc.out.flags, 0x40u);
}

TEST_F(ClampShadeTest, GBufferIdIsStampedBeforeTheSourceShades) {
  FakeSource* source = UseFakeSource();
  Interval valid = FOREVER;
  mtl->Update(0, valid);
  for (int id : {0, 7}) {
    mtl->gbufID = id;
    SampleShadeContext sc;
    sc.out.gbufId = -3;
    mtl->Shade(sc);
    EXPECT_EQ(sc.gbufferCalls, id != 0 ? 1 : 0);
    EXPECT_EQ(source->gbufIdSeenByShade, id != 0 ? id : -3);
  }
}

TEST_F(ClampShadeTest, NewMaterialShadesAsItsStandardSource) {
  FixedLight light(Color(1.0f, 0.8f, 0.6f), 0.7f);
  SampleShadeContext alone;
  alone.AddLight(&light);
  SampleShadeContext clamped = alone;
  Interval valid = FOREVER;
  mtl->Update(0, valid);
  mtl->sourceMtl->Shade(alone);
  mtl->Shade(clamped);
  EXPECT_EQ(clamped.out.c, alone.out.c);
  EXPECT_EQ(clamped.out.t, alone.out.t);
}

TEST_F(ClampShadeTest, ForwardsQueriesToTheSourceOrAnswersFixedValues) {
  FakeSource* source = UseFakeSource();
  SampleShadeContext sc;

  EXPECT_EQ(mtl->GetAmbient(3, TRUE), Color(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(source->lastMtlNum, 0);
  EXPECT_EQ(source->lastBackFace, FALSE);
  struct Forwarded {
    const char* name;
    float (*call)(Clamp&);
    float withSource;
  };
  const Forwarded floats[] = {
      {"GetDiffuse", [](Clamp& m) { return m.GetDiffuse(2, TRUE).g; }, 0.5f},
      {"GetSpecular", [](Clamp& m) { return m.GetSpecular(2, TRUE).b; }, 0.9f},
      {"GetShininess", [](Clamp& m) { return m.GetShininess(2, TRUE); }, 0.25f},
      {"GetShinStr", [](Clamp& m) { return m.GetShinStr(2, TRUE); }, 0.5f},
      {"GetXParency", [](Clamp& m) { return m.GetXParency(2, TRUE); }, 0.75f},
      {"WireSize", [](Clamp& m) { return m.WireSize(2, TRUE); }, 2.5f},
  };
  for (const Forwarded& f : floats) {
    source->lastMtlNum = -1;
    EXPECT_EQ(f.call(*mtl), f.withSource) << f.name;
    EXPECT_EQ(source->lastMtlNum, 2) << f.name;
    EXPECT_EQ(source->lastBackFace, TRUE) << f.name;
  }
  EXPECT_EQ(mtl->EvalDisplacement(sc), 0.125f);
  EXPECT_EQ(mtl->DisplacementValidity(0), Interval(10, 20));

  mtl->SetSubMtl(0, nullptr);
  ASSERT_EQ(mtl->sourceMtl, nullptr);
  EXPECT_EQ(mtl->GetAmbient(3, TRUE), Color(0, 0, 0));
  for (const Forwarded& f : floats) EXPECT_EQ(f.call(*mtl), 0.0f) << f.name;
  EXPECT_EQ(mtl->EvalDisplacement(sc), 0.0f);
  EXPECT_TRUE(mtl->DisplacementValidity(0).Empty());

  // Without a source the output stays as the renderer handed it.
  const float low[3] = {255, 255, 255};
  SetLimits(low, low, 1, 1);
  Interval valid = FOREVER;
  mtl->Update(0, valid);
  sc.out.c = Color(0.1f, 0.2f, 0.3f);
  mtl->Shade(sc);
  EXPECT_EQ(sc.out.c, Color(0.1f, 0.2f, 0.3f));
}

TEST_F(ClampShadeTest, UpdateAndValidityFollowTheBlockAndTheSource) {
  FakeSource* source = UseFakeSource();
  Interval valid = FOREVER;
  mtl->Update(100, valid);
  EXPECT_EQ(mtl->validity, FOREVER);
  EXPECT_EQ(valid, FOREVER);
  EXPECT_EQ(mtl->Validity(100), FOREVER);

  // The source narrows the caller's interval itself.
  source->updateNarrowsTo = Interval(0, 500);
  source->validity = Interval(50, 400);
  valid = FOREVER;
  mtl->Update(100, valid);
  EXPECT_EQ(valid, Interval(0, 500));
  EXPECT_EQ(mtl->validity, FOREVER);
  EXPECT_EQ(mtl->Validity(100), Interval(50, 400));

  // An animated limit narrows both to the span around t over which it holds its value.
  AnimateOn();
  mtl->paramBlock->SetValue(kHighRedParam, 0, 100.0f);
  mtl->paramBlock->SetValue(kHighRedParam, 1000, 200.0f);
  AnimateOff();
  source->updateNarrowsTo = FOREVER;
  source->validity = FOREVER;
  valid = FOREVER;
  mtl->Update(500, valid);
  EXPECT_EQ(mtl->validity, Interval(500, 500));
  EXPECT_EQ(valid, Interval(500, 500));
  EXPECT_EQ(mtl->Validity(500), Interval(500, 500));
  EXPECT_EQ(mtl->highRaw[0], 150.0f);
  EXPECT_EQ(mtl->highLimit[0], 150.0f * kInv255);

  // A change from the block empties the cache; Update fills it again.
  mtl->paramBlock->SetValue(0, 0, 1.0f);
  EXPECT_TRUE(mtl->validity.Empty());
}

}  // namespace
