// The transition curve: its values, its table with the accumulated argument, the widening of
// equal thresholds, and when the table is rebuilt.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "penumbrix/PenumbrixParams.h"
#include "tests/penumbrix/PenumbrixTestSupport.h"

namespace {

struct CurveSetup {
  float low, high, dark, control1, control2, lit;
};

void Apply(Penumbrix& m, const CurveSetup& s) {
  m.SetHighThreshold(s.high, 0);
  m.SetLowThreshold(s.low, 0);
  m.SetCurveDark(s.dark, 0);
  m.SetCurveControl1(s.control1, 0);
  m.SetCurveControl2(s.control2, 0);
  m.SetCurveLit(s.lit, 0);
}

// The table as the curve defines it, entry by entry through CurveValue with the argument
// accumulated in single precision.
std::vector<float> EntryByEntry(const CurveSetup& s) {
  MapPtr m = NewMap();
  Apply(*m, s);
  std::vector<float> table;
  float x = 0.0f;
  for (int i = 0; i < kCurveTableSize; ++i) {
    table.push_back(m->CurveValue(x));
    x += 0.0001f;
  }
  return table;
}

TEST(PenumbrixCurve, TableEqualsTheCurveEntryByEntry) {
  const CurveSetup setups[] = {
      {0.0f, 1.0f, 0.0f, 0.33333f, 0.66666f, 1.0f},  // defaults
      {0.5f, 0.5f, 0.0f, 0.33333f, 0.66666f, 1.0f},  // widened
      {0.2f, 0.8f, 0.3f, 5.0f, -2.0f, 0.7f},         // saturating
      {0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f},          // widened at zero
  };
  for (const CurveSetup& s : setups) {
    SCOPED_TRACE(testing::Message() << "thresholds " << s.low << " " << s.high);
    const std::vector<float> expected = EntryByEntry(s);
    MapPtr m = NewMap();
    Apply(*m, s);
    m->BuildCurveTable();
    for (int i = 0; i < kCurveTableSize; ++i) ASSERT_EQ(m->curveTable[i], expected[i]) << "entry " << i;
  }
}

TEST(PenumbrixCurve, KnownEntries) {
  struct Case {
    const char* name;
    CurveSetup setup;
    int entry;
    float value;
    float tolerance;
  };
  const CurveSetup defaults{0.0f, 1.0f, 0.0f, 0.33333f, 0.66666f, 1.0f};
  const CurveSetup equal{0.5f, 0.5f, 0.0f, 0.33333f, 0.66666f, 1.0f};
  const Case cases[] = {
      {"default first", defaults, 0, 0.0f, 0.0f},
      {"default middle", defaults, 5000, 0.49997f, 2e-5f},
      {"default last", defaults, 9999, 0.99995f, 2e-5f},
      {"equal: dark up to the threshold", equal, 5000, 0.0f, 0.0f},
      {"equal: first step", equal, 5001, 0.0706f, 5e-4f},
      {"equal: lit from 5011", equal, 5011, 1.0f, 0.0f},
      {"equal: lit at the end", equal, 9999, 1.0f, 0.0f},
      {"control 1 at 5 saturates", {0.0f, 1.0f, 0.0f, 5.0f, 0.66666f, 1.0f}, 3000, 1.0f, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MapPtr m = NewMap();
    Apply(*m, c.setup);
    EXPECT_NEAR(m->LookupCurve(static_cast<float>(c.entry) / 10000.0f + 0.00001f), c.value, c.tolerance);
    EXPECT_NEAR(m->curveTable[c.entry], c.value, c.tolerance);
  }
}

TEST(PenumbrixCurve, EqualThresholdsWidenTheMemberOnly) {
  MapPtr m = NewMap();
  m->SetLowThreshold(0.5f, 0);
  m->SetHighThreshold(0.5f, 0);
  m->BuildCurveTable();
  EXPECT_EQ(m->highThreshold, 0.5f + 0.001f);
  EXPECT_EQ(m->paramBlock->GetFloat(kParamHighThreshold, 0), 0.5f);
  for (int i = 0; i <= 5000; i += 250) EXPECT_EQ(m->curveTable[i], 0.0f) << i;
  for (int i = 5011; i < kCurveTableSize; i += 250) EXPECT_EQ(m->curveTable[i], 1.0f) << i;
}

TEST(PenumbrixCurve, ThresholdsOutOfOrderGiveTheLitValueEverywhere) {
  // Only block values (animation, scripts) can put them out of order; the setters keep them ordered.
  for (const float lit : {0.75f, 3.0f, -1.0f}) {
    MapPtr m = NewMap();
    m->paramBlock->SetValue(kParamLowThreshold, 0, 0.9f);
    m->paramBlock->SetValue(kParamHighThreshold, 0, 0.1f);
    m->paramBlock->SetValue(kParamCurveLit, 0, lit);
    Interval valid = FOREVER;
    m->Update(0, valid);
    m->BuildCurveTable();
    const float expected = std::fmin(std::fmax(lit, 0.0f), 1.0f);
    for (int i = 0; i < kCurveTableSize; ++i) ASSERT_EQ(m->curveTable[i], expected) << i;
  }
}

TEST(PenumbrixCurve, PresetsAtTheMiddle) {
  struct Case {
    const char* preset;
    float dark, control1, control2, lit;
    float atHalf;
  };
  const Case cases[] = {
      {"defaults", 0.0f, 0.33333f, 0.66666f, 1.0f, 0.5f}, {"Ease: Dark", 0.0f, 0.0f, 0.66666f, 1.0f, 0.375f},
      {"Ease: Lit", 0.0f, 0.33333f, 1.0f, 1.0f, 0.625f},  {"Edge: Dark", 0.0f, 1.0f, 1.0f, 1.0f, 0.875f},
      {"Edge: Lit", 0.0f, 0.0f, 0.0f, 1.0f, 0.125f},      {"Reset", 0.0f, 0.33333f, 0.66667f, 1.0f, 0.5f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.preset);
    MapPtr m = NewMap();
    Apply(*m, {0.0f, 1.0f, c.dark, c.control1, c.control2, c.lit});
    EXPECT_NEAR(m->CurveValue(0.5f), c.atHalf, 2e-5f);
  }
}

TEST(PenumbrixCurve, LookupStaysInsideTheTable) {
  MapPtr m = NewMap();
  m->BuildCurveTable();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float e;
    int entry;
  } cases[] = {{0.0f, 0},
               {0.9999f, 9999},
               {0.30000001f, 3000},
               {-0.5f, 0},
               {1.5f, 9999},
               {nan, 0},
               {std::numeric_limits<float>::infinity(), 9999}};
  for (const auto& c : cases) EXPECT_EQ(m->LookupCurve(c.e), m->curveTable[c.entry]) << c.e;
}

TEST(PenumbrixCurve, StaleUntilLookupAndAgainAfterEveryUpdate) {
  MapPtr m = NewMap();
  EXPECT_FALSE(m->CurveTableCurrent());
  m->LookupCurve(0.5f);
  EXPECT_TRUE(m->CurveTableCurrent());
  // Setters without a panel leave the table alone.
  m->SetCurveLit(0.5f, 0);
  EXPECT_TRUE(m->CurveTableCurrent());
  EXPECT_EQ(m->LookupCurve(0.9999f), m->curveTable[9999]);
  EXPECT_NEAR(m->curveTable[9999], 0.99995f, 2e-5f);

  Interval valid = FOREVER;
  m->Update(0, valid);
  EXPECT_FALSE(m->CurveTableCurrent());
  EXPECT_NEAR(m->LookupCurve(0.9999f), 0.5f, 1e-4f);
  // An Update inside the cached validity rereads nothing but still makes the table stale.
  m->Update(0, valid);
  EXPECT_FALSE(m->CurveTableCurrent());
}

}  // namespace
