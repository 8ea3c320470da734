// The host's standard material: Lambert diffuse weighted by each light's diffuse weight, plus a
// Blinn highlight, over the sample's lights. Its values are not animated; they are kept as
// plain members and saved as its own chunks, its maps as references.
#include "host/StdMat.h"

#include <cmath>
#include <new>

#include "host/BuiltinClasses.h"
#include "host/ChunkIO.h"
#include "host/HostChunkIds.h"
#include "host/ValueChunks.h"

namespace {

// References, one per map slot that takes a map.
constexpr int kDiffuseRef = 0;
constexpr int kSelfIllumRef = 1;
constexpr int kNumRefs = 2;
constexpr int kSlotOfRef[kNumRefs] = {ID_DI, ID_SI};

int RefOfSlot(int slot) {
  for (int r = 0; r < kNumRefs; ++r) {
    if (kSlotOfRef[r] == slot) return r;
  }
  return -1;
}

const wchar_t* SlotName(int ref) { return ref == kDiffuseRef ? L"Diffuse Color" : L"Self-Illumination"; }

// 150/255, the grey of a new material.
constexpr float kDefaultGrey = 150.0f / 255.0f;

class StandardMtl : public StdMat {
 public:
  StandardMtl() { SetDefaults(); }

  Class_ID ClassID() override { return DMTL_CLASS_ID; }
  void GetClassName(WStr& s) override { s = L"Standard"; }

  int NumRefs() override { return kNumRefs; }
  RefTargetHandle GetReference(int i) override { return i >= 0 && i < kNumRefs ? maps[i] : nullptr; }
  int NumSubs() override { return kNumRefs; }
  Animatable* SubAnim(int i) override { return GetReference(i); }
  WStr SubAnimName(int i) override { return i >= 0 && i < kNumRefs ? WStr(SlotName(i)) : WStr(); }
  int SubNumToRefNum(int subNum) override { return subNum; }

  // Slots are numbered by the host's map ids; only the diffuse and self-illumination slots take maps.
  int NumSubTexmaps() override { return ID_SI + 1; }
  Texmap* GetSubTexmap(int i) override {
    const int r = RefOfSlot(i);
    return r < 0 ? nullptr : maps[r];
  }
  void SetSubTexmap(int i, Texmap* m) override {
    const int r = RefOfSlot(i);
    if (r >= 0) ReplaceReference(r, m);
  }
  int SubTexmapOn(int i) override {
    const int r = RefOfSlot(i);
    return r >= 0 && MapActive(r) ? 1 : 0;
  }
  WStr GetSubTexmapSlotName(int i) override {
    const int r = RefOfSlot(i);
    return r < 0 ? WStr() : WStr(SlotName(r));
  }

  void Update(TimeValue t, Interval& valid) override {
    for (Texmap* map : maps) {
      if (map != nullptr) map->Update(t, valid);
    }
  }
  Interval Validity(TimeValue t) override {
    Interval v = FOREVER;
    for (Texmap* map : maps) {
      if (map != nullptr) v &= map->Validity(t);
    }
    return v;
  }
  void Reset() override {
    for (int r = 0; r < kNumRefs; ++r) ReplaceReference(r, nullptr);
    SetDefaults();
    Changed();
  }
  // The stand-in host has no editor panel for its own material.
  ParamDlg* CreateParamDlg(HWND /*hwMtlEdit*/, IMtlParams* /*imp*/) override { return nullptr; }

  Color GetAmbient(int /*mtlNum*/, BOOL /*backFace*/) override { return ambient; }
  Color GetDiffuse(int /*mtlNum*/, BOOL /*backFace*/) override { return diffuse; }
  Color GetSpecular(int /*mtlNum*/, BOOL /*backFace*/) override { return specular; }
  float GetShininess(int /*mtlNum*/, BOOL /*backFace*/) override { return glossiness; }
  float GetShinStr(int /*mtlNum*/, BOOL /*backFace*/) override { return shinStr; }
  float GetXParency(int /*mtlNum*/, BOOL /*backFace*/) override { return 1.0f - opacity; }

