#include "tools/Geometry.h"

#include <algorithm>

#include "tools/Camera.h"

namespace {

constexpr int kLeafSize = 4;
constexpr int kStackDepth = 64;

Point3 Min(const Point3& a, const Point3& b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
}
Point3 Max(const Point3& a, const Point3& b) {
  return {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
}

// A zero direction component gets a huge rather than an infinite inverse, so the slab test never
// multiplies zero by infinity.
float Inverse(float d) {
  if (d == 0.0f) return 1e30f;
  return 1.0f / d;
}

bool BoxHit(const Point3& low, const Point3& high, const Point3& origin, const Point3& inv, float tMin,
            float tMax) {
  for (int a = 0; a < 3; ++a) {
    float t0 = (low[a] - origin[a]) * inv[a];
    float t1 = (high[a] - origin[a]) * inv[a];
    if (t0 > t1) std::swap(t0, t1);
    if (t0 > tMin) tMin = t0;
    if (t1 < tMax) tMax = t1;
    if (tMin > tMax) return false;
  }
  return true;
}

}  // namespace

void Geometry::AddMesh(const Mesh& mesh, int object, const Camera& camera) {
  const int base = static_cast<int>(positions.size());
  for (std::size_t i = 0; i < mesh.positions.size(); ++i) {
    positions.push_back(camera.ToCameraSpace(mesh.positions[i]));
    normals.push_back(camera.DirectionToCameraSpace(mesh.normals[i]));
    mapCoords.push_back(mesh.mapCoords[i]);
  }
  for (const Triangle& f : mesh.faces)
    tris.push_back({{base + f.v[0], base + f.v[1], base + f.v[2]}, object});
}

void Geometry::Build() {
  order.resize(tris.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  nodes.clear();
  nodes.reserve(tris.size() * 2 / kLeafSize + 1);
  if (!tris.empty()) BuildNode(0, static_cast<int>(tris.size()));
}

int Geometry::BuildNode(int first, int count) {
  const int index = static_cast<int>(nodes.size());
  nodes.emplace_back();
  Point3 low = positions[tris[order[first]].v[0]];
  Point3 high = low;
  Point3 cLow(1e30f, 1e30f, 1e30f), cHigh(-1e30f, -1e30f, -1e30f);
  for (int i = first; i < first + count; ++i) {
    const Tri& t = tris[order[i]];
    Point3 centroid;
    for (int k : t.v) {
      low = Min(low, positions[k]);
      high = Max(high, positions[k]);
      centroid += positions[k];
    }
    cLow = Min(cLow, centroid);
    cHigh = Max(cHigh, centroid);
  }
  nodes[index].low = low;
  nodes[index].high = high;
  if (count <= kLeafSize) {
    nodes[index].first = first;
    nodes[index].count = count;
    return index;
  }
  // Median split on the widest axis of the centroids; ties broken by triangle number, so the
  // tree is the same on every platform.
  const Point3 extent = cHigh - cLow;
  const int axis = extent.x >= extent.y && extent.x >= extent.z ? 0 : (extent.y >= extent.z ? 1 : 2);
  auto key = [&](int t) {
    const Tri& tri = tris[t];
    return positions[tri.v[0]][axis] + positions[tri.v[1]][axis] + positions[tri.v[2]][axis];
  };
  const int half = count / 2;
  std::stable_sort(order.begin() + first, order.begin() + first + count, [&](int a, int b) {
    const float ka = key(a), kb = key(b);
    return ka < kb || (ka == kb && a < b);
  });
  const int left = BuildNode(first, half);
  const int right = BuildNode(first + half, count - half);
  nodes[index].left = left;
  nodes[index].right = right;
  return index;
}

template <bool anyHit>
Hit Geometry::Cast(const Point3& origin, const Point3& dir, float minDistance, float maxDistance) const {
  Hit best;
  if (nodes.empty()) return best;
  const Point3 inv(Inverse(dir.x), Inverse(dir.y), Inverse(dir.z));
  float limit = maxDistance;
  int stack[kStackDepth];
  int top = 0;
  stack[top++] = 0;
  while (top > 0) {
    const Node& node = nodes[stack[--top]];
    if (!BoxHit(node.low, node.high, origin, inv, minDistance, limit)) continue;
    if (node.left >= 0) {
      // A balanced tree over any mesh we build stays far below the stack depth.
      if (top + 2 > kStackDepth) continue;
      stack[top++] = node.right;
      stack[top++] = node.left;
      continue;
    }
    for (int i = node.first; i < node.first + node.count; ++i) {
      const Tri& tri = tris[order[i]];
      const Point3& p0 = positions[tri.v[0]];
      const Point3 e1 = positions[tri.v[1]] - p0;
      const Point3 e2 = positions[tri.v[2]] - p0;
      const Point3 pv = dir ^ e2;
      const float det = e1 % pv;
      if (det == 0.0f) continue;
      const float invDet = 1.0f / det;
      const Point3 tv = origin - p0;
      const float u = (tv % pv) * invDet;
      if (u < 0.0f || u > 1.0f) continue;
      const Point3 qv = tv ^ e1;
      const float v = (dir % qv) * invDet;
      if (v < 0.0f || u + v > 1.0f) continue;
      const float t = (e2 % qv) * invDet;
      if (!(t > minDistance && t < limit)) continue;
      best.triangle = order[i];
      best.object = tri.object;
      best.distance = t;
      best.barycentric = Point3(1.0f - u - v, u, v);
      if (anyHit) return best;
      limit = t;
    }
  }
  return best;
}

Hit Geometry::Nearest(const Point3& origin, const Point3& dir, float minDistance, float maxDistance) const {
  return Cast<false>(origin, dir, minDistance, maxDistance);
}

bool Geometry::Blocked(const Point3& origin, const Point3& dir, float minDistance, float maxDistance) const {
  return Cast<true>(origin, dir, minDistance, maxDistance).triangle >= 0;
}

Point3 Geometry::Normal(const Hit& hit) const {
  const Tri& t = tris[hit.triangle];
  const Point3& b = hit.barycentric;
  return Normalize(normals[t.v[0]] * b.x + normals[t.v[1]] * b.y + normals[t.v[2]] * b.z);
}

Point3 Geometry::MapCoords(const Hit& hit) const {
  const Tri& t = tris[hit.triangle];
  const Point3& b = hit.barycentric;
  return mapCoords[t.v[0]] * b.x + mapCoords[t.v[1]] * b.y + mapCoords[t.v[2]] * b.z;
}

Point3 Geometry::LitPoint(const Hit& hit, const Point3& point) const {
  const Tri& t = tris[hit.triangle];
  const float weights[3] = {hit.barycentric.x, hit.barycentric.y, hit.barycentric.z};
  Point3 lifted = point;
  for (int k = 0; k < 3; ++k) {
    // Below the tangent plane at a corner, move up to it, by that corner's weight.
    const Point3& n = normals[t.v[k]];
    const float below = (point - positions[t.v[k]]) % n;
    if (below < 0.0f) lifted = lifted - n * (below * weights[k]);
  }
  return lifted;
}

Point3 Geometry::Corner(int triangle, int corner) const { return positions[tris[triangle].v[corner]]; }
