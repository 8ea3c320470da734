// Filamesh::EvalColor against the same wire test written out by hand, with the width held
// still and with the width animated (the block then interpolates keys on every read).
#include <benchmark/benchmark.h>

#include "filamesh/Filamesh.h"
#include "filamesh/FilameshParams.h"
#include "host/Lights.h"
#include "host/SceneFile.h"

namespace {

constexpr int kSamples = 64;

// A map and a ring of samples spread over a triangle, some on the wire, some not.
struct WireScene {
  SceneHolder holder;
  Filamesh* map = new Filamesh();
  Point3 barycentric[kSamples];
  SampleShadeContext sc;

  explicit WireScene(bool animatedWidth) {
    holder.Add(map);
    if (animatedWidth) {
      AnimateOn();
      map->ParamBlock()->SetValue(kWidthParam, 0, 0.05f);
      map->ParamBlock()->SetValue(kWidthParam, 4800, 0.3f);
      map->ParamBlock()->SetValue(kWidthParam, 9600, 0.1f);
      AnimateOff();
    }
    for (int i = 0; i < kSamples; ++i) {
      const float u = static_cast<float>((i * 37) % kSamples) / kSamples;
      const float v = (1.0f - u) * static_cast<float>((i * 11) % 17) / 17.0f;
      barycentric[i] = Point3(u, v, 1.0f - u - v);
    }
    sc.time = 2400;
  }
};

// The wire test as the map does it, written out by hand against the same block.
AColor InlinedEvalColor(IParamBlock* block, ShadeContext& sc) {
  const TimeValue t = sc.CurTime();
  Interval scratch = FOREVER;
  float width = 0.0f;
  block->GetValue(kWidthParam, t, width, scratch);
  const float half = width * 0.5f;
  const bool onWire =
      half > sc.BarycentricCoords().x || half > sc.BarycentricCoords().y || half > sc.BarycentricCoords().z;
  Color color;
  scratch = FOREVER;
  block->GetValue(onWire ? kWireColorParam : kCenterColorParam, t, color, scratch);
  return AColor(color, 1.0f);
}

void BM_FilameshEvalColor(benchmark::State& state) {
  WireScene scene(state.range(0) != 0);
  Texmap* map = scene.map;
  ShadeContext* sc = &scene.sc;
  benchmark::DoNotOptimize(sc);  // the renderer's shade context, of a type unknown here
  int i = 0;
  for (auto _ : state) {
    scene.sc.barycentric = scene.barycentric[i];
    i = (i + 1) % kSamples;
    benchmark::DoNotOptimize(map->EvalColor(*sc));
  }
}

void BM_FilameshEvalColorBaseline(benchmark::State& state) {
  WireScene scene(state.range(0) != 0);
  IParamBlock* block = scene.map->ParamBlock();
  ShadeContext* sc = &scene.sc;
  benchmark::DoNotOptimize(sc);
  int i = 0;
  for (auto _ : state) {
    scene.sc.barycentric = scene.barycentric[i];
    i = (i + 1) % kSamples;
    benchmark::DoNotOptimize(InlinedEvalColor(block, *sc));
  }
}

}  // namespace

BENCHMARK(BM_FilameshEvalColor)->ArgName("animatedWidth")->Arg(0)->Arg(1);
BENCHMARK(BM_FilameshEvalColorBaseline)->ArgName("animatedWidth")->Arg(0)->Arg(1);
