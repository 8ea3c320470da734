#include <algorithm>
#include <cstdio>
#include <cstring>

#include "host/ChunkStreams.h"
#include "host/SceneFormat.h"
#include "host/Utf16.h"

namespace {

std::uint32_t getLE(const unsigned char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
  return v;
}

std::string hex4(unsigned id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", id);
  return text;
}

}  // namespace

ChunkReader::ChunkReader(const unsigned char* data, std::size_t begin, std::size_t end) : data(data) {
  Restart(begin, end);
}

ChunkReader::~ChunkReader() { AbandonPostLoadCallbacks(); }

void ChunkReader::Restart(std::size_t begin, std::size_t end) {
  levels.clear();
  levels.push_back(Level{0, begin, begin, std::max(begin, end), begin});
}

IOResult ChunkReader::Fail(const std::string& what) {
  if (failure.empty()) {
    const Level& cur = levels.back();
    if (levels.size() > 1) {
      failure = "chunk " + hex4(cur.id) + " at byte " + std::to_string(cur.header) + ": " + what;
    } else {
      failure = "at byte " + std::to_string(cur.pos) + ": " + what;
    }
  }
  return IO_ERROR;
}

IOResult ChunkReader::OpenChunk() {
  const Level cur = levels.back();
  if (cur.pos == cur.end) return IO_END;
  const std::size_t left = cur.end - cur.pos;
  if (left < scenefile::kChunkHeaderSize) {
    return Fail("a chunk header at byte " + std::to_string(cur.pos) + " is cut short: " +
                std::to_string(left) + " of " + std::to_string(scenefile::kChunkHeaderSize) + " bytes");
  }
  const auto id = static_cast<USHORT>(getLE(data + cur.pos, 2));
  const std::uint32_t length = getLE(data + cur.pos + 2, 4);
  if (length > left - scenefile::kChunkHeaderSize) {
    return Fail("chunk " + hex4(id) + " at byte " + std::to_string(cur.pos) + " claims " +
                std::to_string(length) + " bytes, only " +
                std::to_string(left - scenefile::kChunkHeaderSize) + " remain in its container");
  }
  const std::size_t begin = cur.pos + scenefile::kChunkHeaderSize;
  levels.push_back(Level{id, cur.pos, begin, begin + length, begin});
  return IO_OK;
}

USHORT ChunkReader::CurChunkID() { return levels.back().id; }

ULONG ChunkReader::CurChunkLength() {
  const Level& cur = levels.back();
  return static_cast<ULONG>(cur.end - cur.begin);
}

IOResult ChunkReader::CloseChunk() {
  if (levels.size() < 2) return Fail("CloseChunk without an open chunk");
  const std::size_t end = levels.back().end;
  levels.pop_back();
  levels.back().pos = end;
  return IO_OK;
}

IOResult ChunkReader::Read(void* buf, ULONG nbytes, ULONG* nread) {
  if (nread != nullptr) *nread = 0;
  Level& cur = levels.back();
  if (nbytes > cur.end - cur.pos) {
    return Fail("a read of " + std::to_string(nbytes) + " bytes at byte " + std::to_string(cur.pos) +
                " runs past the chunk's end (" + std::to_string(cur.end - cur.pos) + " left)");
  }
  if (buf == nullptr && nbytes != 0) return Fail("a read into no buffer");
  if (nbytes != 0) std::memcpy(buf, data + cur.pos, nbytes);
  cur.pos += nbytes;
  if (nread != nullptr) *nread = nbytes;
  return IO_OK;
}

IOResult ChunkReader::ReadWStringChunk(WStr& str) {
  Level& cur = levels.back();
  const std::size_t left = cur.end - cur.pos;
  if (left % 2 != 0) return Fail("a UTF-16 string of an odd number of bytes (" + std::to_string(left) + ")");
  str = WStr(DecodeUtf16LE(data + cur.pos, left / 2));
  cur.pos = cur.end;
  return IO_OK;
}

IOResult ChunkReader::ReadU32(std::uint32_t& v) {
  unsigned char bytes[4];
  ULONG got = 0;
  const IOResult r = Read(bytes, sizeof bytes, &got);
  v = r == IO_OK ? getLE(bytes, 4) : 0;
  return r;
}

IOResult ChunkReader::ReadF32(float& v) {
  std::uint32_t bits = 0;
  const IOResult r = ReadU32(bits);
  std::memcpy(&v, &bits, sizeof v);
  return r;
}

std::size_t ChunkReader::Position() const { return levels.back().pos; }
std::size_t ChunkReader::ChunkStart() const { return levels.back().header; }
std::size_t ChunkReader::BytesLeft() const { return levels.back().end - levels.back().pos; }

void ChunkReader::RegisterPostLoadCallback(PostLoadCallback* cb) {
  if (cb != nullptr) callbacks.push_back(cb);
}

void ChunkReader::RunPostLoadCallbacks() {
  // A callback may register another; it runs in a later round.
  while (!callbacks.empty()) {
    std::vector<PostLoadCallback*> round;
    round.swap(callbacks);
    std::stable_sort(round.begin(), round.end(),
                     [](PostLoadCallback* a, PostLoadCallback* b) { return a->Priority() < b->Priority(); });
    for (PostLoadCallback* cb : round) cb->proc(this);
  }
}

void ChunkReader::AbandonPostLoadCallbacks() {
  std::vector<PostLoadCallback*> left;
  left.swap(callbacks);
  for (PostLoadCallback* cb : left) cb->Abandon();
}
