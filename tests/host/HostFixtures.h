#pragma once
// Small host objects for the host's own tests: a target that reports its deletion and a maker
// with a fixed number of reference slots that records the messages it receives.
#include <vector>

#include "host/Hold.h"
#include "host/ParamBlock.h"
#include "host/Reference.h"

namespace hosttest {

// A plain target; sets *deleted when it goes.
class Probe : public ReferenceTarget {
 public:
  explicit Probe(bool* deleted = nullptr) : deleted(deleted) {}
  ~Probe() override {
    if (deleted != nullptr) *deleted = true;
  }
  RefTargetHandle Clone(RemapDir& remap) override { return new Probe(); }

 private:
  bool* deleted;
};

struct Received {
  RefMessage message;
  ReferenceTarget* from;
};

// A maker (and target) with `slots` references. It answers the parameter queries of a block
// in slot 0 with names "P<index>" and stdPercentDim, and can be told to stop change messages.
class Owner : public ReferenceTarget {
 public:
  explicit Owner(int slots = 2, bool* deleted = nullptr)
      : refs(static_cast<std::size_t>(slots)), deleted(deleted) {}
  ~Owner() override {
    DeleteAllRefsFromMe();
    if (deleted != nullptr) *deleted = true;
  }

  int NumRefs() override { return static_cast<int>(refs.size()); }
  RefTargetHandle GetReference(int i) override { return refs[static_cast<std::size_t>(i)]; }
  void SetReference(int i, RefTargetHandle t) override { refs[static_cast<std::size_t>(i)] = t; }

  RefResult NotifyRefChanged(const Interval&, RefTargetHandle from, PartID& part, RefMessage message,
                             BOOL) override {
    received.push_back({message, from});
    if (message == REFMSG_GET_PARAM_NAME) {
      // The part id carries the request record's address.
      auto* request = reinterpret_cast<GetParamName*>(part);  // NOLINT(performance-no-int-to-ptr)
      request->name = WStr(L"P" + std::to_wstring(request->index));
      return REF_STOP;
    }
    if (message == REFMSG_GET_PARAM_DIM) {
      reinterpret_cast<GetParamDim*>(part)->dim = stdPercentDim;  // NOLINT(performance-no-int-to-ptr)
      return REF_STOP;
    }
    return stopChanges ? REF_STOP : REF_SUCCEED;
  }

  RefTargetHandle Clone(RemapDir& remap) override {
    auto* copy = new Owner(NumRefs());
    for (int i = 0; i < NumRefs(); ++i) copy->ReplaceReference(i, remap.CloneRef(GetReference(i)));
    return copy;
  }

  int count(RefMessage message) const {
    int n = 0;
    for (const Received& r : received) n += r.message == message ? 1 : 0;
    return n;
  }

  // Exchanges two slots in place, as plug-ins do when they swap their sub-objects.
  void swapSlots(int a, int b) {
    std::swap(refs[static_cast<std::size_t>(a)], refs[static_cast<std::size_t>(b)]);
  }

  std::vector<Received> received;
  bool stopChanges = false;

 private:
  std::vector<ReferenceTarget*> refs;
  bool* deleted;
};

// Every host test starts with an empty history, no open hold and animate mode off.
inline void resetHost() {
  while (theHold.Holding()) theHold.Cancel();
  theHold.ClearHistory();
  SetAnimateMode(FALSE);
  SetHostHeapFailAfter(-1);
}

}  // namespace hosttest
