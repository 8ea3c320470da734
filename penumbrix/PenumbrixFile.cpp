// The map's own part of the scene file: the common material data, the module's data version
// and the two sub-map switches. The block, the sub-maps and the Output object are references,
// which the host writes itself.
#include <cstdint>
#include <new>

#include "host/ChunkIO.h"
#include "host/ParamBlockPLCB.h"
#include "penumbrix/Penumbrix.h"
#include "penumbrix/PenumbrixIds.h"
#include "penumbrix/PenumbrixParams.h"

namespace {

IOResult WriteIntChunk(ISave* isave, USHORT id, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                  static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
  isave->BeginChunk(id);
  ULONG written = 0;
  IOResult res = isave->Write(bytes, sizeof bytes, &written);
  isave->EndChunk();
  if (res == IO_OK && written != sizeof bytes) res = IO_ERROR;
  return res;
}

// A chunk shorter than four bytes is an error; `value` is then left as it was.
IOResult ReadIntChunk(ILoad* iload, std::int32_t& value) {
  unsigned char bytes[4] = {};
  ULONG nread = 0;
  const IOResult res = iload->Read(bytes, sizeof bytes, &nread);
  if (res != IO_OK) return res;
  if (nread != sizeof bytes) return IO_ERROR;
  value = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
      static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
  return IO_OK;
}

// Converts an old block by parameter id through the host's generic conversion. A version-1
// block knew no amounts, and the conversion leaves new parameters at 0, which would shade
// every sample black; such a map gets both amounts at 1, the way it shaded before.
class PenumbrixPostLoad : public PostLoadCallback, public MaxHeapOperators {
 public:
  explicit PenumbrixPostLoad(Penumbrix* map) : map(map) {}

  void proc(ILoad* iload) override {
    const bool fromVersion1 =
        map->paramBlock != nullptr && map->paramBlock->GetVersion() == kPenumbrixOldBlockVersion;
    auto* conversion =
        new (std::nothrow) ParamBlockPLCB(kPenumbrixOldVersions, kPenumbrixOldVersionCount,
                                          &kPenumbrixCurrentVersion, map, Penumbrix::kRefParamBlock);
    if (conversion != nullptr) conversion->proc(iload);  // deletes itself
    if (fromVersion1 && map->paramBlock != nullptr &&
        map->paramBlock->GetVersion() == kPenumbrixBlockVersion) {
      // Plain values, not keys, whatever the animate mode.
      const BOOL animating = Animating();
      if (animating) AnimateOff();
      map->SetAmount(Penumbrix::kDark, 1.0f, 0);
      map->SetAmount(Penumbrix::kLit, 1.0f, 0);
      if (animating) AnimateOn();
    }
    delete this;
  }

  // The load failed before the callbacks ran.
  void Abandon() override { delete this; }

 private:
  Penumbrix* map;
};

}  // namespace

IOResult Penumbrix::Save(ISave* isave) {
  isave->BeginChunk(MTL_HDR_CHUNK);
  IOResult res = MtlBase::Save(isave);
  if (res != IO_OK) return res;
  isave->EndChunk();
  // The switches are stored inverted: 1 means off.
  const std::int32_t values[3] = {moduleDataVersion, mapOn[kDark] == 0 ? 1 : 0, mapOn[kLit] == 0 ? 1 : 0};
  const USHORT ids[3] = {kDataVersionChunk, kDarkMapOffChunk, kLitMapOffChunk};
  for (int i = 0; i < 3; ++i) {
    res = WriteIntChunk(isave, ids[i], values[i]);
    if (res != IO_OK) return res;
  }
  return IO_OK;
}

IOResult Penumbrix::Load(ILoad* iload) {
  auto* postLoad = new (std::nothrow) PenumbrixPostLoad(this);
  if (postLoad == nullptr) return IO_ERROR;
  iload->RegisterPostLoadCallback(postLoad);

  IOResult res;
  while ((res = iload->OpenChunk()) == IO_OK) {
    std::int32_t value = 0;
    switch (iload->CurChunkID()) {
      case MTL_HDR_CHUNK:
        res = MtlBase::Load(iload);
        break;
      case kDataVersionChunk:
        res = ReadIntChunk(iload, value);
        if (res == IO_OK) moduleDataVersion = value;
        break;
      case kDarkMapOffChunk:
        res = ReadIntChunk(iload, value);
        if (res == IO_OK) mapOn[kDark] = value == 0 ? 1 : 0;
        break;
      case kLitMapOffChunk:
        res = ReadIntChunk(iload, value);
        if (res == IO_OK) mapOn[kLit] = value == 0 ? 1 : 0;
        break;
      default:
        break;
    }
    const IOResult closed = iload->CloseChunk();
    if (res != IO_OK) return res;
    if (closed != IO_OK) return closed;
  }
  // Only the end of the chunks is a success; a chunk that does not fit is an error.
  return res == IO_END ? IO_OK : res;
}
