// Shading: the light level, its normalisation against the thresholds, the choice of sides by
// the curve weight, the amounts, the switches and the Output adjustment.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/penumbrix/PenumbrixTestSupport.h"

namespace {

constexpr float kTol = 2e-5f;

void ExpectNear(const AColor& got, const AColor& want, float tol = kTol) {
  EXPECT_NEAR(got.r, want.r, tol);
  EXPECT_NEAR(got.g, want.g, tol);
  EXPECT_NEAR(got.b, want.b, tol);
  EXPECT_NEAR(got.a, want.a, tol);
}

TEST(PenumbrixEval, LightLevelDrivesTheDefaultBlend) {
  struct Case {
    const char* name;
    std::vector<FixedLight> lights;
    float grey;  // expected r = g = b; alpha stays 1
  };
  const Case cases[] = {
      {"no lights", {}, 0.0f},
      {"lights that cancel", {FixedLight(Color(1, 1, 1), 1.0f), FixedLight(Color(-1, -1, -1), 1.0f)}, 0.0f},
      {"unreached, unweighted and negatively weighted lights",
       {FixedLight(Color(1, 1, 1), 1.0f, FALSE), FixedLight(Color(1, 1, 1), 0.0f),
        FixedLight(Color(1, 1, 1), -1.0f)},
       0.0f},
      {"negative light counts like positive", {FixedLight(Color(-0.5f, -0.5f, -0.5f), 1.0f)}, 0.49997f},
      {"half lit", {FixedLight(Color(0.25f, 0.25f, 0.25f), 2.0f)}, 0.49997f},
      {"fully lit", {FixedLight(Color(1, 1, 1), 1.0f)}, 1.0f},
      {"over lit", {FixedLight(Color(3, 3, 3), 1.0f), FixedLight(Color(1, 1, 1), 0.5f)}, 1.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MapPtr m = NewMap();
    LitSample s(c.lights);
    ExpectNear(m->EvalColor(s.sc()), AColor(c.grey, c.grey, c.grey, 1.0f));
    for (const FixedLight& l : s.lights) EXPECT_EQ(l.calls, 1);
  }
}

TEST(PenumbrixEval, ThresholdsNormaliseTheLevel) {
  struct Case {
    const char* name;
    float low, high;
    float grey;  // light level is this grey, exactly
    int entry;
  };
  const Case cases[] = {
      {"0.38 between 0.2 and 0.8", 0.2f, 0.8f, 0.38f, 2999},
      {"0.7 between 0.2 and 0.8", 0.2f, 0.8f, 0.7f, 8333},
      {"at the lower threshold", 0.5f, 0.8f, 0.5f, 0},
      {"at the upper threshold", 0.2f, 0.5f, 0.5f, 9999},
      {"at equal thresholds", 0.5f, 0.5f, 0.5f, 0},
      {"above equal thresholds", 0.5f, 0.5f, 0.6f, 9999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MapPtr m = NewMap();
    m->SetHighThreshold(c.high, 0);
    m->SetLowThreshold(c.low, 0);
    LitSample s = LitSample::AtLevel(c.grey);
    const AColor got = m->EvalColor(s.sc());
    const float f = m->curveTable[c.entry];
    const float scale = (1.0f - f) * 1.0f + f * 1.0f;
    const float expected = (f >= 0.9999f ? 1.0f : f) * scale;
    EXPECT_FLOAT_EQ(got.r, expected);
  }
  // The curve itself works on absolute levels, so the thresholds act twice.
  MapPtr m = NewMap();
  m->SetHighThreshold(0.8f, 0);
  m->SetLowThreshold(0.2f, 0);
  EXPECT_NEAR(m->CurveValue(0.38f), 0.3f, kTol);
  m->BuildCurveTable();
  EXPECT_NEAR(m->curveTable[2999], 0.1665f, 1e-4f);
  EXPECT_EQ(m->curveTable[8333], 1.0f);
}

// With no light the weight is entry 0, which is exactly curveDark: a way to pin f.
TEST(PenumbrixEval, WeightChoosesWhichSidesAreEvaluated) {
  struct Case {
    float f;
    bool dark, lit;
  };
  const Case cases[] = {
      {0.0f, true, false},
      {0.0001f, true, false},
      {std::nextafter(0.0001f, 1.0f), true, true},
      {0.5f, true, true},
      {std::nextafter(0.9999f, 0.0f), true, true},
      {0.9999f, false, true},
      {1.0f, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "f = " << c.f);
    MapPtr m = NewMap();
    auto* dark = new StubMap(AColor(0.2f, 0.4f, 0.6f, 0.8f), 0.3f, Point3(1, 0, 0));
    auto* lit = new StubMap(AColor(1.0f, 0.5f, 0.25f, 1.0f), 0.9f, Point3(0, 1, 0));
    m->SetSubTexmap(Penumbrix::kDark, dark);
    m->SetSubTexmap(Penumbrix::kLit, lit);
    m->SetAmount(Penumbrix::kDark, 0.5f, 0);
    m->SetCurveDark(c.f, 0);
    LitSample s;
    const float f = c.f;
    const float scale = (1.0f - f) * 0.5f + f * 1.0f;

    AColor color = m->EvalColor(s.sc());
    AColor wantColor = !c.dark  ? lit->color
                       : !c.lit ? dark->color
                                : lit->color * f + dark->color * (1.0f - f);
    EXPECT_EQ(color, wantColor * scale);
    const float mono = m->EvalMono(s.sc());
    const float wantMono = !c.dark  ? lit->mono
                           : !c.lit ? dark->mono
                                    : dark->mono * (1.0f - f) + lit->mono * f;
    EXPECT_EQ(mono, wantMono * scale);
    const Point3 bump = m->EvalNormalPerturb(s.sc());
    const Point3 wantBump = !c.dark  ? lit->perturb
                            : !c.lit ? dark->perturb
                                     : lit->perturb * f + dark->perturb * (1.0f - f);
    EXPECT_EQ(bump, wantBump * scale);

    EXPECT_EQ(dark->Evaluations(), c.dark ? 3 : 0);
    EXPECT_EQ(lit->Evaluations(), c.lit ? 3 : 0);
  }
}

TEST(PenumbrixEval, SwitchesAndEmptySlotsFallBackToTheFlatColour) {
  struct Case {
    const char* name;
    int side;
    bool plugMap;
    int switchOn;
    bool mapUsed;
  };
  const Case cases[] = {
      {"dark: switch on, slot empty", Penumbrix::kDark, false, 1, false},
      {"dark: switch off, map plugged", Penumbrix::kDark, true, 0, false},
      {"dark: switch on, map plugged", Penumbrix::kDark, true, 1, true},
      {"lit: switch on, slot empty", Penumbrix::kLit, false, 1, false},
      {"lit: switch off, map plugged", Penumbrix::kLit, true, 0, false},
      {"lit: switch on, map plugged", Penumbrix::kLit, true, 1, true},
  };
  const Color flat(0.3f, 0.6f, 0.9f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MapPtr m = NewMap();
    StubMap* sub = nullptr;
    if (c.plugMap) {
      sub = new StubMap();
      m->SetSubTexmap(c.side, sub);
    }
    m->mapOn[c.side] = c.switchOn;
    m->SetColor(c.side, flat, 0);
    // Dark alone with no light, Lit alone with full light.
    LitSample s = LitSample::AtLevel(c.side == Penumbrix::kDark ? 0.0f : 2.0f);

    const AColor color = m->EvalColor(s.sc());
    const float mono = m->EvalMono(s.sc());
    const Point3 bump = m->EvalNormalPerturb(s.sc());
    if (c.mapUsed) {
      EXPECT_EQ(color, sub->color);
      EXPECT_EQ(mono, sub->mono);
      EXPECT_EQ(bump, sub->perturb);
    } else {
      EXPECT_EQ(color, AColor(flat, 1.0f));
      EXPECT_EQ(mono, ((flat.g + flat.r) + flat.b) * 0.33333334f);
      EXPECT_EQ(bump, Point3(0, 0, 0));
      if (sub != nullptr) {
        EXPECT_EQ(sub->Evaluations(), 0);
      }
    }
  }
}

TEST(PenumbrixEval, AmountsScaleEveryChannelAlphaIncluded) {
  MapPtr m = NewMap();
  LitSample half = LitSample::AtLevel(0.5f);
  const AColor full = m->EvalColor(half.sc());
  m->SetAmount(Penumbrix::kDark, 0.5f, 0);
  m->SetAmount(Penumbrix::kLit, 0.5f, 0);
  ExpectNear(m->EvalColor(half.sc()), full * 0.5f, 1e-6f);
  LitSample dark;
  m->SetColor(Penumbrix::kDark, Color(1.0f, 0.5f, 0.25f), 0);
  EXPECT_EQ(m->EvalColor(dark.sc()), AColor(0.5f, 0.25f, 0.125f, 0.5f));
  EXPECT_EQ(m->EvalMono(dark.sc()), ((0.5f + 1.0f) + 0.25f) * 0.33333334f * 0.5f);
}

TEST(PenumbrixEval, OutputAdjustsAndGBufferIdIsPassed) {
  MapPtr m = NewMap();
  auto* lit = new StubMap(AColor(0.5f, 0.25f, 1.0f, 1.0f), 0.5f, Point3(1, 1, 1));
  m->SetSubTexmap(Penumbrix::kLit, lit);
  m->SetOutputLevel(0, 2.0f);
  LitSample s = LitSample::AtLevel(1.0f);
  EXPECT_EQ(m->EvalColor(s.sc()), m->texout->Filter(lit->color));
  EXPECT_EQ(m->EvalMono(s.sc()), m->texout->Filter(0.5f));
  EXPECT_EQ(m->EvalNormalPerturb(s.sc()), m->texout->Filter(Point3(1, 1, 1)));
  EXPECT_NE(m->texout->Filter(lit->color), lit->color);
  EXPECT_EQ(s.sc().gbufferCalls, 0);

  m->gbufID = 7;
  m->EvalColor(s.sc());
  m->EvalMono(s.sc());
  m->EvalNormalPerturb(s.sc());
  EXPECT_EQ(s.sc().gbufferCalls, 3);
  EXPECT_EQ(s.sc().out.gbufId, 7);
}

}  // namespace
