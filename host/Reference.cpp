#include "host/Reference.h"

#include <algorithm>

namespace {

template <class T>
bool eraseOne(std::vector<T*>& list, T* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

// True when `maker` can be reached from `from` by following references.
bool dependsOn(ReferenceMaker* from, const ReferenceMaker* maker) {
  std::vector<ReferenceMaker*> open{from};
  std::vector<ReferenceMaker*> seen;
  while (!open.empty()) {
    ReferenceMaker* m = open.back();
    open.pop_back();
    if (m == maker) return true;
    if (std::find(seen.begin(), seen.end(), m) != seen.end()) continue;
    seen.push_back(m);
    for (int i = 0; i < m->NumRefs(); ++i) {
      if (ReferenceTarget* t = m->GetReference(i)) open.push_back(t);
    }
  }
  return false;
}

// Targets whose dependents are being told of a change on this thread; a cycle in the
// reference graph then ends instead of recursing without end.
thread_local std::vector<const ReferenceTarget*> notifying;

}  // namespace

// ---- Animatable ----

Animatable::Animatable() = default;
Animatable::~Animatable() = default;
void Animatable::DeleteThis() { delete this; }
void Animatable::GetClassName(WStr& s) { s = L""; }
Class_ID Animatable::ClassID() { return Class_ID(); }
SClass_ID Animatable::SuperClassID() { return 0; }
int Animatable::NumSubs() { return 0; }
Animatable* Animatable::SubAnim(int) { return nullptr; }
WStr Animatable::SubAnimName(int) { return WStr(L""); }
int Animatable::SubNumToRefNum(int) { return -1; }

// ---- ReferenceMaker ----

ReferenceMaker::ReferenceMaker() = default;

ReferenceMaker::~ReferenceMaker() {
  // The derived part is gone: no virtual call may reach it, so only the host's own record is used.
  std::vector<ReferenceTarget*> held;
  held.swap(heldTargets);
  for (ReferenceTarget* target : held) {
    target->removeDependent(this);
    if (target->dependents.empty()) target->DeleteThis();
  }
}

int ReferenceMaker::NumRefs() { return 0; }
RefTargetHandle ReferenceMaker::GetReference(int) { return nullptr; }
void ReferenceMaker::SetReference(int, RefTargetHandle) {}

RefResult ReferenceMaker::ReplaceReference(int which, RefTargetHandle newTarget, BOOL deleteOld) {
  if (which < 0 || which >= NumRefs()) return REF_FAIL;
  ReferenceTarget* old = GetReference(which);
  if (old == newTarget) return REF_SUCCEED;
  // A loop would leave each object keeping the other alive, and deleting one would free both twice.
  if (newTarget != nullptr && dependsOn(newTarget, this)) return REF_FAIL;

  // Link the new target before the old one can go, so a target moving between slots survives.
  if (newTarget != nullptr) {
    newTarget->addDependent(this);
    heldTargets.push_back(newTarget);
  }
  SetReference(which, newTarget);

  // The slot may hold a pointer this maker never linked (set in place by the plug-in); only
  // links the host made are dropped.
  if (old != nullptr && eraseOne(heldTargets, old)) {
    old->removeDependent(this);
    if (deleteOld && old->dependents.empty()) old->DeleteThis();
  }
  return REF_SUCCEED;
}

RefResult ReferenceMaker::DeleteReference(int which) { return ReplaceReference(which, nullptr, TRUE); }

RefResult ReferenceMaker::DeleteAllRefsFromMe() {
  for (int i = 0; i < NumRefs(); ++i) DeleteReference(i);
  return REF_SUCCEED;
}

RefResult ReferenceMaker::NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage, BOOL) {
  return REF_SUCCEED;
}

IOResult ReferenceMaker::Save(ISave*) { return IO_OK; }
IOResult ReferenceMaker::Load(ILoad*) { return IO_OK; }
BOOL ReferenceMaker::IsRefTarget() { return FALSE; }

