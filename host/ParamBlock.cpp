#include "host/ParamBlock.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "host/Hold.h"

namespace {

using Param = IParamBlock::Param;
using Key = IParamBlock::Key;

std::atomic<BOOL> animateMode{FALSE};

// ---- stored values ----

// Ints and BOOLs keep their exact bits in the first float slot.
float intBits(int v) {
  float f;
  std::memcpy(&f, &v, sizeof f);
  return f;
}

int bitsInt(float f) {
  int v;
  std::memcpy(&v, &f, sizeof v);
  return v;
}

bool stepped(ParamType type) { return type == TYPE_INT || type == TYPE_BOOL; }

int channels(ParamType type) { return (type == TYPE_RGBA || type == TYPE_POINT3) ? 3 : 1; }

struct Value {
  float v[3] = {0.0f, 0.0f, 0.0f};
};

bool sameValue(ParamType type, const float* a, const float* b) {
  if (stepped(type)) return bitsInt(a[0]) == bitsInt(b[0]);
  for (int c = 0; c < channels(type); ++c) {
    if (a[c] != b[c]) return false;
  }
  return true;
}

Value fromArray(const float* src) {
  Value out;
  std::copy(src, src + 3, out.v);
  return out;
}

// ---- evaluation ----

// Value of a parameter at t: linear per channel between keys for float, colour and point3;
// ints and BOOLs hold each key's value until the next key. Before the first key the track
// holds the first key's value, after the last key the last one's.
Value evaluate(const Param& p, TimeValue t) {
  if (p.keys.empty()) return fromArray(p.value);
  const std::vector<Key>& keys = p.keys;
  if (t <= keys.front().time) return fromArray(keys.front().value);
  if (t >= keys.back().time) return fromArray(keys.back().value);
  // First key later than t; the one before it is at or before t.
  auto next = std::upper_bound(keys.begin(), keys.end(), t,
                               [](TimeValue time, const Key& k) { return time < k.time; });
  const Key& a = *(next - 1);
  const Key& b = *next;
  if (t == a.time || stepped(p.type)) return fromArray(a.value);
  const float u = static_cast<float>(t - a.time) / static_cast<float>(b.time - a.time);
  Value out;
  for (int c = 0; c < 3; ++c) out.v[c] = a.value[c] + (b.value[c] - a.value[c]) * u;
  return out;
}

// The span around t over which the parameter keeps the value it has at t.
Interval constancy(const Param& p, TimeValue t) {
  const std::vector<Key>& k = p.keys;
  if (k.empty()) return FOREVER;
  const int n = static_cast<int>(k.size());
  auto equalKeys = [&](int a, int b) { return sameValue(p.type, k[a].value, k[b].value); };

  if (stepped(p.type)) {
    // The step holding t runs from key j (or -infinity) to just before the next different key.
    int j = -1;
    while (j + 1 < n && k[j + 1].time <= t) ++j;
    int first = std::max(j, 0);
    while (first > 0 && equalKeys(first - 1, first)) --first;
    int last = std::max(j, 0);
    while (last + 1 < n && equalKeys(last, last + 1)) ++last;
    const TimeValue s = first == 0 ? TIME_NegInfinity : k[first].time;
    const TimeValue e = last == n - 1 ? TIME_PosInfinity : k[last + 1].time - 1;
    return Interval(s, e);
  }

  // Linear: flat before the first key, after the last, and between equal neighbours.
  auto extendLeft = [&](int j) {
    while (j > 0 && equalKeys(j - 1, j)) --j;
    return j == 0 ? TIME_NegInfinity : k[j].time;
  };
  auto extendRight = [&](int j) {
    while (j < n - 1 && equalKeys(j, j + 1)) ++j;
    return j == n - 1 ? TIME_PosInfinity : k[j].time;
  };
  if (t < k.front().time) return Interval(TIME_NegInfinity, extendRight(0));
  if (t > k.back().time) return Interval(extendLeft(n - 1), TIME_PosInfinity);
  // Last key at or before t; t lies within the keys here.
  const int j =
      static_cast<int>(std::upper_bound(k.begin(), k.end(), t,
                                        [](TimeValue time, const Key& key) { return time < key.time; }) -
                       k.begin()) -
      1;
  if (k[j].time == t) return Interval(extendLeft(j), extendRight(j));
  if (equalKeys(j, j + 1)) return Interval(extendLeft(j), extendRight(j));
  return Interval(t, t);
}

// ---- writing ----

Key* keyAt(Param& p, TimeValue t) {
  for (Key& key : p.keys) {
    if (key.time == t) return &key;
  }
  return nullptr;
}

void insertKey(Param& p, TimeValue t, const Value& v) {
  if (Key* existing = keyAt(p, t)) {
    std::copy(v.v, v.v + 3, existing->value);
    return;
  }
  Key key{t, {v.v[0], v.v[1], v.v[2]}};
  auto at = std::lower_bound(p.keys.begin(), p.keys.end(), t,
                             [](const Key& k, TimeValue time) { return k.time < time; });
  p.keys.insert(at, key);
}

void write(Param& p, TimeValue t, const Value& v) {
  if (Animating() && p.animatable) {
    // Like Auto Key: the first key away from time 0 keeps the old value at time 0.
    if (p.keys.empty() && t != 0) insertKey(p, 0, fromArray(p.value));
    insertKey(p, t, v);
    return;
  }
  if (p.keys.empty()) {
    std::copy(v.v, v.v + 3, p.value);
    return;
  }
  if (Key* existing = keyAt(p, t)) {
    std::copy(v.v, v.v + 3, existing->value);
    return;
  }
  // No key at t: the whole track moves so that it passes through the new value at t.
  const Value now = evaluate(p, t);
  if (stepped(p.type)) {
    const int delta = bitsInt(v.v[0]) - bitsInt(now.v[0]);
    for (Key& key : p.keys) key.value[0] = intBits(bitsInt(key.value[0]) + delta);
    return;
  }
  for (Key& key : p.keys) {
    for (int c = 0; c < 3; ++c) key.value[c] += v.v[c] - now.v[c];
  }
}

// ---- undo ----

// Liveness of blocks, so that an undo record outliving its block does nothing instead of
// writing into freed memory. Only creation, deletion and undo touch it, never evaluation.
using BlockToken = std::shared_ptr<IParamBlock*>;

struct LiveBlocks {
  std::mutex lock;
  std::unordered_map<const IParamBlock*, BlockToken> tokens;
};

LiveBlocks& liveBlocks() {
  static auto* blocks = new LiveBlocks();  // lives to exit: blocks may outlast static destruction
  return *blocks;
}

BlockToken tokenOf(IParamBlock* block) {
  LiveBlocks& live = liveBlocks();
  std::lock_guard<std::mutex> guard(live.lock);
  BlockToken& token = live.tokens[block];
  if (!token) token = std::make_shared<IParamBlock*>(block);
  return token;
}

void forgetBlock(const IParamBlock* block) {
  LiveBlocks& live = liveBlocks();
  std::lock_guard<std::mutex> guard(live.lock);
  auto it = live.tokens.find(block);
  if (it == live.tokens.end()) return;
  *it->second = nullptr;
  live.tokens.erase(it);
}

// The whole parameter, value and keys, before and after one write.
class ParamRestore : public RestoreObj {
 public:
  ParamRestore(BlockToken block, int index, Param before, Param after)
      : block(std::move(block)), index(index), before(std::move(before)), after(std::move(after)) {}
  void Restore(int) override { apply(before); }
  void Redo() override { apply(after); }
  WStr Description() override { return WStr(L"Parameter"); }

