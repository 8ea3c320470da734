#include "host/ParamBlockPLCB.h"

namespace {

// Same storage of the value and keys: equal types, colour and point, or int and bool.
bool sameStorage(ParamType a, ParamType b) {
  auto group = [](ParamType t) {
    if (t == TYPE_RGBA || t == TYPE_POINT3) return 1;
    if (t == TYPE_INT || t == TYPE_BOOL) return 2;
    return 0;
  };
  return a == b || (group(a) != 0 && group(a) == group(b));
}

// True when the block is laid out exactly as `desc` says.
bool matchesLayout(const IParamBlock& block, const ParamVersionDesc& desc) {
  if (block.GetVersion() != desc.version || block.NumParams() != desc.count) return false;
  for (int i = 0; i < desc.count; ++i) {
    const IParamBlock::Param& p = block.param(i);
    if (p.type != desc.desc[i].type || p.id != desc.desc[i].id) return false;
  }
  return true;
}

// The index in `block` of the parameter with `id`. A block of a known old version is read by that
// version's layout; any other block by the ids it was saved with.
int indexOfID(const IParamBlock& block, DWORD id, const ParamVersionDesc* oldVersions, int count) {
  for (int v = 0; oldVersions != nullptr && v < count; ++v) {
    const ParamVersionDesc& old = oldVersions[v];
    if (old.version != block.GetVersion() || old.count != block.NumParams()) continue;
    for (int i = 0; i < old.count; ++i) {
      if (old.desc[i].id == id) return i;
    }
    return -1;
  }
  return block.IndexFromID(id);
}

}  // namespace

ParamBlockPLCB::ParamBlockPLCB(const ParamVersionDesc* oldVersions, int count,
                               const ParamVersionDesc* current, ReferenceTarget* target, int refNum)
    : oldVersions(oldVersions), count(count), current(current), target(target), refNum(refNum) {}

void ParamBlockPLCB::proc(ILoad*) {
  ReferenceTarget* ref = target != nullptr && current != nullptr ? target->GetReference(refNum) : nullptr;
  auto* block = ref != nullptr && ref->SuperClassID() == PARAMETER_BLOCK_CLASS_ID &&
                        ref->ClassID() == PARAMETER_BLOCK_CLASS
                    ? static_cast<IParamBlock*>(ref)
                    : nullptr;
  // Any block not laid out as the current version is converted, whether its version is one of
  // the old ones or not: the owner indexes its block by the current layout, and a block of an
  // unknown or damaged layout would have it read outside the block.
  if (block != nullptr && !matchesLayout(*block, *current)) {
    IParamBlock* converted = CreateParameterBlock(current->desc, current->count, current->version);
    if (converted != nullptr) {
      for (int i = 0; i < converted->NumParams(); ++i) {
        const int from = indexOfID(*block, converted->GetParamID(i), oldVersions, count);
        if (from < 0) continue;  // new in this version: stays zero
        const IParamBlock::Param& old = block->param(from);
        if (!sameStorage(old.type, converted->GetParameterType(i))) continue;
        IParamBlock::Param p = converted->param(i);
        for (int c = 0; c < 3; ++c) p.value[c] = old.value[c];
        if (p.animatable) p.keys = old.keys;
        converted->setParam(i, p, FALSE);
      }
      target->ReplaceReference(refNum, converted, TRUE);
    }
  }
  delete this;
}

void ParamBlockPLCB::Abandon() { delete this; }
