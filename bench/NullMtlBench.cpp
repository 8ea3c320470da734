// NullMtl::Shade against the same measurement written out by hand, with 0, 1 and 4 lights.
#include <benchmark/benchmark.h>

#include "facetor/NullMtl.h"
#include "frame/AboutValues.h"
#include "host/Lights.h"
#include "host/SceneFile.h"

namespace {

const float kOneThird = FloatFromBits(0x3EAAAAABu);

struct ProbeScene {
  SceneHolder holder;
  NullMtl* mtl = new NullMtl(FALSE);
  FixedLight lights[4] = {
      {Color(1.0f, 0.9f, 0.8f), 0.7f},
      {Color(0.2f, 0.4f, 0.6f), 0.0f},
      {Color(0.5f, 0.5f, 0.5f), 0.3f, FALSE},
      {Color(-0.1f, 0.3f, 0.2f), 1.0f},
  };
  SampleShadeContext sc;

  explicit ProbeScene(int lightCount) {
    holder.Add(mtl);
    mtl->gbufID = 3;
    for (int i = 0; i < lightCount; ++i) sc.AddLight(&lights[i]);
    sc.normal = Point3(0.0f, 0.6f, 0.8f);
    sc.view = Point3(0.48f, 0.0f, -0.877f);
  }
};

// The probe's shade as the material does it, written out by hand.
void InlinedShade(int gbufID, ShadeContext& sc) {
  if (gbufID != 0) sc.SetGBufferID(gbufID);
  Point3 normal = sc.Normal();
  float sumR = 0.0f, sumG = 0.0f, sumB = 0.0f;
  for (int i = 0; i < sc.nLights; ++i) {
    Color color(0.0f, 0.0f, 0.0f);
    Point3 dir;
    float dotNL = 0.0f, diffuseCoef = 0.0f;
    if (sc.Light(i)->Illuminate(sc, normal, color, dir, dotNL, diffuseCoef) && diffuseCoef > 0.0f) {
      sumR += color.r * diffuseCoef;
      sumG += color.g * diffuseCoef;
      sumB += color.b * diffuseCoef;
    }
  }
  float level = (sumR + sumG + sumB) * kOneThird;
  if (!(level >= 0.0f)) level = -level;
  const Point3 n = sc.Normal();
  const Point3 v = sc.V();
  sc.out.c = Color((n.y * v.z - n.z * v.y + 1.0f) * 0.5f, (n.z * v.x - n.x * v.z + 1.0f) * 0.5f, level);
}

void BM_NullMtlShade(benchmark::State& state) {
  ProbeScene scene(static_cast<int>(state.range(0)));
  Mtl* mtl = scene.mtl;
  ShadeContext* sc = &scene.sc;
  benchmark::DoNotOptimize(sc);  // the renderer's shade context, of a type unknown here
  for (auto _ : state) {
    mtl->Shade(*sc);
    benchmark::DoNotOptimize(sc->out.c);
  }
}

void BM_NullMtlShadeBaseline(benchmark::State& state) {
  ProbeScene scene(static_cast<int>(state.range(0)));
  ShadeContext* sc = &scene.sc;
  benchmark::DoNotOptimize(sc);
  for (auto _ : state) {
    InlinedShade(scene.mtl->gbufID, *sc);
    benchmark::DoNotOptimize(sc->out.c);
  }
}

}  // namespace

BENCHMARK(BM_NullMtlShade)->ArgName("lights")->Arg(0)->Arg(1)->Arg(4);
BENCHMARK(BM_NullMtlShadeBaseline)->ArgName("lights")->Arg(0)->Arg(1)->Arg(4);