 private:
  void apply(const Param& p) {
    if (IParamBlock* b = *block) b->setParam(index, p, TRUE);
  }
  BlockToken block;
  int index;
  Param before;
  Param after;
};

}  // namespace

void SetAnimateMode(BOOL on) { animateMode.store(on ? TRUE : FALSE, std::memory_order_relaxed); }
BOOL Animating() { return animateMode.load(std::memory_order_relaxed); }

// ---- IParamBlock ----

IParamBlock::IParamBlock(const ParamBlockDescID* desc, int count, DWORD version) : version(version) {
  for (int i = 0; i < count && desc != nullptr; ++i) {
    Param p{desc[i].type, desc[i].animatable, desc[i].id, {0.0f, 0.0f, 0.0f}, {}};
    params.push_back(p);
  }
}

IParamBlock::~IParamBlock() { forgetBlock(this); }

int IParamBlock::NumParams() const { return static_cast<int>(params.size()); }

ParamType IParamBlock::GetParameterType(int i) const { return param(i).type; }
BOOL IParamBlock::IsAnimatable(int i) const { return param(i).animatable; }
DWORD IParamBlock::GetParamID(int i) const { return param(i).id; }

int IParamBlock::IndexFromID(DWORD id) const {
  for (int i = 0; i < NumParams(); ++i) {
    if (params[static_cast<std::size_t>(i)].id == id) return i;
  }
  return -1;
}

DWORD IParamBlock::GetVersion() const { return version; }

const IParamBlock::Param& IParamBlock::param(int i) const {
  static const Param none{TYPE_FLOAT, FALSE, 0, {0.0f, 0.0f, 0.0f}, {}};
  if (i < 0 || i >= NumParams()) return none;
  return params[static_cast<std::size_t>(i)];
}

