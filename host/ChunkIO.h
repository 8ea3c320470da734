#pragma once
// The chunked scene-file interface objects save into and load from.
#include "host/MaxTypes.h"

class ILoad;

class HOSTAPI PostLoadCallback {
 public:
  virtual ~PostLoadCallback();
  virtual void proc(ILoad* iload) = 0;  // runs once every object and reference is restored
  virtual int Priority();               // lower runs first; 5 by default
  // Called instead of proc when the load fails before the callbacks run; a callback that
  // owns itself deletes itself here. The default does nothing.
  virtual void Abandon();
};

class HOSTAPI ISave {
 public:
  virtual ~ISave();
  virtual void BeginChunk(USHORT id) = 0;
  virtual void EndChunk() = 0;
  virtual IOResult Write(const void* buf, ULONG nbytes, ULONG* nwritten) = 0;
  // A string as UTF-16 code units, without terminator, filling the current chunk.
  virtual IOResult WriteWString(const wchar_t* str) = 0;
};

class HOSTAPI ILoad {
 public:
  virtual ~ILoad();
  // IO_OK with the next chunk of the current level open, IO_END when none is left,
  // IO_ERROR for a chunk whose header or length does not fit.
  virtual IOResult OpenChunk() = 0;
  virtual USHORT CurChunkID() = 0;
  virtual ULONG CurChunkLength() = 0;  // bytes of data in the open chunk
  virtual IOResult CloseChunk() = 0;
  // Reads inside the open chunk only: a read past its end reads nothing and answers IO_ERROR.
  virtual IOResult Read(void* buf, ULONG nbytes, ULONG* nread) = 0;
  // The rest of the open chunk as a UTF-16 string.
  virtual IOResult ReadWStringChunk(WStr& str) = 0;
  virtual void RegisterPostLoadCallback(PostLoadCallback* cb) = 0;
};
