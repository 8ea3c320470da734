#pragma once
// The host's concrete chunk writer and reader over bytes in memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/ChunkIO.h"

// Appends chunks to a byte vector. Lengths are patched in when a chunk ends.
class HOSTAPI ChunkWriter : public ISave {
 public:
  explicit ChunkWriter(std::vector<unsigned char>& out);
  void BeginChunk(USHORT id) override;
  void EndChunk() override;
  IOResult Write(const void* buf, ULONG nbytes, ULONG* nwritten) override;
  IOResult WriteWString(const wchar_t* str) override;

  void WriteU32(std::uint32_t v);
  void WriteF32(float v);
  int OpenChunks() const { return static_cast<int>(open.size()); }
  // An EndChunk without an open chunk, a chunk too long for its length field, or a bad Write.
  bool Failed() const { return failed; }

 private:
  std::vector<unsigned char>& out;
  std::vector<std::size_t> open;  // offsets of the open chunks' headers
  bool failed = false;
};

// Reads the chunks of data[begin, end). Offsets in failure texts count from `data`, so they are
// file offsets when `data` is the whole file. The first failure is kept: once a read has failed
// the bytes are not to be trusted, whatever the caller does with the answer.
class HOSTAPI ChunkReader : public ILoad {
 public:
  ChunkReader(const unsigned char* data, std::size_t begin, std::size_t end);
  // Callbacks registered but never run are abandoned.
  ~ChunkReader() override;
  ChunkReader(const ChunkReader&) = delete;
  ChunkReader& operator=(const ChunkReader&) = delete;

  IOResult OpenChunk() override;
  USHORT CurChunkID() override;
  ULONG CurChunkLength() override;
  IOResult CloseChunk() override;
  IOResult Read(void* buf, ULONG nbytes, ULONG* nread) override;
  IOResult ReadWStringChunk(WStr& str) override;
  void RegisterPostLoadCallback(PostLoadCallback* cb) override;

  IOResult ReadU32(std::uint32_t& v);
  IOResult ReadF32(float& v);
  // Moves to another region of the same bytes; open chunks are forgotten, callbacks and any
  // failure are kept.
  void Restart(std::size_t begin, std::size_t end);
  std::size_t Position() const;    // file offset of the next byte the current level reads
  std::size_t ChunkStart() const;  // file offset of the open chunk's header (region start at top)
  std::size_t BytesLeft() const;   // unread bytes of the open chunk (or region)
  bool Failed() const { return !failure.empty(); }
  const std::string& Failure() const { return failure; }
  IOResult Fail(const std::string& what);  // records `what` at the current chunk, answers IO_ERROR

  // Runs the registered callbacks, lower Priority first, registration order within a priority.
  void RunPostLoadCallbacks();
  void AbandonPostLoadCallbacks();

 private:
  struct Level {
    USHORT id;
    std::size_t header;  // offset of the chunk header
    std::size_t begin;   // first data byte
    std::size_t end;     // one past the last data byte
    std::size_t pos;     // next byte to read at this level
  };
  const unsigned char* data;
  std::vector<Level> levels;  // levels[0] is the region itself
  std::vector<PostLoadCallback*> callbacks;
  std::string failure;
};