void IParamBlock::setParam(int i, const Param& p, BOOL notify) {
  if (i < 0 || i >= NumParams()) return;
  Param& stored = params[static_cast<std::size_t>(i)];
  stored = p;
  // Evaluation relies on time order, whatever the source of the keys.
  std::stable_sort(stored.keys.begin(), stored.keys.end(),
                   [](const Key& a, const Key& b) { return a.time < b.time; });
  if (notify) NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
}

namespace {

// Converts a written value to the parameter's stored form; false when the types do not meet.
bool storeFloat(ParamType type, float v, Value& out) {
  if (type == TYPE_FLOAT) {
    out.v[0] = v;
  } else if (stepped(type)) {
    out.v[0] = intBits(static_cast<int>(v));
  } else {
    return false;
  }
  return true;
}

bool storeInt(ParamType type, int v, Value& out) {
  if (type == TYPE_FLOAT) {
    out.v[0] = static_cast<float>(v);
  } else if (stepped(type)) {
    out.v[0] = intBits(v);
  } else {
    return false;
  }
  return true;
}

bool storeTriple(ParamType type, float a, float b, float c, Value& out) {
  if (type != TYPE_RGBA && type != TYPE_POINT3) return false;
  out.v[0] = a;
  out.v[1] = b;
  out.v[2] = c;
  return true;
}

}  // namespace

namespace {

// One write: records the parameter before and after while holding, then tells the dependents.
BOOL commit(IParamBlock& block, int i, TimeValue t, const Value& stored) {
  Param p = block.param(i);
  write(p, t, stored);
  if (theHold.Holding()) theHold.Put(new ParamRestore(tokenOf(&block), i, block.param(i), p));
  block.setParam(i, p, TRUE);
  return TRUE;
}

}  // namespace

BOOL IParamBlock::SetValue(int i, TimeValue t, float v) {
  Value stored;
  if (i < 0 || i >= NumParams() || !storeFloat(param(i).type, v, stored)) return FALSE;
  return commit(*this, i, t, stored);
}

BOOL IParamBlock::SetValue(int i, TimeValue t, int v) {
  Value stored;
  if (i < 0 || i >= NumParams() || !storeInt(param(i).type, v, stored)) return FALSE;
  return commit(*this, i, t, stored);
}

BOOL IParamBlock::SetValue(int i, TimeValue t, const Point3& v) {
  Value stored;
  if (i < 0 || i >= NumParams() || !storeTriple(param(i).type, v.x, v.y, v.z, stored)) return FALSE;
  return commit(*this, i, t, stored);
}

BOOL IParamBlock::SetValue(int i, TimeValue t, const Color& v) {
  Value stored;
  if (i < 0 || i >= NumParams() || !storeTriple(param(i).type, v.r, v.g, v.b, stored)) return FALSE;
  return commit(*this, i, t, stored);
}

BOOL IParamBlock::GetValue(int i, TimeValue t, float& v, Interval& valid) {
  if (i < 0 || i >= NumParams()) return FALSE;
  const Param& p = params[static_cast<std::size_t>(i)];
  if (p.type != TYPE_FLOAT && !stepped(p.type)) return FALSE;
  const Value now = evaluate(p, t);
  v = stepped(p.type) ? static_cast<float>(bitsInt(now.v[0])) : now.v[0];
  valid &= constancy(p, t);
  return TRUE;
}

BOOL IParamBlock::GetValue(int i, TimeValue t, int& v, Interval& valid) {
  if (i < 0 || i >= NumParams()) return FALSE;
  const Param& p = params[static_cast<std::size_t>(i)];
  if (p.type != TYPE_FLOAT && !stepped(p.type)) return FALSE;
  const Value now = evaluate(p, t);
  v = stepped(p.type) ? bitsInt(now.v[0]) : static_cast<int>(now.v[0]);
  valid &= constancy(p, t);
  return TRUE;
}

BOOL IParamBlock::GetValue(int i, TimeValue t, Point3& v, Interval& valid) {
  if (i < 0 || i >= NumParams()) return FALSE;
  const Param& p = params[static_cast<std::size_t>(i)];
  if (channels(p.type) != 3) return FALSE;
  const Value now = evaluate(p, t);
  v = Point3(now.v[0], now.v[1], now.v[2]);
  valid &= constancy(p, t);
  return TRUE;
}

BOOL IParamBlock::GetValue(int i, TimeValue t, Color& v, Interval& valid) {
  if (i < 0 || i >= NumParams()) return FALSE;
  const Param& p = params[static_cast<std::size_t>(i)];
  if (channels(p.type) != 3) return FALSE;
  const Value now = evaluate(p, t);
  v = Color(now.v[0], now.v[1], now.v[2]);
  valid &= constancy(p, t);
  return TRUE;
}

