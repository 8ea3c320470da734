#include "tools/Renderer.h"

#include <atomic>
#include <cmath>
#include <thread>

namespace {

// Shadow rays start and end this far off their surfaces, so a surface does not shadow itself.
constexpr float kShadowBias = 1e-3f;
const Color kCheckerDark(0.22f, 0.22f, 0.24f);
const Color kCheckerLight(0.52f, 0.52f, 0.55f);
const Color kNoMaterial(0.5f, 0.5f, 0.5f);
constexpr float kCheckerSquares = 10.0f;

Color Checker(const Point3& uvw) {
  const int u = static_cast<int>(std::floor(uvw.x * kCheckerSquares));
  const int v = static_cast<int>(std::floor(uvw.y * kCheckerSquares));
  return ((u + v) & 1) != 0 ? kCheckerLight : kCheckerDark;
}

}  // namespace

int DefaultThreadCount() {
  const unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1 : static_cast<int>(n);
}

Frame::Frame(const SceneLayout& layout, const std::vector<Mtl*>& materials, const RenderSettings& settings)
    : settings(settings),
      camera(layout.camera, settings.width, settings.height),
      background(layout.background) {
  int object = 0;
  for (const ObjectSpec& spec : layout.objects) {
    geometry.AddMesh(spec.mesh, object++, camera);
    const bool backdrop = spec.slot == kCheckerBackdrop;
    Mtl* m = nullptr;
    if (!backdrop && spec.slot >= 0 && static_cast<std::size_t>(spec.slot) < materials.size())
      m = materials[spec.slot];
    objectMaterials.push_back(m);
    isBackdrop.push_back(backdrop ? 1 : 0);
    superSampled.push_back(0);
    bool seen = m == nullptr;
    for (Mtl* d : distinctMaterials) seen = seen || d == m;
    if (!seen) distinctMaterials.push_back(m);
  }
  geometry.Build();
  for (const LightSpec& l : layout.lights) {
    if (l.omni) {
      auto light = std::make_unique<OmniLight>();
      light->position = camera.ToCameraSpace(l.where);
      light->color = l.color;
      light->multiplier = l.multiplier;
      light->shadowTest = &Frame::ShadowTestOf;
      light->shadowScene = &geometry;
      lights.push_back(std::move(light));
    } else {
      auto light = std::make_unique<DirectLight>();
      light->direction = camera.DirectionToCameraSpace(l.where);
      light->color = l.color;
      light->multiplier = l.multiplier;
      light->shadowTest = &Frame::ShadowTestOf;
      light->shadowScene = &geometry;
      lights.push_back(std::move(light));
    }
  }
}

bool Frame::ShadowTestOf(const void* scene, const Point3& point, const Point3& towardsLight,
                         float maxDistance) {
  const auto* g = static_cast<const Geometry*>(scene);
  return g->Blocked(point, towardsLight, kShadowBias, maxDistance - kShadowBias);
}

// Only Update and the requirements run here: the first samples after Update are taken on the
// render threads, as under the host, so whatever a material builds lazily on first use is built
// there.
void Frame::UpdateMaterials() {
  for (Mtl* m : distinctMaterials) {
    Interval valid = FOREVER;
    m->Update(settings.time, valid);
  }
  for (std::size_t i = 0; i < objectMaterials.size(); ++i) {
    Mtl* m = objectMaterials[i];
    superSampled[i] = m != nullptr && (m->Requirements(0) & MTLREQ_SUPERSAMPLE) != 0 ? 1 : 0;
  }
}

void Frame::FillContext(const Point3& dir, const Hit& hit, SampleShadeContext& sc) const {
  sc.time = settings.time;
  sc.barycentric = hit.barycentric;
  sc.view = dir;
  sc.point = dir * hit.distance;
  Point3 n = geometry.Normal(hit);
  if (n % dir > 0.0f) {
    n = -n;
    sc.backFace = TRUE;
  } else {
    sc.point = geometry.LitPoint(hit, sc.point);
  }
  sc.normal = n;
  sc.mtlNum = 0;
  for (const auto& light : lights) sc.AddLight(light.get());
}

