#pragma once
// Old-style parameter blocks: indexed, typed parameters, each animatable with keys.
// Interpolation between keys is linear, per channel, for floats, colours and point3s; ints and
// BOOLs are stepped (each key's value holds until the next key). Before the first key a track
// holds the first key's value, after the last key the last one's. An animated value at t is
// valid over the span around t in which it keeps its value: one instant between two keys of
// different values, the span between equal keys, everything before the first key or after the
// last; an unanimated value is valid FOREVER.
#include <vector>

#include "host/Color.h"
#include "host/ParamDimension.h"
#include "host/Point3.h"
#include "host/Reference.h"

enum ParamType { TYPE_FLOAT = 0, TYPE_INT = 1, TYPE_RGBA = 2, TYPE_POINT3 = 3, TYPE_BOOL = 4 };

class UserType;

// One entry of a block layout: type, user type (unused, null), animatable, parameter id.
struct ParamBlockDescID {
  ParamType type;
  UserType* user;
  BOOL animatable;
  DWORD id;
};

// Unversioned layout entry, for blocks without parameter ids.
struct ParamBlockDesc {
  ParamType type;
  UserType* user;
  BOOL animatable;
};

// Records passed by pointer in the part id of REFMSG_GET_PARAM_NAME / REFMSG_GET_PARAM_DIM.
struct GetParamName {
  WStr name;
  int index;
  GetParamName(WStr n, int i) : name(std::move(n)), index(i) {}
};
struct GetParamDim {
  ParamDimension* dim;
  int index;
  GetParamDim(ParamDimension* d, int i) : dim(d), index(i) {}
};

constexpr Class_ID PARAMETER_BLOCK_CLASS(0x00000008, 0x00000000);

class HOSTAPI IParamBlock : public ReferenceTarget {
 public:
  IParamBlock(const ParamBlockDescID* desc, int count, DWORD version);
  ~IParamBlock() override;

  int NumParams() const;
  ParamType GetParameterType(int i) const;
  BOOL IsAnimatable(int i) const;
  DWORD GetParamID(int i) const;    // the id of the layout, or the index for unversioned blocks
  int IndexFromID(DWORD id) const;  // -1 when no parameter has that id
  DWORD GetVersion() const;

  // Under the host's animate mode a write to an animatable parameter sets a key at t.
  // Otherwise it sets the value at t without a key: an existing key at t is changed, and an
  // animated track is shifted as a whole so that it passes through the new value at t.
  // Writes made while theHold is holding record what they replace. Every write notifies
  // the block's dependents with REFMSG_CHANGE.
  BOOL SetValue(int i, TimeValue t, float v);
  BOOL SetValue(int i, TimeValue t, int v);
  BOOL SetValue(int i, TimeValue t, const Point3& v);
  BOOL SetValue(int i, TimeValue t, const Color& v);

  // Reads the value at t and narrows `valid` to the span around t over which it holds.
  // A read of another type converts (float <-> int truncates, colour <-> point3 by channel).
  BOOL GetValue(int i, TimeValue t, float& v, Interval& valid);
  BOOL GetValue(int i, TimeValue t, int& v, Interval& valid);
  BOOL GetValue(int i, TimeValue t, Point3& v, Interval& valid);
  BOOL GetValue(int i, TimeValue t, Color& v, Interval& valid);

  float GetFloat(int i, TimeValue t = 0);
  int GetInt(int i, TimeValue t = 0);
  Point3 GetPoint3(int i, TimeValue t = 0);
  Color GetColor(int i, TimeValue t = 0);

  BOOL KeyFrameAtTime(int i, TimeValue t);
  BOOL IsAnimated(int i) const;
  int NumKeys(int i) const;
  TimeValue GetKeyTime(int i, int key) const;
  void DeleteKeys(int i);
  // Exchanges the whole animation (value and keys) of two parameters.
  void SwapControllers(int j, int k);

  // Asked of the block's owner through REFMSG_GET_PARAM_NAME / REFMSG_GET_PARAM_DIM.
  WStr GetParamName(int i);
  ParamDimension* GetParamDimension(int i);

  Class_ID ClassID() override;
  SClass_ID SuperClassID() override;
  void GetClassName(WStr& s) override;
  RefTargetHandle Clone(RemapDir& remap) override;
  IOResult Save(ISave* isave) override;
  IOResult Load(ILoad* iload) override;

  struct Key {
    TimeValue time;
    float value[3];
  };
  struct Param {
    ParamType type;
    BOOL animatable;
    DWORD id;
    float value[3];  // the unanimated value; ints are stored exactly in value[0]'s bits
    std::vector<Key> keys;
  };
  // Host internals, for the scene file, undo and post-load conversion.
  const Param& param(int i) const;
  void setParam(int i, const Param& p, BOOL notify);

 private:
  std::vector<Param> params;
  DWORD version;
};

// Creates a block from a layout with parameter ids and a version number. A new block holds zeros.
HOSTAPI IParamBlock* CreateParameterBlock(const ParamBlockDescID* desc, int count, DWORD version);
// Creates an unversioned block; parameter i gets id i.
HOSTAPI IParamBlock* CreateParameterBlock(const ParamBlockDesc* desc, int count);

// The host-wide animate mode (the host's Auto Key).
HOSTAPI void SetAnimateMode(BOOL on);
HOSTAPI BOOL Animating();
inline void AnimateOn() { SetAnimateMode(TRUE); }
inline void AnimateOff() { SetAnimateMode(FALSE); }