float IParamBlock::GetFloat(int i, TimeValue t) {
  float v = 0.0f;
  Interval valid = FOREVER;
  GetValue(i, t, v, valid);
  return v;
}

int IParamBlock::GetInt(int i, TimeValue t) {
  int v = 0;
  Interval valid = FOREVER;
  GetValue(i, t, v, valid);
  return v;
}

Point3 IParamBlock::GetPoint3(int i, TimeValue t) {
  Point3 v;
  Interval valid = FOREVER;
  GetValue(i, t, v, valid);
  return v;
}

Color IParamBlock::GetColor(int i, TimeValue t) {
  Color v;
  Interval valid = FOREVER;
  GetValue(i, t, v, valid);
  return v;
}

BOOL IParamBlock::KeyFrameAtTime(int i, TimeValue t) {
  if (i < 0 || i >= NumParams()) return FALSE;
  return keyAt(params[static_cast<std::size_t>(i)], t) != nullptr ? TRUE : FALSE;
}

BOOL IParamBlock::IsAnimated(int i) const { return param(i).keys.empty() ? FALSE : TRUE; }
int IParamBlock::NumKeys(int i) const { return static_cast<int>(param(i).keys.size()); }

TimeValue IParamBlock::GetKeyTime(int i, int key) const {
  const Param& p = param(i);
  if (key < 0 || key >= static_cast<int>(p.keys.size())) return 0;
  return p.keys[static_cast<std::size_t>(key)].time;
}

// The parameter keeps the value it had at time 0.
void IParamBlock::DeleteKeys(int i) {
  if (i < 0 || i >= NumParams() || params[static_cast<std::size_t>(i)].keys.empty()) return;
  Param& p = params[static_cast<std::size_t>(i)];
  const bool recording = theHold.Holding() != FALSE;
  const Param before = p;
  const Value atZero = evaluate(p, 0);
  std::copy(atZero.v, atZero.v + 3, p.value);
  p.keys.clear();
  if (recording) theHold.Put(new ParamRestore(tokenOf(this), i, before, p));
  NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
}

void IParamBlock::SwapControllers(int j, int k) {
  if (j < 0 || j >= NumParams() || k < 0 || k >= NumParams() || j == k) return;
  Param& a = params[static_cast<std::size_t>(j)];
  Param& b = params[static_cast<std::size_t>(k)];
  const bool recording = theHold.Holding() != FALSE;
  const Param beforeA = a;
  const Param beforeB = b;
  std::swap(a.value, b.value);
  std::swap(a.keys, b.keys);
  if (recording) {
    theHold.Put(new ParamRestore(tokenOf(this), j, beforeA, a));
    theHold.Put(new ParamRestore(tokenOf(this), k, beforeB, b));
  }
  NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
}

WStr IParamBlock::GetParamName(int i) {
  ::GetParamName request(WStr(L""), i);
  NotifyDependents(FOREVER, reinterpret_cast<PartID>(&request), REFMSG_GET_PARAM_NAME);
  return request.name;
}

ParamDimension* IParamBlock::GetParamDimension(int i) {
  ::GetParamDim request(nullptr, i);
  NotifyDependents(FOREVER, reinterpret_cast<PartID>(&request), REFMSG_GET_PARAM_DIM);
  return request.dim != nullptr ? request.dim : defaultDim;
}

Class_ID IParamBlock::ClassID() { return PARAMETER_BLOCK_CLASS; }
SClass_ID IParamBlock::SuperClassID() { return PARAMETER_BLOCK_CLASS_ID; }
void IParamBlock::GetClassName(WStr& s) { s = L"Parameters"; }

RefTargetHandle IParamBlock::Clone(RemapDir& remap) {
  auto* copy = new (std::nothrow) IParamBlock(nullptr, 0, version);
  if (copy == nullptr) return nullptr;
  copy->params = params;
  remap.AddEntry(this, copy);
  return copy;
}

// ---- creation ----

IParamBlock* CreateParameterBlock(const ParamBlockDescID* desc, int count, DWORD version) {
  return new (std::nothrow) IParamBlock(desc, count, version);
}

IParamBlock* CreateParameterBlock(const ParamBlockDesc* desc, int count) {
  std::vector<ParamBlockDescID> layout;
  for (int i = 0; i < count && desc != nullptr; ++i) {
    layout.push_back({desc[i].type, desc[i].user, desc[i].animatable, static_cast<DWORD>(i)});
  }
  return new (std::nothrow) IParamBlock(layout.data(), count, 0);
}
