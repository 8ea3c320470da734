#pragma once
// The scenes the host program renders: meshes, lights and a camera, with material slots that
// the caller fills.
#include <string>
#include <vector>

#include "host/Color.h"
#include "tools/Camera.h"
#include "tools/Mesh.h"

enum class LayoutId : int {
  kSample = 1,   // the material editor's sample sphere over a checker backdrop
  kShadow = 2,   // a box and a sphere (slot 1) on a ground plane (slot 0), two omni lights
  kObjects = 3,  // a sphere and a box on a grey ground, a directional and an omni light
  kPair = 4,     // two sample spheres side by side: slot 1 on the left, slot 0 on the right
};

constexpr int kCheckerBackdrop = -1;  // the slot of a surface the renderer shades itself

struct ObjectSpec {
  std::string name;
  Mesh mesh;
  int slot;  // material slot, or kCheckerBackdrop
};

struct LightSpec {
  bool omni;  // omni: `where` is a position; otherwise the direction the light travels
  Point3 where;
  Color color;
  float multiplier;
};

struct SceneLayout {
  LayoutId id;
  std::vector<ObjectSpec> objects;
  std::vector<LightSpec> lights;
  CameraSpec camera;
  Color background;
  int slots;  // material slots; slot 0 carries the plug-in
};

SceneLayout BuildLayout(LayoutId id);
const char* LayoutName(LayoutId id);
// False for an unknown name or number.
bool LayoutFromName(const std::string& name, LayoutId& id);
bool LayoutFromNumber(int number, LayoutId& id);
