#pragma once
// A rendered frame: a float colour and the object seen, per pixel.
#include <vector>

#include "host/Color.h"

constexpr int kNoObject = -1;    // the pixel shows the background
constexpr int kMixedPixel = -2;  // the pixel's sub-samples saw different objects

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;
  std::vector<int> objects;

  void Resize(int w, int h);
  const Color& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  int ObjectAt(int x, int y) const { return objects[static_cast<std::size_t>(y) * width + x]; }
};

// Eight bits per channel, each (int)(c × 255 + 0.5) after limiting c to 0 … 1; rows top down.
std::vector<unsigned char> ToRgb8(const Image& image);
