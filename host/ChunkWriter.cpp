#include <cstring>
#include <limits>

#include "host/ChunkStreams.h"
#include "host/SceneFormat.h"
#include "host/Utf16.h"

namespace {

void putLE(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace

ChunkWriter::ChunkWriter(std::vector<unsigned char>& out) : out(out) {}

void ChunkWriter::BeginChunk(USHORT id) {
  open.push_back(out.size());
  out.resize(out.size() + scenefile::kChunkHeaderSize);
  putLE(out, open.back(), id, 2);
}

void ChunkWriter::EndChunk() {
  if (open.empty()) {
    failed = true;
    return;
  }
  const std::size_t header = open.back();
  open.pop_back();
  const std::size_t length = out.size() - header - scenefile::kChunkHeaderSize;
  if (length > std::numeric_limits<std::uint32_t>::max()) {
    failed = true;
    return;
  }
  putLE(out, header + 2, static_cast<std::uint32_t>(length), 4);
}

IOResult ChunkWriter::Write(const void* buf, ULONG nbytes, ULONG* nwritten) {
  if (nwritten != nullptr) *nwritten = 0;
  if (buf == nullptr && nbytes != 0) {
    failed = true;
    return IO_ERROR;
  }
  const auto* bytes = static_cast<const unsigned char*>(buf);
  out.insert(out.end(), bytes, bytes + nbytes);
  if (nwritten != nullptr) *nwritten = nbytes;
  return IO_OK;
}

IOResult ChunkWriter::WriteWString(const wchar_t* str) {
  AppendUtf16LE(out, str);
  return IO_OK;
}

void ChunkWriter::WriteU32(std::uint32_t v) {
  const std::size_t at = out.size();
  out.resize(at + 4);
  putLE(out, at, v, 4);
}

void ChunkWriter::WriteF32(float v) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &v, sizeof bits);
  WriteU32(bits);
}
