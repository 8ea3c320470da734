// Scene files on disk.
#include "host/SceneFile.h"

#include <fstream>
#include <iterator>

bool SaveSceneFile(const std::string& path, const std::vector<ReferenceTarget*>& roots, std::string& error) {
  std::vector<unsigned char> bytes;
  std::string why;
  if (!SaveScene(roots, bytes, why)) {
    error = path + ": " + why;
    return false;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    error = path + ": the file could not be written";
    return false;
  }
  return true;
}

bool LoadSceneFile(const std::string& path, SceneHolder& scene, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": the file could not be opened";
    return false;
  }
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
  if (in.bad()) {
    error = path + ": the file could not be read";
    return false;
  }
  return LoadScene(bytes.data(), bytes.size(), path, scene, error);
}
