// The host's material and map base classes: the common data every material and map carries,
// and the defaults a plug-in keeps when it overrides nothing.
#include "host/Materials.h"

#include "host/ChunkIO.h"
#include "host/HostChunkIds.h"
#include "host/ValueChunks.h"

ISubMap::~ISubMap() = default;
int ISubMap::NumSubTexmaps() { return 0; }
Texmap* ISubMap::GetSubTexmap(int /*i*/) { return nullptr; }
int ISubMap::MapSlotType(int /*i*/) { return MAPSLOT_TEXTURE; }
void ISubMap::SetSubTexmap(int /*i*/, Texmap* /*m*/) {}
int ISubMap::SubTexmapOn(int /*i*/) { return 1; }
WStr ISubMap::GetSubTexmapSlotName(int /*i*/) { return WStr(); }
WStr ISubMap::GetSubTexmapTVName(int i) { return GetSubTexmapSlotName(i); }
void ISubMap::SetDlgThing(ParamDlg* /*dlg*/) {}

MtlBase::MtlBase() = default;
MtlBase::~MtlBase() = default;

const WStr& MtlBase::GetName() const { return name; }
void MtlBase::SetName(const WStr& n) { name = n; }

WStr MtlBase::GetFullName() {
  WStr className;
  GetClassName(className);
  return name + WStr(L" ( ") + className + WStr(L" )");
}

MtlBase& MtlBase::operator=(const MtlBase& m) {
  name = m.name;
  gbufID = m.gbufID;
  return *this;
}

IOResult MtlBase::Save(ISave* isave) {
  isave->BeginChunk(MTLBASE_NAME_CHUNK);
  const IOResult res = isave->WriteWString(name.data());
  isave->EndChunk();
  if (res != IO_OK) return res;
  return valuechunks::WriteIntChunk(isave, MTLBASE_GBUFID_CHUNK, gbufID);
}

// Chunks of other ids are skipped, so data added by a later version does not stop an older reader.
IOResult MtlBase::Load(ILoad* iload) {
  IOResult res = IO_OK;
  while ((res = iload->OpenChunk()) == IO_OK) {
    switch (iload->CurChunkID()) {
      case MTLBASE_NAME_CHUNK: {
        WStr loaded;
        res = iload->ReadWStringChunk(loaded);
        if (res == IO_OK) name = loaded;
        break;
      }
      case MTLBASE_GBUFID_CHUNK:
        res = valuechunks::ReadInt(iload, gbufID);
        break;
      default:
        break;
    }
    const IOResult closed = iload->CloseChunk();
    if (res != IO_OK) return res;
    if (closed != IO_OK) return closed;
  }
  return res == IO_END ? IO_OK : res;
}

ULONG MtlBase::Requirements(int subMtlNum) {
  ULONG req = LocalRequirements(subMtlNum);
  const int maps = NumSubTexmaps();
  for (int i = 0; i < maps; ++i) {
    Texmap* map = GetSubTexmap(i);
    if (map != nullptr && SubTexmapOn(i)) req |= map->Requirements(subMtlNum);
  }
  return req;
}

ULONG MtlBase::LocalRequirements(int /*subMtlNum*/) { return 0; }

ReferenceTarget* MtlBase::GetRefTarget() { return this; }

Mtl::Mtl() = default;
Mtl::~Mtl() = default;
SClass_ID Mtl::SuperClassID() { return MATERIAL_CLASS_ID; }
float Mtl::WireSize(int /*mtlNum*/, BOOL /*backFace*/) { return 1.0f; }
float Mtl::EvalDisplacement(ShadeContext& /*sc*/) { return 0.0f; }
Interval Mtl::DisplacementValidity(TimeValue /*t*/) { return FOREVER; }
int Mtl::NumSubMtls() { return 0; }
Mtl* Mtl::GetSubMtl(int /*i*/) { return nullptr; }
void Mtl::SetSubMtl(int /*i*/, Mtl* /*m*/) {}
WStr Mtl::GetSubMtlSlotName(int /*i*/) { return WStr(); }

ULONG Mtl::Requirements(int subMtlNum) {
  ULONG req = MtlBase::Requirements(subMtlNum);
  const int subs = NumSubMtls();
  for (int i = 0; i < subs; ++i) {
    Mtl* sub = GetSubMtl(i);
    if (sub != nullptr) req |= sub->Requirements(subMtlNum);
  }
  return req;
}

Texmap::Texmap() = default;
Texmap::~Texmap() = default;
SClass_ID Texmap::SuperClassID() { return TEXMAP_CLASS_ID; }

float Texmap::EvalMono(ShadeContext& sc) {
  const AColor c = EvalColor(sc);
  return (c.r + c.g + c.b) / 3.0f;
}

void Texmap::SetOutputLevel(TimeValue /*t*/, float /*v*/) {}