Color Frame::Shade(const Point3& dir, const Hit& hit) const {
  if (hit.triangle < 0) return background;
  if (isBackdrop[hit.object] != 0) return Checker(geometry.MapCoords(hit));
  Mtl* m = objectMaterials[hit.object];
  if (m == nullptr) return kNoMaterial;
  SampleShadeContext sc;
  FillContext(dir, hit, sc);
  m->Shade(sc);
  return sc.out.c;
}

Color Frame::Sample(float x, float y, int& object) const {
  const Point3 dir = camera.RayThrough(x, y);
  const Hit hit = geometry.Nearest(Point3(), dir, 0.0f, 1e30f);
  object = hit.triangle < 0 ? kNoObject : hit.object;
  return Shade(dir, hit);
}

bool Frame::Probe(float x, float y, SampleShadeContext& sc) const {
  const Point3 dir = camera.RayThrough(x, y);
  const Hit hit = geometry.Nearest(Point3(), dir, 0.0f, 1e30f);
  if (hit.triangle < 0 || objectMaterials[hit.object] == nullptr) return false;
  FillContext(dir, hit, sc);
  return true;
}

void Frame::RenderTile(int tile, Image& image, int& samples) const {
  const int tilesAcross = (settings.width + kTileSize - 1) / kTileSize;
  const int x0 = (tile % tilesAcross) * kTileSize;
  const int y0 = (tile / tilesAcross) * kTileSize;
  constexpr float kStep = 1.0f / kSuperSampleGrid;
  constexpr float kWeight = 1.0f / (kSuperSampleGrid * kSuperSampleGrid);
  for (int y = y0; y < y0 + kTileSize && y < settings.height; ++y) {
    for (int x = x0; x < x0 + kTileSize && x < settings.width; ++x) {
      const float fx = static_cast<float>(x);
      const float fy = static_cast<float>(y);
      int object = kNoObject;
      Color c = Sample(fx + 0.5f, fy + 0.5f, object);
      ++samples;
      if (object >= 0 && superSampled[object] != 0) {
        // The centre of the grid is the sample just taken; the sum runs in grid order.
        const int centreObject = object;
        const Color centre = c;
        c = Color();
        for (int j = 0; j < kSuperSampleGrid; ++j) {
          for (int i = 0; i < kSuperSampleGrid; ++i) {
            const float sx = fx + (static_cast<float>(i) + 0.5f) * kStep;
            const float sy = fy + (static_cast<float>(j) + 0.5f) * kStep;
            int sub = centreObject;
            if (2 * i + 1 == kSuperSampleGrid && 2 * j + 1 == kSuperSampleGrid) {
              c += centre;
            } else {
              c += Sample(sx, sy, sub);
              ++samples;
            }
            if (sub != centreObject) object = kMixedPixel;
          }
        }
        c *= kWeight;
      }
      const std::size_t index = static_cast<std::size_t>(y) * settings.width + x;
      image.pixels[index] = c;
      image.objects[index] = object;
    }
  }
}

Image Frame::Render(ProgressSink* progress) {
  UpdateMaterials();
  Image image;
  image.Resize(settings.width, settings.height);
  const int tilesAcross = (settings.width + kTileSize - 1) / kTileSize;
  const int tilesDown = (settings.height + kTileSize - 1) / kTileSize;
  const int total = tilesAcross * tilesDown;
  const int threads = settings.threads > 0 ? settings.threads : DefaultThreadCount();
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  std::atomic<int> samples{0};
  auto work = [&](bool reporting) {
    int mine = 0;
    for (int tile = next++; tile < total; tile = next++) {
      RenderTile(tile, image, mine);
      const int finished = ++done;
      if (reporting && progress != nullptr) progress->TilesDone(finished, total);
    }
    samples += mine;
  };
  std::vector<std::thread> workers;
  for (int i = 1; i < threads; ++i) workers.emplace_back(work, false);
  work(true);
  for (std::thread& t : workers) t.join();
  if (progress != nullptr) progress->TilesDone(total, total);
  samplesTaken = samples;
  return image;
}
