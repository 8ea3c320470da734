#include "tools/Image.h"

void Image::Resize(int w, int h) {
  width = w;
  height = h;
  pixels.assign(static_cast<std::size_t>(w) * h, Color());
  objects.assign(static_cast<std::size_t>(w) * h, kNoObject);
}

namespace {

unsigned char ToByte(float c) {
  // NaN falls to 0 through the first test.
  if (!(c > 0.0f)) return 0;
  if (c >= 1.0f) return 255;
  return static_cast<unsigned char>(static_cast<int>(c * 255.0f + 0.5f));
}

}  // namespace

std::vector<unsigned char> ToRgb8(const Image& image) {
  std::vector<unsigned char> bytes;
  bytes.reserve(image.pixels.size() * 3);
  for (const Color& c : image.pixels) {
    bytes.push_back(ToByte(c.r));
    bytes.push_back(ToByte(c.g));
    bytes.push_back(ToByte(c.b));
  }
  return bytes;
}
