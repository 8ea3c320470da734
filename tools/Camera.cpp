#include "tools/Camera.h"

Camera::Camera(const CameraSpec& spec, int width, int height)
    : eye(spec.eye),
      halfWidth(static_cast<float>(width) * 0.5f),
      halfHeight(static_cast<float>(height) * 0.5f),
      pixelSize(spec.zoom / (static_cast<float>(height) * 0.5f)) {
  const Point3 forward = Normalize(spec.target - spec.eye);
  right = Normalize(forward ^ spec.up);
  up = right ^ forward;
  back = -forward;
}

Point3 Camera::DirectionToCameraSpace(const Point3& d) const { return {d % right, d % up, d % back}; }

Point3 Camera::ToCameraSpace(const Point3& world) const { return DirectionToCameraSpace(world - eye); }

Point3 Camera::RayThrough(float x, float y) const {
  return Normalize(Point3((x - halfWidth) * pixelSize, (halfHeight - y) * pixelSize, -1.0f));
}

bool Camera::Project(const Point3& world, float& x, float& y) const {
  const Point3 p = ToCameraSpace(world);
  if (!(p.z < 0.0f)) return false;
  x = halfWidth + (p.x / -p.z) / pixelSize;
  y = halfHeight - (p.y / -p.z) / pixelSize;
  return true;
}
