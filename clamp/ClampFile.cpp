// The material's own scene-file data: the common material record inside the header chunk.
// The block and the source material travel as references 0 and 1.
#include "clamp/Clamp.h"
#include "host/ChunkIO.h"

IOResult Clamp::Save(ISave* isave) {
  isave->BeginChunk(MTL_HDR_CHUNK);
  const IOResult res = MtlBase::Save(isave);
  if (res != IO_OK) return res;
  isave->EndChunk();
  return IO_OK;
}

IOResult Clamp::Load(ILoad* iload) {
  IOResult opened;
  while ((opened = iload->OpenChunk()) == IO_OK) {
    IOResult res = IO_OK;
    // Chunks of other ids are skipped.
    if (iload->CurChunkID() == MTL_HDR_CHUNK) res = MtlBase::Load(iload);
    iload->CloseChunk();
    if (res != IO_OK) return res;
  }
  // IO_END: every chunk read. A chunk that could not be opened is damage, not the end.
  return opened == IO_END ? IO_OK : opened;
}
