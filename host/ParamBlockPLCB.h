#pragma once
// Post-load conversion of parameter blocks saved under an older layout.
#include "host/ChunkIO.h"
#include "host/ParamBlock.h"

struct ParamVersionDesc {
  const ParamBlockDescID* desc;
  int count;
  DWORD version;
};

// Registered by an object's Load. After loading, when the block in reference `refNum` of
// `target` has another version than `current`, it is replaced by a block of the current layout
// carrying over the values and keys of the parameters whose ids match; parameters new in the
// current layout hold zeros. The callback deletes itself after running.
class HOSTAPI ParamBlockPLCB : public PostLoadCallback, public MaxHeapOperators {
 public:
  ParamBlockPLCB(const ParamVersionDesc* oldVersions, int count, const ParamVersionDesc* current,
                 ReferenceTarget* target, int refNum);
  void proc(ILoad* iload) override;
  void Abandon() override;  // deletes the callback

 private:
  const ParamVersionDesc* oldVersions;
  int count;
  const ParamVersionDesc* current;
  ReferenceTarget* target;
  int refNum;
};