  void SetAmbient(Color c, TimeValue /*t*/) override { Set(ambient, c); }
  void SetDiffuse(Color c, TimeValue /*t*/) override { Set(diffuse, c); }
  void SetSpecular(Color c, TimeValue /*t*/) override { Set(specular, c); }
  void SetShininess(float v, TimeValue t) override { SetGlossiness(v, t); }
  void SetGlossiness(float v, TimeValue /*t*/) override { Set(glossiness, v); }
  void SetShinStr(float v, TimeValue /*t*/) override { Set(shinStr, v); }
  void SetOpacity(float v, TimeValue /*t*/) override { Set(opacity, v); }
  void SetSelfIllum(float v, TimeValue /*t*/) override { Set(selfIllum, v); }
  float GetGlossiness(TimeValue /*t*/) override { return glossiness; }
  float GetOpacity(TimeValue /*t*/) override { return opacity; }
  float GetSelfIllum(TimeValue /*t*/) override { return selfIllum; }
  void SetTexmapAmt(int slot, float amount, TimeValue /*t*/) override {
    const int r = RefOfSlot(slot);
    if (r >= 0) Set(mapAmount[r], amount);
  }
  void EnableMap(int slot, BOOL on) override {
    const int r = RefOfSlot(slot);
    if (r >= 0) Set(mapOn[r], on ? TRUE : FALSE);
  }

  // Writes the colour (scaled by the opacity) and the transparency of the sample.
  void Shade(ShadeContext& sc) override {
    if (gbufID != 0) sc.SetGBufferID(gbufID);

    Color diffuseColor = diffuse;
    if (MapActive(kDiffuseRef)) {
      const float amount = mapAmount[kDiffuseRef];
      diffuseColor = diffuse * (1.0f - amount) + maps[kDiffuseRef]->EvalColor(sc).rgb() * amount;
    }
    float selfIllumAmount = selfIllum;
    if (MapActive(kSelfIllumRef)) {
      const float amount = mapAmount[kSelfIllumRef];
      selfIllumAmount = selfIllum * (1.0f - amount) + maps[kSelfIllumRef]->EvalMono(sc) * amount;
    }

    Point3 normal = sc.Normal();
    const Point3 towardsEye = -sc.V();
    Color diffuseLight;
    Color specularLight;
    for (int i = 0; i < sc.nLights; ++i) {
      LightDesc* light = sc.Light(i);
      if (light == nullptr) continue;
      Color lightColor;
      Point3 dir;
      float dotNL = 0.0f;
      float diffuseCoef = 0.0f;
      if (!light->Illuminate(sc, normal, lightColor, dir, dotNL, diffuseCoef)) continue;
      if (!(diffuseCoef > 0.0f)) continue;
      diffuseLight += lightColor * diffuseCoef;
      if (shinStr != 0.0f) {
        const float nh = normal % Normalize(dir + towardsEye);
        if (nh > 0.0f) specularLight += lightColor * std::pow(nh, specExponent);
      }
    }

    const Color lit = ambient * sc.AmbientLight() + diffuseColor * diffuseLight;
    const Color c =
        diffuseColor * selfIllumAmount + lit * (1.0f - selfIllumAmount) + specular * specularLight * shinStr;
    const float transparency = 1.0f - opacity;
    sc.out.c = c * opacity;
    sc.out.t = Color(transparency, transparency, transparency);
  }

  RefTargetHandle Clone(RemapDir& remap) override {
    auto* copy = new (std::nothrow) StandardMtl();
    if (copy == nullptr) return nullptr;
    copy->MtlBase::operator=(*this);
    copy->CopyValues(*this);
    for (int r = 0; r < kNumRefs; ++r) {
      if (maps[r] != nullptr) copy->ReplaceReference(r, remap.CloneRef(maps[r]));
    }
    return copy;
  }

  IOResult Save(ISave* isave) override {
    isave->BeginChunk(MTL_HDR_CHUNK);
    IOResult res = MtlBase::Save(isave);
    isave->EndChunk();
    const float colors[9] = {ambient.r, ambient.g,  ambient.b,  diffuse.r, diffuse.g,
                             diffuse.b, specular.r, specular.g, specular.b};
    const float values[4] = {glossiness, shinStr, opacity, selfIllum};
    const std::uint32_t slots[4] = {
        valuechunks::FloatBits(mapAmount[kDiffuseRef]), static_cast<std::uint32_t>(mapOn[kDiffuseRef]),
        valuechunks::FloatBits(mapAmount[kSelfIllumRef]), static_cast<std::uint32_t>(mapOn[kSelfIllumRef])};
    if (res == IO_OK) res = valuechunks::WriteFloatsChunk(isave, STDMAT_COLORS_CHUNK, colors, 9);
    if (res == IO_OK) res = valuechunks::WriteFloatsChunk(isave, STDMAT_VALUES_CHUNK, values, 4);
    if (res == IO_OK) res = valuechunks::WriteWordsChunk(isave, STDMAT_MAPS_CHUNK, slots, 4);
    return res;
  }

