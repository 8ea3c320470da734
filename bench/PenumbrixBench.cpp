// The Penumbrix map's hot paths, each beside a hand-inlined baseline of the same arithmetic over
// plain locals, so the ratio shows what the map's structure costs: LookupCurve on a current
// table, BuildCurveTable, and EvalColor with 0, 1 and 4 lights for colour and map sides.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/PenumbrixBenchMaps.h"
#include "frame/AboutValues.h"
#include "host/Lights.h"
#include "host/TextureOutput.h"
#include "penumbrix/Penumbrix.h"

namespace {

std::vector<float> Levels() {
  std::vector<float> e(1024);
  for (std::size_t i = 0; i < e.size(); ++i) e[i] = static_cast<float>((i * 7919) % 10000) * 0.0001f;
  return e;
}

Penumbrix* CurrentMap() {
  auto* map = new Penumbrix();
  Interval valid = FOREVER;
  map->Update(0, valid);
  map->BuildCurveTable();
  return map;
}

// ---- LookupCurve ----

void BM_LookupCurve(benchmark::State& state) {
  Penumbrix* map = CurrentMap();
  const std::vector<float> levels = Levels();
  for (auto _ : state) {
    float sum = 0.0f;
    for (float e : levels) sum += map->LookupCurve(e);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(levels.size()));
  map->DeleteThis();
}

void BM_LookupCurveBaseline(benchmark::State& state) {
  Penumbrix* map = CurrentMap();
  std::vector<float> table(map->curveTable, map->curveTable + kCurveTableSize);
  const std::vector<float> levels = Levels();
  for (auto _ : state) {
    float sum = 0.0f;
    for (float e : levels) {
      const float scaled = e * 10000.0f;
      const int i = !(scaled > 0.0f) ? 0 : scaled >= 9999.0f ? 9999 : static_cast<int>(scaled);
      sum += table[static_cast<std::size_t>(i)];
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(levels.size()));
  map->DeleteThis();
}

// ---- BuildCurveTable ----

void PerEntry(benchmark::State& state) {
  state.counters["ns_per_entry"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kCurveTableSize * 1e-9,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_BuildCurveTable(benchmark::State& state) {
  Penumbrix* map = CurrentMap();
  for (auto _ : state) {
    map->BuildCurveTable();
    benchmark::DoNotOptimize(map->curveTable[kCurveTableSize / 2]);
    benchmark::ClobberMemory();
  }
  PerEntry(state);
  map->DeleteThis();
}

void BM_BuildCurveTableBaseline(benchmark::State& state) {
  std::vector<float> table(kCurveTableSize);
  float lowThreshold = 0.0f;
  float highThreshold = 1.0f;
  const float dark = 0.0f, control1 = 0.33333f, control2 = 0.66666f, lit = 1.0f;
  benchmark::DoNotOptimize(lowThreshold);
  benchmark::DoNotOptimize(highThreshold);
  for (auto _ : state) {
    float x = 0.0f;
    for (int i = 0; i < kCurveTableSize; ++i) {
      const float lo = lowThreshold;
      const float hi = highThreshold;
      float xc = x;
      if (lo > xc) xc = lo;
      if (!(xc < hi)) xc = hi;
      if (lo == hi) highThreshold = lo + 0.001f;
      const float t = (xc - lo) / (highThreshold - lo);
      const float t2 = t * t;
      const float t3 = t2 * t;
      const float b0 = ((3.0f * t2 - t3) - 3.0f * t) + 1.0f;
      const float b1 = (3.0f * t3 - 6.0f * t2) + 3.0f * t;
      const float b2 = 3.0f * t2 - 3.0f * t3;
      float y = ((b1 * control1 + b0 * dark) + b2 * control2) + t3 * lit;
      y = y > 0.0f ? y : 0.0f;
      y = y < 1.0f ? y : 1.0f;
      table[static_cast<std::size_t>(i)] = y;
      x += 0.0001f;
    }
    benchmark::DoNotOptimize(table[kCurveTableSize / 2]);
    benchmark::ClobberMemory();
  }
  PerEntry(state);
}

// ---- EvalColor ----

// One lit sample (level 0.5, so both sides blend) and the map it shades.
struct EvalScene {
  explicit EvalScene(int lightCount, bool mapSides) {
    const float grey = lightCount > 0 ? 0.5f / static_cast<float>(lightCount) : 0.0f;
    lights.assign(static_cast<std::size_t>(lightCount), FixedLight(Color(grey, grey, grey), 1.0f));
    for (FixedLight& l : lights) sc.AddLight(&l);
    map = CurrentMap();
    map->SetColor(Penumbrix::kDark, Color(0.1f, 0.2f, 0.3f), 0);
    map->SetAmount(Penumbrix::kDark, 0.75f, 0);
    if (mapSides) {
      map->SetSubTexmap(Penumbrix::kDark, NewConstMap(AColor(0.2f, 0.3f, 0.4f, 1.0f)));
      map->SetSubTexmap(Penumbrix::kLit, NewConstMap(AColor(0.9f, 0.8f, 0.7f, 1.0f)));
    }
    Interval valid = FOREVER;
    map->Update(0, valid);
    map->BuildCurveTable();
  }
  ~EvalScene() { map->DeleteThis(); }
  std::vector<FixedLight> lights;
  SampleShadeContext sc;
  Penumbrix* map;
};

// The renderer's shade context, of a type neither side may know: otherwise the inlined
// baseline alone would bind its context calls directly.
ShadeContext* OpaqueContext(EvalScene& scene) {
  ShadeContext* sc = &scene.sc;
  benchmark::DoNotOptimize(sc);
  return sc;
}

void BM_EvalColor(benchmark::State& state) {
  EvalScene scene(static_cast<int>(state.range(0)), state.range(1) != 0);
  ShadeContext* sc = OpaqueContext(scene);
  for (auto _ : state) benchmark::DoNotOptimize(scene.map->EvalColor(*sc));
}

// The same steps written out over plain locals: no members, no lazy check, no helpers.
struct Flat {
  int gbufID;
  Color colors[2];
  float low, high, amounts[2];
  int mapOn[2];
  Texmap* subTex[2];
  TextureOutput* texout;
  const float* table;
};

AColor FlatEvalColor(const Flat& p, ShadeContext& sc) {
  if (p.gbufID != 0) sc.SetGBufferID(p.gbufID);
  Point3 n = sc.Normal();
  float r = 0.0f, g = 0.0f, b = 0.0f;
  for (int i = 0; i < sc.nLights; ++i) {
    Color c(0.0f, 0.0f, 0.0f);
    Point3 dir;
    float dot = 0.0f, coef = 0.0f;
    if (sc.Light(i)->Illuminate(sc, n, c, dir, dot, coef) && coef > 0.0f) {
      r += c.r * coef;
      g += c.g * coef;
      b += c.b * coef;
    }
  }
  float level = (r + g + b) * FloatFromBits(0x3EAAAAABu);
  if (!(level >= 0.0f)) level = -level;
  float e;
  if (level <= p.low) {
    e = 0.0f;
  } else if (level >= p.high) {
    e = 0.9999f;
  } else {
    const float span = p.high - p.low;
    e = span != 0.0f ? (level - p.low) / span : 0.0f;
  }
  const float scaled = e * 10000.0f;
  const int index = !(scaled > 0.0f) ? 0 : scaled >= 9999.0f ? 9999 : static_cast<int>(scaled);
  const float f = p.table[index];
  auto side = [&](int i) {
    return p.mapOn[i] != 0 && p.subTex[i] != nullptr ? p.subTex[i]->EvalColor(sc) : AColor(p.colors[i], 1.0f);
  };
  AColor c;
  if (f >= 0.9999f) {
    c = side(1);
  } else if (f > 0.0001f) {
    const AColor dark = side(0);
    const AColor lit = side(1);
    c = lit * f + dark * (1.0f - f);
  } else {
    c = side(0);
  }
  c *= (1.0f - f) * p.amounts[0] + f * p.amounts[1];
  return p.texout->Filter(c);
}

void BM_EvalColorBaseline(benchmark::State& state) {
  EvalScene scene(static_cast<int>(state.range(0)), state.range(1) != 0);
  const Penumbrix& m = *scene.map;
  const Flat flat{m.gbufID,
                  {m.colors[0], m.colors[1]},
                  m.lowThreshold,
                  m.highThreshold,
                  {m.amounts[0], m.amounts[1]},
                  {m.mapOn[0], m.mapOn[1]},
                  {m.subTex[0], m.subTex[1]},
                  m.texout,
                  m.curveTable};
  ShadeContext* sc = OpaqueContext(scene);
  for (auto _ : state) benchmark::DoNotOptimize(FlatEvalColor(flat, *sc));
}

}  // namespace

BENCHMARK(BM_LookupCurve);
BENCHMARK(BM_LookupCurveBaseline);
BENCHMARK(BM_BuildCurveTable);
BENCHMARK(BM_BuildCurveTableBaseline);
BENCHMARK(BM_EvalColor)->ArgNames({"lights", "mapSides"})->ArgsProduct({{0, 1, 4}, {0, 1}});
BENCHMARK(BM_EvalColorBaseline)->ArgNames({"lights", "mapSides"})->ArgsProduct({{0, 1, 4}, {0, 1}});
