#pragma once
// Triangle meshes of the stand-in renderer.
#include <vector>

#include "host/Point3.h"

struct Triangle {
  int v[3];
};

// Vertices with their own normals and mapping coordinates; faces index the vertices. Quads are
// split into two triangles, so their diagonals are real edges.
struct Mesh {
  std::vector<Point3> positions;
  std::vector<Point3> normals;
  std::vector<Point3> mapCoords;
  std::vector<Triangle> faces;

  int AddVertex(const Point3& p, const Point3& n, const Point3& uvw);
  // Corners counter-clockwise seen from the side the face looks to.
  void AddQuad(int a, int b, int c, int d);
};

// A sphere of `rings` latitude bands and `segments` longitude steps, smooth normals; the bands at
// the poles are triangle fans, the rest quads.
Mesh MakeSphere(const Point3& centre, float radius, int rings, int segments);
// An axis-aligned box, one quad per side, flat normals.
Mesh MakeBox(const Point3& low, const Point3& high);
// A rectangle spanned by `uAxis` and `vAxis` around `centre`, divided into `divisions` × `divisions`
// quads, facing uAxis × vAxis. Mapping coordinates run 0 … 1 over it.
Mesh MakePlane(const Point3& centre, const Point3& uAxis, const Point3& vAxis, int divisions);