  // Values missing from the file keep their defaults; chunks of other ids are skipped.
  IOResult Load(ILoad* iload) override {
    IOResult res = IO_OK;
    while ((res = iload->OpenChunk()) == IO_OK) {
      switch (iload->CurChunkID()) {
        case MTL_HDR_CHUNK:
          res = MtlBase::Load(iload);
          break;
        case STDMAT_COLORS_CHUNK: {
          float v[9] = {};
          res = valuechunks::ReadFloats(iload, v, 9);
          if (res == IO_OK) {
            ambient = Color(v[0], v[1], v[2]);
            diffuse = Color(v[3], v[4], v[5]);
            specular = Color(v[6], v[7], v[8]);
          }
          break;
        }
        case STDMAT_VALUES_CHUNK: {
          float v[4] = {};
          res = valuechunks::ReadFloats(iload, v, 4);
          if (res == IO_OK) {
            glossiness = v[0];
            shinStr = v[1];
            opacity = v[2];
            selfIllum = v[3];
          }
          break;
        }
        case STDMAT_MAPS_CHUNK: {
          std::uint32_t w[4] = {};
          res = valuechunks::ReadWords(iload, w, 4);
          if (res == IO_OK) {
            mapAmount[kDiffuseRef] = valuechunks::BitsFloat(w[0]);
            mapOn[kDiffuseRef] = w[1] != 0 ? TRUE : FALSE;
            mapAmount[kSelfIllumRef] = valuechunks::BitsFloat(w[2]);
            mapOn[kSelfIllumRef] = w[3] != 0 ? TRUE : FALSE;
          }
          break;
        }
        default:
          break;
      }
      const IOResult closed = iload->CloseChunk();
      if (res != IO_OK) break;
      res = closed;
      if (res != IO_OK) break;
    }
    Refresh();
    return res == IO_END ? IO_OK : res;
  }

 protected:
  // Only a map can stand in a map slot; anything else leaves the slot empty.
  void SetReference(int i, RefTargetHandle target) override {
    if (i < 0 || i >= kNumRefs) return;
    maps[i] = target != nullptr && target->SuperClassID() == TEXMAP_CLASS_ID ? static_cast<Texmap*>(target)
                                                                             : nullptr;
  }

 private:
  bool MapActive(int r) const { return maps[r] != nullptr && mapOn[r]; }

  void SetDefaults() {
    ambient = Color(kDefaultGrey, kDefaultGrey, kDefaultGrey);
    diffuse = Color(kDefaultGrey, kDefaultGrey, kDefaultGrey);
    specular = Color(0.9f, 0.9f, 0.9f);
    glossiness = 0.1f;
    shinStr = 0.0f;
    opacity = 1.0f;
    selfIllum = 0.0f;
    for (int r = 0; r < kNumRefs; ++r) {
      mapAmount[r] = 1.0f;
      mapOn[r] = TRUE;
    }
    Refresh();
  }

  void CopyValues(const StandardMtl& o) {
    ambient = o.ambient;
    diffuse = o.diffuse;
    specular = o.specular;
    glossiness = o.glossiness;
    shinStr = o.shinStr;
    opacity = o.opacity;
    selfIllum = o.selfIllum;
    for (int r = 0; r < kNumRefs; ++r) {
      mapAmount[r] = o.mapAmount[r];
      mapOn[r] = o.mapOn[r];
    }
    Refresh();
  }

  // The highlight's exponent follows the glossiness: 1 at 0, 1024 at 1. Kept out of Shade.
  void Refresh() { specExponent = std::pow(2.0f, 10.0f * glossiness); }

  template <class T>
  void Set(T& member, const T& value) {
    member = value;
    Changed();
  }

  // Materials above cache what they read of this one; a changed value must reach them.
  void Changed() {
    Refresh();
    NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
  }

  Texmap* maps[kNumRefs] = {};
  Color ambient;
  Color diffuse;
  Color specular;
  float glossiness = 0.0f;
  float shinStr = 0.0f;
  float opacity = 1.0f;
  float selfIllum = 0.0f;
  float mapAmount[kNumRefs] = {};
  BOOL mapOn[kNumRefs] = {};
  float specExponent = 1.0f;
};

class StdMatDesc : public ClassDesc {
 public:
  int IsPublic() override { return 1; }
  void* Create(BOOL /*loading*/) override { return new (std::nothrow) StandardMtl(); }
  const wchar_t* ClassName() override { return L"Standard"; }
  SClass_ID SuperClassID() override { return MATERIAL_CLASS_ID; }
  Class_ID ClassID() override { return DMTL_CLASS_ID; }
  const wchar_t* Category() override { return L""; }
};

}  // namespace

StdMat::~StdMat() = default;

StdMat* NewDefaultStdMat() { return new (std::nothrow) StandardMtl(); }

ClassDesc* StdMatClassDesc() {
  static StdMatDesc desc;
  return &desc;
}
