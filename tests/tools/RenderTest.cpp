// Renders of the real modules, checked at pixels whose geometry and lighting are known.
#include <gtest/gtest.h>

#include <cmath>

#include "RenderTestSupport.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

JobSpec Spec(const char* plugin, LayoutId layout, std::vector<std::string> sets,
             MapSlot slot = MapSlot::kFlat) {
  JobSpec spec;
  spec.plugin = plugin;
  spec.hasLayout = true;
  spec.layout = layout;
  spec.hasSlot = true;
  spec.slot = slot;
  spec.sets = std::move(sets);
  spec.width = kWidth;
  spec.height = kHeight;
  return spec;
}

// The pixel that shows a world point.
bool PixelOf(const Frame& frame, const Point3& world, int& x, int& y) {
  float fx = 0.0f, fy = 0.0f;
  if (!frame.View().Project(world, fx, fy)) return false;
  x = static_cast<int>(std::floor(fx));
  y = static_cast<int>(std::floor(fy));
  return x >= 0 && y >= 0 && x < kWidth && y < kHeight;
}

Point3 AtBarycentric(const Mesh& mesh, const Triangle& t, const Point3& b) {
  return mesh.positions[t.v[0]] * b.x + mesh.positions[t.v[1]] * b.y + mesh.positions[t.v[2]] * b.z;
}

void ExpectColor(const Color& c, const Color& expected, const char* what) {
  EXPECT_FLOAT_EQ(c.r, expected.r) << what;
  EXPECT_FLOAT_EQ(c.g, expected.g) << what;
  EXPECT_FLOAT_EQ(c.b, expected.b) << what;
}

// What each light of the sample answers.
struct LightAnswers {
  int reaching = 0;
  float smallestCoef = 1e30f;
  float level = 0.0f;  // |mean of colour × weight| over the lights that reach with weight > 0
};
LightAnswers AskLights(SampleShadeContext& sc) {
  LightAnswers a;
  float r = 0.0f, g = 0.0f, b = 0.0f;
  for (int i = 0; i < sc.nLights; ++i) {
    Point3 n = sc.Normal();
    Color c;
    Point3 dir;
    float dot = 0.0f, coef = 0.0f;
    if (!sc.Light(i)->Illuminate(sc, n, c, dir, dot, coef)) continue;
    ++a.reaching;
    a.smallestCoef = std::min(a.smallestCoef, coef);
    if (coef > 0.0f) r += c.r * coef, g += c.g * coef, b += c.b * coef;
  }
  a.level = std::fabs(((r + g) + b) * 0.33333334f);
  return a;
}

}  // namespace

// Wires on every triangle edge, the quad diagonals included; the centre colour inside.
TEST(Render, FilameshWireOnEdgesAndCentreAtCentroids) {
  auto r = RenderSpec(
      Spec("Filamesh", LayoutId::kObjects, {"Width=0.3", "Wire Color=1,0,0", "Center Color=0,1,0"}));
  ASSERT_NE(r->job, nullptr);
  const SceneLayout layout = BuildLayout(LayoutId::kObjects);
  const int box = 1;
  const Mesh& mesh = layout.objects[box].mesh;
  // The box's side facing the camera (−y) is the fourth quad; its first triangle runs a, b, d,
  // with the quad's diagonal from a to d.
  const Triangle& t = mesh.faces[6];
  struct Case {
    const char* what;
    Point3 barycentric;
    Color expected;
  };
  const Case cases[] = {
      {"centroid", Point3(1.0f / 3, 1.0f / 3, 1.0f / 3), Color(0, 1, 0)},
      {"diagonal", Point3(0.5f, 0.0f, 0.5f), Color(1, 0, 0)},
      {"outer edge, inside", Point3(0.45f, 0.45f, 0.1f), Color(1, 0, 0)},
  };
  for (const Case& c : cases) {
    int x = 0, y = 0;
    ASSERT_TRUE(PixelOf(*r->frame, AtBarycentric(mesh, t, c.barycentric), x, y)) << c.what;
    EXPECT_EQ(r->image.ObjectAt(x, y), box) << c.what;
    ExpectColor(r->image.At(x, y), c.expected, c.what);
  }
}

// Dark where no light reaches, Lit where both arrive well above the Lit threshold.
TEST(Render, PenumbrixDarkInShadowLitInLight) {
  const Color dark(0.0f, 0.0f, 1.0f), lit(1.0f, 1.0f, 0.0f);
  auto r =
      RenderSpec(Spec("Penumbrix", LayoutId::kShadow, {"Color 1=0,0,1", "Color 2=1,1,0", "#0=0", "#1=0.05"}));
  ASSERT_NE(r->job, nullptr);
  int shadowed = 0, litPixels = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      SampleShadeContext sc;
      if (r->image.ObjectAt(x, y) != 0 || !r->frame->Probe(x + 0.5f, y + 0.5f, sc)) continue;
      const LightAnswers a = AskLights(sc);
      if (a.reaching == 0) {
        ++shadowed;
        ExpectColor(r->image.At(x, y), dark, "in shadow");
      } else if (a.reaching == 2 && a.smallestCoef > 0.2f) {
        ++litPixels;
        ExpectColor(r->image.At(x, y), lit, "in light");
      }
      if (HasFailure()) return;
    }
  }
  EXPECT_GT(shadowed, 50);
  EXPECT_GT(litPixels, 1000);
}

