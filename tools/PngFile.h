#pragma once
// PNG output of rendered frames.
#include <string>
#include <vector>

#include "tools/Image.h"

// The PNG bytes of an image, 8-bit RGB.
std::vector<unsigned char> EncodePng(const Image& image);
// Writes the image as PNG; false with `error` set when the file cannot be written.
bool WritePng(const std::string& path, const Image& image, std::string& error);
