// A parameter block's own data in the scene file: its layout, then each parameter's
// definition, unanimated value and keys.
#include <cstring>
#include <new>

#include "host/BuiltinClasses.h"
#include "host/ChunkIO.h"
#include "host/ParamBlock.h"
#include "host/SceneFormat.h"

namespace {

std::uint32_t floatBits(float f) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

float bitsFloat(std::uint32_t bits) {
  float f = 0.0f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

void putU32(ISave* isave, std::uint32_t v) {
  const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                              static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
  ULONG n = 0;
  isave->Write(b, sizeof b, &n);
}

IOResult getU32(ILoad* iload, std::uint32_t& v) {
  unsigned char b[4] = {};
  ULONG n = 0;
  const IOResult r = iload->Read(b, sizeof b, &n);
  v = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
      (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  return r == IO_OK && n == sizeof b ? IO_OK : IO_ERROR;
}

IOResult getTriple(ILoad* iload, float (&v)[3]) {
  for (float& f : v) {
    std::uint32_t bits = 0;
    if (getU32(iload, bits) != IO_OK) return IO_ERROR;
    f = bitsFloat(bits);
  }
  return IO_OK;
}

bool knownType(std::uint32_t t) { return t <= TYPE_BOOL; }

// Reads the chunks of one parameter. Its definition must come first.
IOResult loadParam(ILoad* iload, IParamBlock::Param& p) {
  bool defined = false;
  IOResult r = IO_OK;
  while (r == IO_OK && (r = iload->OpenChunk()) == IO_OK) {
    switch (iload->CurChunkID()) {
      case scenefile::kParamDefChunk: {
        std::uint32_t type = 0, animatable = 0, id = 0;
        if (iload->CurChunkLength() != scenefile::kParamDefSize || getU32(iload, type) != IO_OK ||
            getU32(iload, animatable) != IO_OK || getU32(iload, id) != IO_OK || !knownType(type) ||
            animatable > 1) {
          return IO_ERROR;
        }
        p.type = static_cast<ParamType>(type);
        p.animatable = static_cast<BOOL>(animatable);
        p.id = id;
        defined = true;
        break;
      }
      case scenefile::kParamValueChunk:
        if (iload->CurChunkLength() != scenefile::kParamValueSize || getTriple(iload, p.value) != IO_OK) {
          return IO_ERROR;
        }
        break;
      case scenefile::kParamKeysChunk: {
        const ULONG length = iload->CurChunkLength();
        if (!defined || length % scenefile::kKeyRecordSize != 0) return IO_ERROR;
        p.keys.clear();
        for (ULONG k = 0; k < length / scenefile::kKeyRecordSize; ++k) {
          IParamBlock::Key key{};
          std::uint32_t time = 0;
          if (getU32(iload, time) != IO_OK || getTriple(iload, key.value) != IO_OK) return IO_ERROR;
          key.time = static_cast<TimeValue>(time);
          // Interpolation looks keys up by time: they must stand in strictly rising order.
          if (!p.keys.empty() && key.time <= p.keys.back().time) return IO_ERROR;
          p.keys.push_back(key);
        }
        break;
      }
      default:
        break;  // a later format's addition
    }
    r = iload->CloseChunk();
  }
  if (r == IO_ERROR || !defined) return IO_ERROR;
  if (!p.animatable && !p.keys.empty()) return IO_ERROR;
  return IO_OK;
}

class ParamBlockDescriptor : public ClassDesc {
 public:
  int IsPublic() override { return 0; }
  // An empty block; Load gives it its layout.
  void* Create(BOOL) override { return new (std::nothrow) IParamBlock(nullptr, 0, 0); }
  const wchar_t* ClassName() override { return L"Parameters"; }
  SClass_ID SuperClassID() override { return PARAMETER_BLOCK_CLASS_ID; }
  Class_ID ClassID() override { return PARAMETER_BLOCK_CLASS; }
  const wchar_t* Category() override { return L""; }
};

}  // namespace

IOResult IParamBlock::Save(ISave* isave) {
  isave->BeginChunk(scenefile::kBlockLayoutChunk);
  putU32(isave, version);
  putU32(isave, static_cast<std::uint32_t>(params.size()));
  isave->EndChunk();
  for (const Param& p : params) {
    isave->BeginChunk(scenefile::kBlockParamChunk);
    isave->BeginChunk(scenefile::kParamDefChunk);
    putU32(isave, static_cast<std::uint32_t>(p.type));
    putU32(isave, p.animatable ? 1u : 0u);
    putU32(isave, p.id);
    isave->EndChunk();
    isave->BeginChunk(scenefile::kParamValueChunk);
    for (float f : p.value) putU32(isave, floatBits(f));
    isave->EndChunk();
    if (!p.keys.empty()) {
      isave->BeginChunk(scenefile::kParamKeysChunk);
      for (const Key& k : p.keys) {
        putU32(isave, static_cast<std::uint32_t>(k.time));
        for (float f : k.value) putU32(isave, floatBits(f));
      }
      isave->EndChunk();
    }
    isave->EndChunk();
  }
  return IO_OK;
}

IOResult IParamBlock::Load(ILoad* iload) {
  // Built aside and taken over only when the whole block has been read.
  std::vector<Param> loaded;
  std::uint32_t loadedVersion = 0;
  std::uint32_t count = 0;
  bool haveLayout = false;
  IOResult r = IO_OK;
  while (r == IO_OK && (r = iload->OpenChunk()) == IO_OK) {
    switch (iload->CurChunkID()) {
      case scenefile::kBlockLayoutChunk:
        if (haveLayout || iload->CurChunkLength() != scenefile::kBlockLayoutSize ||
            getU32(iload, loadedVersion) != IO_OK || getU32(iload, count) != IO_OK) {
          return IO_ERROR;
        }
        haveLayout = true;
        break;
      case scenefile::kBlockParamChunk: {
        if (!haveLayout || loaded.size() >= count) return IO_ERROR;
        Param p{TYPE_FLOAT, FALSE, 0, {0.0f, 0.0f, 0.0f}, {}};
        if (loadParam(iload, p) != IO_OK) return IO_ERROR;
        loaded.push_back(p);
        break;
      }
      default:
        break;
    }
    r = iload->CloseChunk();
  }
  if (r == IO_ERROR || !haveLayout || loaded.size() != count) return IO_ERROR;
  params.swap(loaded);
  version = loadedVersion;
  return IO_OK;
}

ClassDesc* ParamBlockClassDesc() {
  static ParamBlockDescriptor descriptor;
  return &descriptor;
}