// Blue carries the light level at the sample, red and green the orientation.
TEST(Render, FacetorBlueIsTheLightLevel) {
  auto r = RenderSpec(Spec("Facetor Material", LayoutId::kObjects, {}));
  ASSERT_NE(r->job, nullptr);
  const SceneLayout layout = BuildLayout(LayoutId::kObjects);
  const Mesh& box = layout.objects[1].mesh;
  // The box top (fifth quad): lit straight down by the directional light at full weight.
  int x = 0, y = 0;
  ASSERT_TRUE(PixelOf(*r->frame, AtBarycentric(box, box.faces[8], Point3(0.3f, 0.3f, 0.4f)), x, y));
  SampleShadeContext sc;
  ASSERT_TRUE(r->frame->Probe(x + 0.5f, y + 0.5f, sc));
  const LightAnswers a = AskLights(sc);
  EXPECT_EQ(a.reaching, 2);
  EXPECT_FLOAT_EQ(r->image.At(x, y).b, a.level);
  EXPECT_GT(a.level, 0.5f);  // the directional light alone gives 0.5
  const Point3 c = sc.Normal() ^ sc.V();
  EXPECT_FLOAT_EQ(r->image.At(x, y).r, (c.x + 1.0f) * 0.5f);
  EXPECT_FLOAT_EQ(r->image.At(x, y).g, (c.y + 1.0f) * 0.5f);
}

// No channel of the clamped sphere above its high limit; the unclamped source goes above.
TEST(Render, ClampKeepsEveryChannelUnderTheHighLimit) {
  auto r = RenderSpec(Spec("Color Clamp", LayoutId::kPair, {"#3=150", "#4=120", "#5=100", "#7=1"}));
  ASSERT_NE(r->job, nullptr);
  const float limit[3] = {150.0f * (1.0f / 255.0f), 120.0f * (1.0f / 255.0f), 100.0f * (1.0f / 255.0f)};
  const int clamped = 0, source = 1;
  int clampedPixels = 0, sourceAbove = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Color& c = r->image.At(x, y);
      if (r->image.ObjectAt(x, y) == clamped) {
        ++clampedPixels;
        for (int k = 0; k < 3; ++k) ASSERT_LE(c[k], limit[k]) << "channel " << k << " at " << x << "," << y;
      } else if (r->image.ObjectAt(x, y) == source && (c.r > limit[0] || c.g > limit[1] || c.b > limit[2])) {
        ++sourceAbove;
      }
    }
  }
  EXPECT_GT(clampedPixels, 1000);
  EXPECT_GT(sourceAbove, 100);
}

// Tiles land in the same pixels whatever the number of threads, super-sampled or not.
TEST(Render, SameImageOnOneOrManyThreads) {
  for (const char* plugin : {"Filamesh", "Penumbrix"}) {
    JobSpec spec = Spec(plugin, LayoutId::kShadow, {}, MapSlot::kDiffuse);
    spec.width = 96;
    spec.height = 72;
    auto one = RenderSpec(spec, 1);
    auto many = RenderSpec(spec, 4);
    ASSERT_NE(one->job, nullptr);
    ASSERT_NE(many->job, nullptr);
    EXPECT_TRUE(one->image.pixels == many->image.pixels) << plugin;
    EXPECT_TRUE(one->image.objects == many->image.objects) << plugin;
  }
}

// Options that name no parameter, or give a value of the wrong type, stop the job.
TEST(Render, BadParameterAssignmentsAreRefused) {
  struct Case {
    const char* plugin;
    const char* assignment;
    const char* errorPart;
  };
  const Case cases[] = {
      {"Penumbrix", "Dark=0.2", "give one by index"},  // two parameters are called "Dark"
      {"Filamesh", "Thickness=1", "no parameter named"},
      {"Filamesh", "Width=thick", "is not a float value"},
      {"Filamesh", "Wire Color=1,0", "is not a color value"},
      {"Filamesh", "#9=1", "no parameter #9"},
      {"Facetor Material", "Width=1", "has no block parameters"},
  };
  for (const Case& c : cases) {
    SceneHolder holder;
    std::string error;
    JobSpec spec = Spec(c.plugin, LayoutId::kSample, {c.assignment});
    EXPECT_EQ(BuildJob(RealModules(), spec, holder, error), nullptr) << c.assignment;
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.assignment << ": " << error;
  }
}
