#include "bench/PenumbrixBenchMaps.h"

namespace {
class ConstMap : public Texmap {
 public:
  explicit ConstMap(const AColor& c) : color(c) {}
  AColor color;
  AColor EvalColor(ShadeContext&) override { return color; }
  Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(); }
  void Update(TimeValue, Interval&) override {}
  void Reset() override {}
  Interval Validity(TimeValue) override { return FOREVER; }
  ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }
};
}  // namespace

Texmap* NewConstMap(const AColor& c) { return new ConstMap(c); }
