#include "tools/SceneLayout.h"

namespace {

struct LayoutName {
  LayoutId id;
  const char* name;
};
constexpr LayoutName kLayoutNames[] = {
    {LayoutId::kSample, "sample"},
    {LayoutId::kShadow, "shadow"},
    {LayoutId::kObjects, "objects"},
    {LayoutId::kPair, "pair"},
};

// The material editor's sample sphere: fine enough to look round, coarse enough that its quads
// and their diagonals show under a wire map.
constexpr int kSphereRings = 16;
constexpr int kSphereSegments = 24;

const Color kBackground(0.18f, 0.19f, 0.21f);

ObjectSpec Backdrop(float distance, float width, float height) {
  return {"backdrop",
          MakePlane(Point3(0.0f, distance, 0.0f), Point3(width, 0.0f, 0.0f), Point3(0.0f, 0.0f, height), 1),
          kCheckerBackdrop};
}

ObjectSpec Ground(float size, int slot) {
  return {"ground", MakePlane(Point3(), Point3(size, 0.0f, 0.0f), Point3(0.0f, size, 0.0f), 4), slot};
}

// Key light high at the front left, fill low at the right, as the material editor lights its
// samples.
void SampleLights(SceneLayout& s) {
  s.lights.push_back({true, Point3(-4.0f, -5.0f, 5.0f), Color(1.0f, 1.0f, 1.0f), 1.0f});
  s.lights.push_back({true, Point3(3.0f, -6.0f, -0.5f), Color(0.55f, 0.6f, 0.7f), 0.6f});
}

}  // namespace

SceneLayout BuildLayout(LayoutId id) {
  SceneLayout s;
  s.id = id;
  s.background = kBackground;
  switch (id) {
    case LayoutId::kSample:
      s.slots = 1;
      s.objects.push_back({"sphere", MakeSphere(Point3(), 1.0f, kSphereRings, kSphereSegments), 0});
      s.objects.push_back(Backdrop(2.0f, 10.0f, 8.0f));
      SampleLights(s);
      s.camera = {Point3(0.0f, -4.2f, 0.6f), Point3(0.0f, 0.0f, 0.0f), Point3(0.0f, 0.0f, 1.0f), 0.32f};
      break;
    case LayoutId::kPair:
      s.slots = 2;
      s.objects.push_back(
          {"right sphere", MakeSphere(Point3(1.15f, 0.0f, 0.0f), 1.0f, kSphereRings, kSphereSegments), 0});
      s.objects.push_back(
          {"left sphere", MakeSphere(Point3(-1.15f, 0.0f, 0.0f), 1.0f, kSphereRings, kSphereSegments), 1});
      s.objects.push_back(Backdrop(2.0f, 14.0f, 8.0f));
      SampleLights(s);
      s.camera = {Point3(0.0f, -5.6f, 0.6f), Point3(0.0f, 0.0f, 0.0f), Point3(0.0f, 0.0f, 1.0f), 0.3f};
      break;
    case LayoutId::kShadow:
      s.slots = 2;
      s.objects.push_back(Ground(12.0f, 0));
      s.objects.push_back({"box", MakeBox(Point3(-1.4f, -0.6f, 0.0f), Point3(-0.2f, 0.6f, 1.6f)), 1});
      s.objects.push_back(
          {"sphere", MakeSphere(Point3(1.2f, 0.4f, 0.8f), 0.8f, kSphereRings, kSphereSegments), 1});
      // Two lights apart: where one is blocked and the other not lies the penumbra.
      s.lights.push_back({true, Point3(-4.5f, -1.5f, 3.5f), Color(1.0f, 1.0f, 1.0f), 0.6f});
      s.lights.push_back({true, Point3(4.0f, -2.5f, 4.0f), Color(1.0f, 1.0f, 1.0f), 0.6f});
      s.camera = {Point3(0.5f, -7.0f, 4.0f), Point3(0.0f, 0.6f, 0.4f), Point3(0.0f, 0.0f, 1.0f), 0.36f};
      break;
    case LayoutId::kObjects:
      s.slots = 2;
      s.objects.push_back(Ground(12.0f, 1));
      s.objects.push_back({"box", MakeBox(Point3(-2.0f, -0.7f, 0.0f), Point3(-0.4f, 0.9f, 1.6f)), 0});
      s.objects.push_back(
          {"sphere", MakeSphere(Point3(1.1f, 0.0f, 1.0f), 1.0f, kSphereRings, kSphereSegments), 0});
      // Straight down, so that a level surface gets the light at full weight.
      s.lights.push_back({false, Point3(0.0f, 0.0f, -1.0f), Color(0.5f, 0.5f, 0.5f), 1.0f});
      s.lights.push_back({true, Point3(3.5f, -6.0f, 4.0f), Color(0.8f, 0.75f, 0.7f), 0.8f});
      s.camera = {Point3(1.5f, -7.0f, 4.2f), Point3(-0.2f, 0.2f, 0.7f), Point3(0.0f, 0.0f, 1.0f), 0.4f};
      break;
  }
  return s;
}

const char* LayoutName(LayoutId id) {
  for (const auto& n : kLayoutNames) {
    if (n.id == id) return n.name;
  }
  return "?";
}

bool LayoutFromName(const std::string& name, LayoutId& id) {
  for (const auto& n : kLayoutNames) {
    if (name == n.name) {
      id = n.id;
      return true;
    }
  }
  return false;
}

bool LayoutFromNumber(int number, LayoutId& id) {
  for (const auto& n : kLayoutNames) {
    if (static_cast<int>(n.id) == number) {
      id = n.id;
      return true;
    }
  }
  return false;
}
