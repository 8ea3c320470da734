#pragma once
// The host's scene file: a graph of objects with their references, parameter blocks and chunks.
#include <cstddef>
#include <string>
#include <vector>

#include "host/ClassDesc.h"
#include "host/Reference.h"

// Classes the loader can create, by super class and class id. Modules' descriptors are added by
// whoever loads the module; the host's own classes (parameter blocks, output objects, the
// standard material) are always there.
HOSTAPI void RegisterClassDesc(ClassDesc* cd);
HOSTAPI void UnregisterClassDesc(ClassDesc* cd);
HOSTAPI ClassDesc* FindClassDesc(SClass_ID sclass, const Class_ID& cid);

// Writes the graph reachable from `roots` into `bytes`. False with `error` set on failure.
HOSTAPI bool SaveScene(const std::vector<ReferenceTarget*>& roots, std::vector<unsigned char>& bytes,
                       std::string& error);
class SceneHolder;
// Reads a scene. On success `scene` holds the root objects, in their saved order. On failure
// nothing is left behind and `error` names `fileName` and the object or chunk at fault.
HOSTAPI bool LoadScene(const unsigned char* data, std::size_t size, const std::string& fileName,
                       SceneHolder& scene, std::string& error);
HOSTAPI bool SaveSceneFile(const std::string& path, const std::vector<ReferenceTarget*>& roots,
                           std::string& error);
HOSTAPI bool LoadSceneFile(const std::string& path, SceneHolder& scene, std::string& error);

// Holds scene roots (and any other target) alive as their dependent, the way the host's
// scene does; deleting the holder releases them.
class HOSTAPI SceneHolder : public ReferenceMaker {
public:
  ~SceneHolder() override;
  int Add(ReferenceTarget* target);  // the slot it went into
  int NumRefs() override;
  RefTargetHandle GetReference(int i) override;
  void Clear();

protected:
  void SetReference(int i, RefTargetHandle target) override;

private:
  std::vector<ReferenceTarget*> held;
};
