#pragma once
// The host's material and texture-map base classes.
#include "host/Color.h"
#include "host/Reference.h"
#include "host/ShadeContext.h"
#include "host/WinTypes.h"

class Texmap;
class Mtl;
class ParamDlg;
class IMtlParams;

constexpr ULONG MTLREQ_2SIDE = 0x1;
constexpr ULONG MTLREQ_WIRE = 0x2;
constexpr ULONG MTLREQ_UV = 0x80;
constexpr ULONG MTLREQ_SUPERSAMPLE = 0x200000;

// The host's material-header chunk, which plug-ins wrap around the common material data.
constexpr USHORT MTL_HDR_CHUNK = 0x4000;

// Sub-map slots of a material or map.
class HOSTAPI ISubMap {
public:
  virtual ~ISubMap();
  virtual int NumSubTexmaps();
  virtual Texmap* GetSubTexmap(int i);
  virtual int MapSlotType(int i);
  virtual void SetSubTexmap(int i, Texmap* m);
  virtual int SubTexmapOn(int i);
  virtual WStr GetSubTexmapSlotName(int i);
  virtual WStr GetSubTexmapTVName(int i);  // the slot name, as the track view shows it
  virtual void SetDlgThing(ParamDlg* dlg);
  virtual ReferenceTarget* GetRefTarget() = 0;
};

constexpr int MAPSLOT_TEXTURE = 0;

// Common data of materials and maps: name and G-buffer id.
class HOSTAPI MtlBase : public ReferenceTarget, public ISubMap {
public:
  MtlBase();
  ~MtlBase() override;

  int gbufID = 0;

  const WStr& GetName() const;
  void SetName(const WStr& n);
  WStr GetFullName();  // "name ( class name )"
  MtlBase& operator=(const MtlBase& m);  // copies the common data only

  // The common data, as plug-ins save it inside their own chunk (or at their top level).
  IOResult Save(ISave* isave) override;
  IOResult Load(ILoad* iload) override;

  virtual void Update(TimeValue t, Interval& valid) = 0;
  virtual void Reset() = 0;
  virtual Interval Validity(TimeValue t) = 0;
  virtual ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) = 0;
  // LocalRequirements of this object with the requirements of its sub-maps.
  virtual ULONG Requirements(int subMtlNum);
  virtual ULONG LocalRequirements(int subMtlNum);

  ReferenceTarget* GetRefTarget() override;

private:
  WStr name;
};

class HOSTAPI Mtl : public MtlBase {
public:
  Mtl();
  ~Mtl() override;
  SClass_ID SuperClassID() override;

  virtual Color GetAmbient(int mtlNum = 0, BOOL backFace = FALSE) = 0;
  virtual Color GetDiffuse(int mtlNum = 0, BOOL backFace = FALSE) = 0;
  virtual Color GetSpecular(int mtlNum = 0, BOOL backFace = FALSE) = 0;
  virtual float GetShininess(int mtlNum = 0, BOOL backFace = FALSE) = 0;
  virtual float GetShinStr(int mtlNum = 0, BOOL backFace = FALSE) = 0;
  virtual float GetXParency(int mtlNum = 0, BOOL backFace = FALSE) = 0;
  virtual float WireSize(int mtlNum = 0, BOOL backFace = FALSE);
  virtual void SetAmbient(Color c, TimeValue t) = 0;
  virtual void SetDiffuse(Color c, TimeValue t) = 0;
  virtual void SetSpecular(Color c, TimeValue t) = 0;
  virtual void SetShininess(float v, TimeValue t) = 0;

  virtual void Shade(ShadeContext& sc) = 0;
  virtual float EvalDisplacement(ShadeContext& sc);
  virtual Interval DisplacementValidity(TimeValue t);

  virtual int NumSubMtls();
  virtual Mtl* GetSubMtl(int i);
  virtual void SetSubMtl(int i, Mtl* m);
  virtual WStr GetSubMtlSlotName(int i);

  // Adds the requirements of the sub-materials.
  ULONG Requirements(int subMtlNum) override;
};

class HOSTAPI Texmap : public MtlBase {
public:
  Texmap();
  ~Texmap() override;
  SClass_ID SuperClassID() override;

  virtual AColor EvalColor(ShadeContext& sc) = 0;
  virtual float EvalMono(ShadeContext& sc);  // the mean of EvalColor's r, g, b
  virtual Point3 EvalNormalPerturb(ShadeContext& sc) = 0;
  virtual void SetOutputLevel(TimeValue t, float v);
};
