// The one place stb_image_write is compiled.
#include "tools/PngFile.h"

#include <fstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include "stb_image_write.h"

namespace {

void Append(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<unsigned char>*>(context);
  const auto* bytes = static_cast<const unsigned char*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<unsigned char> EncodePng(const Image& image) {
  const std::vector<unsigned char> rgb = ToRgb8(image);
  std::vector<unsigned char> png;
  if (image.width > 0 && image.height > 0) {
    stbi_write_png_to_func(Append, &png, image.width, image.height, 3, rgb.data(), image.width * 3);
  }
  return png;
}

bool WritePng(const std::string& path, const Image& image, std::string& error) {
  const std::vector<unsigned char> png = EncodePng(image);
  if (png.empty()) {
    error = "cannot encode an empty image";
    return false;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  file.close();
  if (!file) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}
