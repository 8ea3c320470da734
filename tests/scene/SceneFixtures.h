#pragma once
// Scenes and hand-made files for the scene-file tests.
#include <cstdint>
#include <vector>

#include "host/SceneFile.h"
#include "tests/scene/SceneTestClasses.h"

// Two roots sharing a node, a leaf shared by both nodes, an animated block, an empty slot that
// the constructor had filled, nested chunks, a blob and a label beyond the BMP.
struct SampleScene {
  SceneHolder holder;
  TestNode* first = nullptr;
  TestNode* second = nullptr;
  TestNode* shared = nullptr;
  TestLeaf* leaf = nullptr;
  SampleScene();
  std::vector<ReferenceTarget*> Roots() { return {first, second}; }
};

// A file written record by record, for damage that a saved scene never has.
struct FileObject {
  SClass_ID sclass;
  Class_ID cid;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> refs;  // object index, super class
  std::vector<unsigned char> data;                            // the object's own chunks
};
std::vector<unsigned char> BuildSceneFile(std::uint32_t version, const std::vector<std::uint32_t>& roots,
                                          const std::vector<FileObject>& objects);

// Helpers writing one chunk with raw content.
void AppendChunk(std::vector<unsigned char>& out, unsigned short id,
                 const std::vector<unsigned char>& content);
std::vector<unsigned char> U32s(std::initializer_list<std::uint32_t> values);

std::vector<ReferenceTarget*> HeldRoots(SceneHolder& scene);
