// The classes the scene loader can create.
#include <algorithm>
#include <vector>

#include "host/BuiltinClasses.h"
#include "host/SceneFile.h"

namespace {

std::vector<ClassDesc*>& registered() {
  static std::vector<ClassDesc*> list;
  return list;
}

bool matches(ClassDesc* cd, SClass_ID sclass, const Class_ID& cid) {
  return cd != nullptr && cd->SuperClassID() == sclass && cd->ClassID() == cid;
}

}  // namespace

void RegisterClassDesc(ClassDesc* cd) {
  auto& list = registered();
  if (cd != nullptr && std::find(list.begin(), list.end(), cd) == list.end()) list.push_back(cd);
}

void UnregisterClassDesc(ClassDesc* cd) {
  auto& list = registered();
  list.erase(std::remove(list.begin(), list.end(), cd), list.end());
}

ClassDesc* FindClassDesc(SClass_ID sclass, const Class_ID& cid) {
  for (ClassDesc* cd : {ParamBlockClassDesc(), TextureOutputClassDesc(), StdMatClassDesc()}) {
    if (matches(cd, sclass, cid)) return cd;
  }
  for (ClassDesc* cd : registered()) {
    if (matches(cd, sclass, cid)) return cd;
  }
  return nullptr;
}
