#pragma once
// A wire map owned the way the host owns one: held by a scene holder, released with it.
#include <limits>

#include "filamesh/Filamesh.h"
#include "filamesh/FilameshParams.h"
#include "host/Lights.h"
#include "host/SceneFile.h"

struct HeldFilamesh {
  SceneHolder holder;
  Filamesh* map;

  HeldFilamesh() : map(new Filamesh()) { holder.Add(map); }
  IParamBlock& block() { return *map->ParamBlock(); }
};

// Sets `param` under the host's animate mode, so the write becomes a key at `t`.
template <class V>
void SetKey(IParamBlock& block, int param, TimeValue t, const V& value) {
  AnimateOn();
  block.SetValue(param, t, value);
  AnimateOff();
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
