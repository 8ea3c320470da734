#include "host/SceneFile.h"

SceneHolder::~SceneHolder() { Clear(); }

int SceneHolder::Add(ReferenceTarget* target) {
  held.push_back(nullptr);
  const int slot = NumRefs() - 1;
  ReplaceReference(slot, target, TRUE);
  return slot;
}

int SceneHolder::NumRefs() { return static_cast<int>(held.size()); }

RefTargetHandle SceneHolder::GetReference(int i) {
  return i >= 0 && i < NumRefs() ? held[static_cast<std::size_t>(i)] : nullptr;
}

void SceneHolder::Clear() {
  DeleteAllRefsFromMe();
  held.clear();
}

void SceneHolder::SetReference(int i, RefTargetHandle target) {
  if (i >= 0 && i < NumRefs()) held[static_cast<std::size_t>(i)] = target;
}
