#pragma once
// A pinhole camera. Rendering happens in camera space: the eye at the origin, looking down −z,
// y up, as the shade context's P() expects.
#include "host/Point3.h"

struct CameraSpec {
  Point3 eye;
  Point3 target;
  Point3 up{0.0f, 0.0f, 1.0f};
  float zoom = 0.4f;  // half the image height on the image plane at distance 1
};

class Camera {
 public:
  Camera(const CameraSpec& spec, int width, int height);

  Point3 ToCameraSpace(const Point3& world) const;
  Point3 DirectionToCameraSpace(const Point3& world) const;
  // Unit direction through the image point (x, y) in pixels, y down.
  Point3 RayThrough(float x, float y) const;
  // The image point of a world point in pixels; false behind the eye.
  bool Project(const Point3& world, float& x, float& y) const;

 private:
  Point3 eye, right, up, back;
  float halfWidth, halfHeight, pixelSize;
};
