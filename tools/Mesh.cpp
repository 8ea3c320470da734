#include "tools/Mesh.h"

#include "tools/ExactTrig.h"

int Mesh::AddVertex(const Point3& p, const Point3& n, const Point3& uvw) {
  positions.push_back(p);
  normals.push_back(n);
  mapCoords.push_back(uvw);
  return static_cast<int>(positions.size()) - 1;
}

void Mesh::AddQuad(int a, int b, int c, int d) {
  faces.push_back({{a, b, c}});
  faces.push_back({{a, c, d}});
}

Mesh MakeSphere(const Point3& centre, float radius, int rings, int segments) {
  Mesh mesh;
  // Rows of vertices from the north pole (z up) to the south pole; the seam column is doubled so
  // that mapping coordinates run 0 … 1 around.
  for (int ring = 0; ring <= rings; ++ring) {
    double sinPolar = 0.0;
    double cosPolar = 0.0;
    SinCosTurns(0.5 * ring / rings, sinPolar, cosPolar);
    for (int seg = 0; seg <= segments; ++seg) {
      double sinAz = 0.0;
      double cosAz = 0.0;
      SinCosTurns(static_cast<double>(seg) / segments, sinAz, cosAz);
      const Point3 n(static_cast<float>(sinPolar * cosAz), static_cast<float>(sinPolar * sinAz),
                     static_cast<float>(cosPolar));
      const Point3 uvw(static_cast<float>(seg) / static_cast<float>(segments),
                       1.0f - static_cast<float>(ring) / static_cast<float>(rings), 0.0f);
      mesh.AddVertex(centre + n * radius, n, uvw);
    }
  }
  const int row = segments + 1;
  for (int ring = 0; ring < rings; ++ring) {
    for (int seg = 0; seg < segments; ++seg) {
      const int a = ring * row + seg;
      const int b = a + row;
      const int c = b + 1;
      const int d = a + 1;
      if (ring == 0) {
        mesh.faces.push_back({{a, b, c}});
      } else if (ring == rings - 1) {
        mesh.faces.push_back({{a, b, d}});
      } else {
        mesh.AddQuad(a, b, c, d);
      }
    }
  }
  return mesh;
}

Mesh MakeBox(const Point3& low, const Point3& high) {
  Mesh mesh;
  struct Side {
    Point3 normal, u, v;
  };
  const Point3 size = high - low;
  const Point3 mid = (low + high) * 0.5f;
  const Side sides[6] = {
      {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},  {{-1, 0, 0}, {0, -1, 0}, {0, 0, 1}},
      {{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
      {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {1, 0, 0}, {0, -1, 0}},
  };
  for (const Side& s : sides) {
    auto half = [&](const Point3& axis) {
      return Point3(axis.x * size.x * 0.5f, axis.y * size.y * 0.5f, axis.z * size.z * 0.5f);
    };
    const Point3 c = mid + half(s.normal);
    const Point3 hu = half(s.u);
    const Point3 hv = half(s.v);
    const int a = mesh.AddVertex(c - hu - hv, s.normal, {0, 0, 0});
    const int b = mesh.AddVertex(c + hu - hv, s.normal, {1, 0, 0});
    const int d = mesh.AddVertex(c + hu + hv, s.normal, {1, 1, 0});
    const int e = mesh.AddVertex(c - hu + hv, s.normal, {0, 1, 0});
    mesh.AddQuad(a, b, d, e);
  }
  return mesh;
}

Mesh MakePlane(const Point3& centre, const Point3& uAxis, const Point3& vAxis, int divisions) {
  Mesh mesh;
  const Point3 normal = Normalize(uAxis ^ vAxis);
  const float step = 1.0f / static_cast<float>(divisions);
  for (int j = 0; j <= divisions; ++j) {
    for (int i = 0; i <= divisions; ++i) {
      const float u = static_cast<float>(i) * step;
      const float v = static_cast<float>(j) * step;
      mesh.AddVertex(centre + uAxis * (u - 0.5f) + vAxis * (v - 0.5f), normal, {u, v, 0.0f});
    }
  }
  const int row = divisions + 1;
  for (int j = 0; j < divisions; ++j) {
    for (int i = 0; i < divisions; ++i) {
      const int a = j * row + i;
      mesh.AddQuad(a, a + 1, a + 1 + row, a + row);
    }
  }
  return mesh;
}
