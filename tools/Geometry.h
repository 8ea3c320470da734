#pragma once
// The triangles of one frame in camera space, with a bounding-volume hierarchy for ray casts.
// Tracing neither allocates nor locks, so render threads share one Geometry.
#include <vector>

#include "host/Point3.h"
#include "tools/Mesh.h"

class Camera;

struct Hit {
  int triangle = -1;  // -1: nothing hit
  int object = -1;
  float distance = 0.0f;
  Point3 barycentric;  // weights of the triangle's three corners
};

class Geometry {
 public:
  // Appends `mesh` as object `object`, moved into camera space.
  void AddMesh(const Mesh& mesh, int object, const Camera& camera);
  // Builds the hierarchy; call once after the last AddMesh.
  void Build();

  // The nearest hit along the ray within (minDistance, maxDistance).
  Hit Nearest(const Point3& origin, const Point3& dir, float minDistance, float maxDistance) const;
  // Whether anything lies along the ray within (minDistance, maxDistance).
  bool Blocked(const Point3& origin, const Point3& dir, float minDistance, float maxDistance) const;

  // Interpolated surface values at a hit.
  Point3 Normal(const Hit& hit) const;
  Point3 MapCoords(const Hit& hit) const;
  // The point the lights see at a hit on the front of a surface: on a curved mesh, `point` lifted
  // off its flat triangle towards the smooth surface the corner normals describe, so that near the
  // shadow line a facet is not shadowed by its neighbours. Flat surfaces keep the point.
  Point3 LitPoint(const Hit& hit, const Point3& point) const;
  Point3 Corner(int triangle, int corner) const;

 private:
  struct Tri {
    int v[3];
    int object;
  };
  struct Node {
    Point3 low, high;
    int first = 0, count = 0;  // triangles of a leaf, in `order`
    int left = -1, right = -1;
  };
  int BuildNode(int first, int count);
  template <bool anyHit>
  Hit Cast(const Point3& origin, const Point3& dir, float minDistance, float maxDistance) const;

  std::vector<Point3> positions, normals, mapCoords;
  std::vector<Tri> tris;
  std::vector<int> order;
  std::vector<Node> nodes;
};
