// libFuzzer target for the scene-file reader. Whatever the bytes, loading must fail cleanly or
// give a scene that saves, and whose saved form loads and saves again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/SceneFile.h"
#include "tests/scene/SceneFixtures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool registered = (RegisterSceneTestClasses(), true);
  (void)registered;

  SceneHolder scene;
  std::string error;
  if (!LoadScene(data, size, "fuzz.osc", scene, error)) {
    if (error.rfind("fuzz.osc: ", 0) != 0) __builtin_trap();  // every failure names the file
    return 0;
  }
  std::vector<unsigned char> saved;
  if (!SaveScene(HeldRoots(scene), saved, error)) __builtin_trap();
  SceneHolder again;
  if (!LoadScene(saved.data(), saved.size(), "resaved.osc", again, error)) __builtin_trap();
  std::vector<unsigned char> resaved;
  if (!SaveScene(HeldRoots(again), resaved, error) || resaved != saved) __builtin_trap();
  return 0;
}