void ReferenceMaker::forgetTarget(ReferenceTarget* target) { eraseOne(heldTargets, target); }

// ---- ReferenceTarget ----

ReferenceTarget::ReferenceTarget() = default;

ReferenceTarget::~ReferenceTarget() {
  // Makers still pointing here lose their slots before this object's memory goes.
  while (!dependents.empty()) {
    ReferenceMaker* maker = dependents.back();
    for (int i = 0; i < maker->NumRefs(); ++i) {
      if (maker->GetReference(i) == this) maker->SetReference(i, nullptr);
    }
    // Every link of this maker goes, whichever slots it was made for.
    while (eraseOne(dependents, maker)) maker->forgetTarget(this);
  }
}

BOOL ReferenceTarget::IsRefTarget() { return TRUE; }

RefResult ReferenceTarget::NotifyDependents(const Interval& changeInt, PartID partID, RefMessage message,
                                            BOOL propagate) {
  if (std::find(notifying.begin(), notifying.end(), this) != notifying.end()) return REF_SUCCEED;
  notifying.push_back(this);

  // Each maker is told once, however many links it holds. The list is copied because a
  // dependent may add or drop references while it answers.
  std::vector<ReferenceMaker*> told;
  const std::vector<ReferenceMaker*> snapshot = dependents;
  for (ReferenceMaker* maker : snapshot) {
    if (std::find(told.begin(), told.end(), maker) != told.end()) continue;
    if (std::find(dependents.begin(), dependents.end(), maker) == dependents.end()) continue;
    told.push_back(maker);

    PartID part = partID;
    const RefResult answer = maker->NotifyRefChanged(changeInt, this, part, message, propagate);
    if (answer == REF_STOP) {
      // A request answered by its owner needs no further asking.
      if (message == REFMSG_GET_PARAM_NAME || message == REFMSG_GET_PARAM_DIM) break;
      continue;
    }
    if (message == REFMSG_CHANGE && propagate && maker->IsRefTarget()) {
      static_cast<ReferenceTarget*>(maker)->NotifyDependents(changeInt, part, message, propagate);
    }
  }

  notifying.pop_back();
  return REF_SUCCEED;
}

RefTargetHandle ReferenceTarget::Clone(RemapDir&) { return nullptr; }

int ReferenceTarget::NumDependents() const { return static_cast<int>(dependents.size()); }

ReferenceMaker* ReferenceTarget::GetDependent(int i) const {
  if (i < 0 || i >= NumDependents()) return nullptr;
  return dependents[static_cast<std::size_t>(i)];
}

void ReferenceTarget::addDependent(ReferenceMaker* maker) { dependents.push_back(maker); }
bool ReferenceTarget::removeDependent(ReferenceMaker* maker) { return eraseOne(dependents, maker); }

// ---- RemapDir ----

RemapDir::RemapDir() = default;
RemapDir::~RemapDir() = default;

RefTargetHandle RemapDir::CloneRef(RefTargetHandle original) {
  if (original == nullptr) return nullptr;
  if (RefTargetHandle known = FindMapping(original)) return known;
  RefTargetHandle clone = original->Clone(*this);
  if (clone != nullptr && FindMapping(original) == nullptr) AddEntry(original, clone);
  return clone;
}

RefTargetHandle RemapDir::FindMapping(RefTargetHandle original) {
  for (const auto& e : entries) {
    if (e.first == original) return e.second;
  }
  return nullptr;
}

void RemapDir::AddEntry(RefTargetHandle original, RefTargetHandle clone) {
  if (original == nullptr || clone == nullptr || FindMapping(original) != nullptr) return;
  entries.emplace_back(original, clone);
}

RefTargetHandle CloneRefHierarchy(RefTargetHandle target) {
  RemapDir remap;
  return remap.CloneRef(target);
}
