#pragma once
#include <cmath>

// A 3-vector in single precision. Every operation stays in float.

class Point3 {
 public:
  float x = 0.0f, y = 0.0f, z = 0.0f;

  constexpr Point3() = default;
  constexpr Point3(float x, float y, float z) : x(x), y(y), z(z) {}

  constexpr float& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
  constexpr float operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }

  constexpr Point3 operator+(const Point3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  constexpr Point3 operator-(const Point3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  constexpr Point3 operator-() const { return {-x, -y, -z}; }
  constexpr Point3 operator*(float f) const { return {x * f, y * f, z * f}; }
  constexpr Point3 operator/(float f) const { return {x / f, y / f, z / f}; }
  Point3& operator+=(const Point3& o) { return *this = *this + o; }
  Point3& operator-=(const Point3& o) { return *this = *this - o; }
  Point3& operator*=(float f) { return *this = *this * f; }
  constexpr bool operator==(const Point3& o) const { return x == o.x && y == o.y && z == o.z; }
  constexpr bool operator!=(const Point3& o) const { return !(*this == o); }
  // The dot product, as the host writes it.
  constexpr float operator%(const Point3& o) const { return x * o.x + y * o.y + z * o.z; }
  // The cross product, this first.
  constexpr Point3 operator^(const Point3& o) const {
    return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
  }
};

constexpr Point3 operator*(float f, const Point3& p) { return p * f; }
constexpr float DotProd(const Point3& a, const Point3& b) { return a % b; }
constexpr Point3 CrossProd(const Point3& a, const Point3& b) { return a ^ b; }

// p % p is the squared length, not a redundant expression.
inline float Length(const Point3& p) { return std::sqrt(p % p); }  // NOLINT(misc-redundant-expression)
inline Point3 Normalize(const Point3& p) {
  const float l = Length(p);
  return l != 0.0f ? p / l : p;
}
