#pragma once
// RGB and RGBA colours in single precision, 0 ... 1 per channel.

class Color {
 public:
  float r = 0.0f, g = 0.0f, b = 0.0f;

  constexpr Color() = default;
  constexpr Color(float r, float g, float b) : r(r), g(g), b(b) {}

  constexpr float& operator[](int i) { return i == 0 ? r : (i == 1 ? g : b); }
  constexpr float operator[](int i) const { return i == 0 ? r : (i == 1 ? g : b); }

  constexpr Color operator+(const Color& o) const { return {r + o.r, g + o.g, b + o.b}; }
  constexpr Color operator-(const Color& o) const { return {r - o.r, g - o.g, b - o.b}; }
  constexpr Color operator*(const Color& o) const { return {r * o.r, g * o.g, b * o.b}; }
  constexpr Color operator*(float f) const { return {r * f, g * f, b * f}; }
  constexpr Color operator/(float f) const { return {r / f, g / f, b / f}; }
  Color& operator+=(const Color& o) { return *this = *this + o; }
  Color& operator*=(float f) { return *this = *this * f; }
  Color& operator*=(const Color& o) { return *this = *this * o; }
  constexpr bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
  constexpr bool operator!=(const Color& o) const { return !(*this == o); }

  void Black() { r = g = b = 0.0f; }
  void White() { r = g = b = 1.0f; }
  // Each channel limited to [0, 1].
  void ClampMinMax() {
    for (int i = 0; i < 3; ++i) {
      float& c = (*this)[i];
      if (c < 0.0f) c = 0.0f;
      if (c > 1.0f) c = 1.0f;
    }
  }
};

constexpr Color operator*(float f, const Color& c) { return c * f; }

class AColor {
 public:
  float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;

  constexpr AColor() = default;
  constexpr AColor(float r, float g, float b, float a = 1.0f) : r(r), g(g), b(b), a(a) {}
  constexpr explicit AColor(const Color& c, float a = 1.0f) : r(c.r), g(c.g), b(c.b), a(a) {}

  constexpr float& operator[](int i) { return i == 0 ? r : (i == 1 ? g : (i == 2 ? b : a)); }
  constexpr float operator[](int i) const { return i == 0 ? r : (i == 1 ? g : (i == 2 ? b : a)); }

  constexpr AColor operator+(const AColor& o) const { return {r + o.r, g + o.g, b + o.b, a + o.a}; }
  constexpr AColor operator-(const AColor& o) const { return {r - o.r, g - o.g, b - o.b, a - o.a}; }
  constexpr AColor operator*(float f) const { return {r * f, g * f, b * f, a * f}; }
  constexpr AColor operator*(const AColor& o) const { return {r * o.r, g * o.g, b * o.b, a * o.a}; }
  AColor& operator+=(const AColor& o) { return *this = *this + o; }
  AColor& operator*=(float f) { return *this = *this * f; }
  constexpr bool operator==(const AColor& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
  constexpr bool operator!=(const AColor& o) const { return !(*this == o); }
  constexpr Color rgb() const { return {r, g, b}; }
  void ClampMinMax() {
    for (int i = 0; i < 4; ++i) {
      float& c = (*this)[i];
      if (c < 0.0f) c = 0.0f;
      if (c > 1.0f) c = 1.0f;
    }
  }
};

constexpr AColor operator*(float f, const AColor& c) { return c * f; }
