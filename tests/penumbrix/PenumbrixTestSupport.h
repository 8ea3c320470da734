#pragma once
// Fixtures shared by the Penumbrix tests: owned maps, stub sub-maps, a recording panel and
// lights that give a chosen light level.
#include <memory>
#include <vector>

#include "host/Lights.h"
#include "host/Materials.h"
#include "penumbrix/Penumbrix.h"
#include "penumbrix/PenumbrixPanel.h"

struct DeleteThisDeleter {
  void operator()(Animatable* a) const {
    if (a != nullptr) a->DeleteThis();
  }
};
using MapPtr = std::unique_ptr<Penumbrix, DeleteThisDeleter>;
inline MapPtr NewMap() { return MapPtr(new Penumbrix()); }

// A sub-map answering fixed values and counting how often each side was evaluated.
class StubMap : public Texmap {
 public:
  explicit StubMap(const AColor& c = AColor(0.25f, 0.5f, 0.75f, 0.5f), float mono = 0.6f,
                   const Point3& perturb = Point3(1.0f, 2.0f, 3.0f))
      : color(c), mono(mono), perturb(perturb) {}
  AColor color;
  float mono;
  Point3 perturb;
  int colorCalls = 0;
  int monoCalls = 0;
  int perturbCalls = 0;
  int updates = 0;

  AColor EvalColor(ShadeContext&) override {
    ++colorCalls;
    return color;
  }
  float EvalMono(ShadeContext&) override {
    ++monoCalls;
    return mono;
  }
  Point3 EvalNormalPerturb(ShadeContext&) override {
    ++perturbCalls;
    return perturb;
  }
  void Update(TimeValue, Interval&) override { ++updates; }
  void Reset() override {}
  Interval Validity(TimeValue) override { return FOREVER; }
  ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }
  RefTargetHandle Clone(RemapDir&) override { return new StubMap(color, mono, perturb); }
  int Evaluations() const { return colorCalls + monoCalls + perturbCalls; }
};

// Records what the map asks of its panel.
class RecordingPanel : public PenumbrixPanel {
 public:
  int redraws = 0;
  int invalidations = 0;
  int buttonRefreshes = 0;
  std::vector<float> lowShown, highShown;
  std::vector<std::pair<int, int>> amountsShown;
  void RedrawCurve() override { ++redraws; }
  void InvalidateControls() override { ++invalidations; }
  void RefreshMapButtons(bool) override { ++buttonRefreshes; }
  void ShowLowThreshold(float v) override { lowShown.push_back(v); }
  void ShowHighThreshold(float v) override { highShown.push_back(v); }
  void ShowAmount(int side, int percent) override { amountsShown.emplace_back(side, percent); }
};

// A sample lit by grey lights; each light of grey g at weight 1 adds g to the level
// (up to the rounding of the single-precision third).
class LitSample {
 public:
  explicit LitSample(std::vector<FixedLight> lightList = {}) : lights(std::move(lightList)) { Rebind(); }
  LitSample(const LitSample&) = delete;
  LitSample& operator=(const LitSample&) = delete;
  static LitSample AtLevel(float level) { return LitSample({FixedLight(Color(level, level, level), 1.0f)}); }
  SampleShadeContext& sc() { return context; }
  std::vector<FixedLight> lights;

 private:
  void Rebind() {
    context.ClearLights();
    for (FixedLight& l : lights) context.AddLight(&l);
  }
  SampleShadeContext context;
};
