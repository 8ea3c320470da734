#pragma once
// The host's reference system: makers hold references to targets, targets know their
// dependents and tell them of changes. A target is deleted when its last dependent drops it.
#include <vector>

#include "host/Interval.h"
#include "host/MaxHeap.h"
#include "host/MaxTypes.h"

class ReferenceTarget;
class ReferenceMaker;
class RemapDir;
class ISave;
class ILoad;
using RefTargetHandle = ReferenceTarget*;
using RefMakerHandle = ReferenceMaker*;

class HOSTAPI Animatable : public MaxHeapOperators {
 public:
  Animatable();
  Animatable(const Animatable&) = delete;
  Animatable& operator=(const Animatable&) = delete;
  virtual ~Animatable();
  // Host objects are released through this, never with a plain delete.
  virtual void DeleteThis();
  virtual void GetClassName(WStr& s);
  virtual Class_ID ClassID();
  virtual SClass_ID SuperClassID();
  virtual int NumSubs();
  virtual Animatable* SubAnim(int i);
  virtual WStr SubAnimName(int i);
  virtual int SubNumToRefNum(int subNum);
};

class HOSTAPI ReferenceMaker : public Animatable {
 public:
  ReferenceMaker();
  // Drops every reference this maker still holds; a target left without dependents is deleted.
  ~ReferenceMaker() override;

  virtual int NumRefs();
  virtual RefTargetHandle GetReference(int i);

  // Installs `newTarget` in slot `which`. The previous target loses this dependent and, when
  // `deleteOld` is set and it has no dependents left, is deleted.
  RefResult ReplaceReference(int which, RefTargetHandle newTarget, BOOL deleteOld = TRUE);
  RefResult DeleteReference(int which);
  RefResult DeleteAllRefsFromMe();

  virtual RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                                     RefMessage message, BOOL propagate);
  virtual IOResult Save(ISave* isave);
  virtual IOResult Load(ILoad* iload);
  virtual BOOL IsRefTarget();

 protected:
  // Only stores the pointer; the host keeps the dependency links.
  virtual void SetReference(int i, RefTargetHandle target);

 private:
  friend class ReferenceTarget;
  void forgetTarget(ReferenceTarget* target);
  std::vector<ReferenceTarget*> heldTargets;  // one entry per link, the host's own record
};

class HOSTAPI ReferenceTarget : public ReferenceMaker {
 public:
  ReferenceTarget();
  // A target deleted while makers still point at it clears their slots first.
  ~ReferenceTarget() override;

  BOOL IsRefTarget() override;
  // Sends `message` to every dependent; REFMSG_CHANGE travels on up the graph unless a
  // dependent answers REF_STOP.
  RefResult NotifyDependents(const Interval& changeInt, PartID partID, RefMessage message,
                             BOOL propagate = TRUE);
  virtual RefTargetHandle Clone(RemapDir& remap);

  int NumDependents() const;
  ReferenceMaker* GetDependent(int i) const;

 private:
  friend class ReferenceMaker;
  void addDependent(ReferenceMaker* maker);
  bool removeDependent(ReferenceMaker* maker);
  std::vector<ReferenceMaker*> dependents;  // one entry per link
};

// Maps originals to clones within one cloning operation, so a target shared by several
// makers is cloned once.
class HOSTAPI RemapDir {
 public:
  RemapDir();
  RemapDir(const RemapDir&) = delete;
  RemapDir& operator=(const RemapDir&) = delete;
  ~RemapDir();
  RefTargetHandle CloneRef(RefTargetHandle original);
  RefTargetHandle FindMapping(RefTargetHandle original);
  void AddEntry(RefTargetHandle original, RefTargetHandle clone);

 private:
  std::vector<std::pair<RefTargetHandle, RefTargetHandle>> entries;
};

// Clones `target` and everything it references, each shared target once.
HOSTAPI RefTargetHandle CloneRefHierarchy(RefTargetHandle target);
