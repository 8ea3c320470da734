// Several render threads evaluate one Penumbrix map right after each Update, all finding its
// transition table stale at once. Every result must equal that of a single-threaded run.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "host/Lights.h"
#include "penumbrix/Penumbrix.h"
#include "penumbrix/PenumbrixParams.h"

namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 24;
constexpr int kSamples = 96;

struct Setup {
  float low, high, dark, control1, control2, lit;
};

// Thresholds equal (widened by the rebuild), ordered, and at the ends of the range.
const Setup kSetups[] = {
    {0.5f, 0.5f, 0.0f, 0.33333f, 0.66666f, 1.0f}, {0.2f, 0.8f, 0.0f, 0.0f, 1.0f, 1.0f},
    {0.0f, 0.0f, 0.2f, 1.0f, 1.0f, 1.0f},         {0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f},
    {0.3f, 0.30001f, 1.0f, 0.5f, 0.2f, 0.0f},
};

struct Result {
  AColor color;
  float mono;
  Point3 bump;
  bool operator==(const Result& o) const { return std::memcmp(this, &o, sizeof *this) == 0; }
};

float LevelOf(int sample) { return static_cast<float>(sample) * (1.2f / kSamples); }

// A map with a Penumbrix as its Lit sub-map, so a sample may rebuild two tables.
Penumbrix* MakeMap() {
  auto* map = new Penumbrix();
  auto* inner = new Penumbrix();
  inner->SetColor(Penumbrix::kDark, Color(0.2f, 0.1f, 0.0f), 0);
  map->SetSubTexmap(Penumbrix::kLit, inner);
  map->SetColor(Penumbrix::kDark, Color(0.1f, 0.4f, 0.9f), 0);
  map->SetAmount(Penumbrix::kDark, 0.5f, 0);
  // Animated, so Updates at different times reread the block.
  AnimateOn();
  map->SetCurveControl2(0.9f, 4800);
  inner->SetHighThreshold(0.6f, 4800);
  AnimateOff();
  return map;
}

void Configure(Penumbrix& map, int round) {
  const Setup& s = kSetups[round % (sizeof kSetups / sizeof kSetups[0])];
  map.SetHighThreshold(s.high, 0);
  map.SetLowThreshold(s.low, 0);
  map.SetHighThreshold(s.high, 0);
  map.SetCurveDark(s.dark, 0);
  map.SetCurveControl1(s.control1, 0);
  map.SetCurveLit(s.lit, 0);
}

Result Evaluate(Penumbrix& map, int sample) {
  const float level = LevelOf(sample);
  FixedLight light(Color(level, level, level), 1.0f);
  SampleShadeContext sc;
  sc.AddLight(&light);
  return {map.EvalColor(sc), map.EvalMono(sc), map.EvalNormalPerturb(sc)};
}

TEST(PenumbrixThreads, ConcurrentFirstUseAfterUpdateMatchesASingleThread) {
  Penumbrix* shared = MakeMap();
  Penumbrix* reference = MakeMap();
  for (int round = 0; round < kRounds; ++round) {
    const TimeValue t = round * 200;
    Configure(*shared, round);
    Configure(*reference, round);
    Interval valid = FOREVER;
    shared->Update(t, valid);
    reference->Update(t, valid);

    std::vector<Result> expected;
    for (int i = 0; i < kSamples; ++i) expected.push_back(Evaluate(*reference, i));

    std::vector<std::vector<Result>> got(kThreads, std::vector<Result>(kSamples));
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int k = 0; k < kThreads; ++k) {
      threads.emplace_back([&, k] {
        while (!go.load(std::memory_order_acquire)) std::this_thread::yield();
        // Each thread starts at another sample, so the first lookups differ.
        for (int n = 0; n < kSamples; ++n) {
          const int i = (n + k * kSamples / kThreads) % kSamples;
          got[k][i] = Evaluate(*shared, i);
        }
      });
    }
    go.store(true, std::memory_order_release);
    for (std::thread& th : threads) th.join();

    for (int k = 0; k < kThreads; ++k) {
      for (int i = 0; i < kSamples; ++i) {
        ASSERT_TRUE(got[k][i] == expected[i]) << "round " << round << ", thread " << k << ", sample " << i;
      }
    }
    EXPECT_EQ(shared->highThreshold, reference->highThreshold) << "round " << round;
    EXPECT_TRUE(shared->CurveTableCurrent());
  }
  shared->DeleteThis();
  reference->DeleteThis();
}

}  // namespace
