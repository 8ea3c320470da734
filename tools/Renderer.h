#pragma once
// The stand-in for the host's scanline renderer: one frame of a scene layout with its materials.
#include <memory>
#include <vector>

#include "host/Lights.h"
#include "host/Materials.h"
#include "tools/Camera.h"
#include "tools/Geometry.h"
#include "tools/Image.h"
#include "tools/SceneLayout.h"

struct RenderSettings {
  int width = 320;
  int height = 240;
  TimeValue time = 0;
  int threads = 0;  // 0: one per core
};

// Told how many tiles are done; called on the calling thread only.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void TilesDone(int done, int total) = 0;
};

// Sub-samples per pixel for materials that ask for super-sampling: a fixed 3 × 3 grid.
constexpr int kSuperSampleGrid = 3;
constexpr int kTileSize = 16;

class Frame {
 public:
  // `materials` fills the layout's slots (a missing or null slot renders flat grey). The frame
  // does not own them.
  Frame(const SceneLayout& layout, const std::vector<Mtl*>& materials, const RenderSettings& settings);
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  // Brings every material up to date at the frame time, then renders the tiles on the threads.
  Image Render(ProgressSink* progress = nullptr);

  // The shade context the renderer gives the sample at image point (x, y), for inspection.
  // False when the point shows no surface with a material.
  bool Probe(float x, float y, SampleShadeContext& sc) const;
  const Camera& View() const { return camera; }
  int SamplesTaken() const { return samplesTaken; }

 private:
  void UpdateMaterials();
  void RenderTile(int tile, Image& image, int& samples) const;
  Color Sample(float x, float y, int& object) const;
  Color Shade(const Point3& dir, const Hit& hit) const;
  void FillContext(const Point3& dir, const Hit& hit, SampleShadeContext& sc) const;
  static bool ShadowTestOf(const void* scene, const Point3& point, const Point3& towardsLight,
                           float maxDistance);

  RenderSettings settings;
  Camera camera;
  Geometry geometry;
  Color background;
  std::vector<std::unique_ptr<LightDesc>> lights;
  std::vector<Mtl*> objectMaterials;  // per object; null for the backdrop or an empty slot
  std::vector<char> isBackdrop;
  std::vector<char> superSampled;
  std::vector<Mtl*> distinctMaterials;
  int samplesTaken = 0;
};

// Threads used when RenderSettings::threads is 0.
int DefaultThreadCount();
