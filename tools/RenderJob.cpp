#include "tools/RenderJob.h"

#include <cstdint>
#include <new>

#include "host/ChunkIO.h"
#include "host/ValueChunks.h"

namespace {

// Exactly n words: a chunk of another length is an error.
IOResult ReadExactWords(ILoad* iload, std::uint32_t* words, int n) {
  if (iload->CurChunkLength() != static_cast<ULONG>(4 * n)) return IO_ERROR;
  return valuechunks::ReadWords(iload, words, n);
}

bool ValidSide(std::uint32_t v) { return v >= 1 && v <= static_cast<std::uint32_t>(kMaxImageSide); }

class RenderJobDesc : public ClassDesc {
 public:
  int IsPublic() override { return 0; }
  void* Create(BOOL /*loading*/) override { return new (std::nothrow) RenderJob(); }
  const wchar_t* ClassName() override { return L"Render Job"; }
  SClass_ID SuperClassID() override { return REF_TARGET_CLASS_ID; }
  Class_ID ClassID() override { return RENDER_JOB_CLASS_ID; }
  const wchar_t* Category() override { return L""; }
};

}  // namespace

ClassDesc* RenderJobClassDesc() {
  static RenderJobDesc desc;
  return &desc;
}

void RenderJob::GetClassName(WStr& s) { s = L"Render Job"; }

void RenderJob::SetSlotCount(int n) {
  if (n < 0) n = 0;
  if (n > kMaxJobSlots) n = kMaxJobSlots;
  for (int i = n; i < SlotCount(); ++i) DeleteReference(i);
  slots.resize(static_cast<std::size_t>(n), nullptr);
}

void RenderJob::SetMaterial(int slot, Mtl* m) {
  if (slot >= 0 && slot < SlotCount()) ReplaceReference(slot, m);
}

Mtl* RenderJob::Material(int slot) const {
  return slot >= 0 && slot < static_cast<int>(slots.size()) ? slots[static_cast<std::size_t>(slot)] : nullptr;
}

std::vector<Mtl*> RenderJob::Materials() const { return slots; }

RefTargetHandle RenderJob::GetReference(int i) { return Material(i); }

void RenderJob::SetReference(int i, RefTargetHandle target) {
  if (i < 0 || i >= SlotCount()) return;
  // Only a material fills a slot.
  slots[static_cast<std::size_t>(i)] =
      target != nullptr && target->SuperClassID() == MATERIAL_CLASS_ID ? static_cast<Mtl*>(target) : nullptr;
}

IOResult RenderJob::Save(ISave* isave) {
  const std::uint32_t layoutWord = static_cast<std::uint32_t>(layout);
  const std::uint32_t size[2] = {static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)};
  const std::uint32_t timeWord = static_cast<std::uint32_t>(time);
  const std::uint32_t slotWord = static_cast<std::uint32_t>(SlotCount());
  IOResult res = valuechunks::WriteWordsChunk(isave, JOB_SLOTS_CHUNK, &slotWord, 1);
  if (res == IO_OK) res = valuechunks::WriteWordsChunk(isave, JOB_LAYOUT_CHUNK, &layoutWord, 1);
  if (res == IO_OK) res = valuechunks::WriteWordsChunk(isave, JOB_SIZE_CHUNK, size, 2);
  if (res == IO_OK) res = valuechunks::WriteWordsChunk(isave, JOB_TIME_CHUNK, &timeWord, 1);
  return res;
}

IOResult RenderJob::Load(ILoad* iload) {
  IOResult res = IO_OK;
  while ((res = iload->OpenChunk()) == IO_OK) {
    std::uint32_t w[2] = {};
    switch (iload->CurChunkID()) {
      case JOB_SLOTS_CHUNK:
        res = ReadExactWords(iload, w, 1);
        if (res == IO_OK && w[0] > static_cast<std::uint32_t>(kMaxJobSlots)) res = IO_ERROR;
        if (res == IO_OK) SetSlotCount(static_cast<int>(w[0]));
        break;
      case JOB_LAYOUT_CHUNK: {
        res = ReadExactWords(iload, w, 1);
        LayoutId id;
        if (res == IO_OK && !LayoutFromNumber(static_cast<int>(w[0] & 0x7FFFFFFFu), id)) res = IO_ERROR;
        if (res == IO_OK && w[0] > 0x7FFFFFFFu) res = IO_ERROR;
        if (res == IO_OK) layout = id;
        break;
      }
      case JOB_SIZE_CHUNK:
        res = ReadExactWords(iload, w, 2);
        if (res == IO_OK && !(ValidSide(w[0]) && ValidSide(w[1]))) res = IO_ERROR;
        if (res == IO_OK) width = static_cast<int>(w[0]), height = static_cast<int>(w[1]);
        break;
      case JOB_TIME_CHUNK:
        res = ReadExactWords(iload, w, 1);
        if (res == IO_OK) time = static_cast<TimeValue>(w[0]);
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
