#pragma once
// Host-internal helpers for the host classes' own chunks: fixed-size values, little-endian,
// whatever the machine's byte order. A value that does not fit in its chunk is an error.
#include <cstdint>
#include <cstring>

#include "host/ChunkIO.h"

namespace valuechunks {

inline std::uint32_t FloatBits(float f) {
  std::uint32_t u = 0;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

inline float BitsFloat(std::uint32_t u) {
  float f = 0.0f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}

inline void PutU32(unsigned char* p, std::uint32_t u) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(u >> (8 * i));
}

inline std::uint32_t GetU32(const unsigned char* p) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
  return u;
}

// Writes n 32-bit words as one chunk. At most kMaxWords words.
constexpr int kMaxWords = 32;

inline IOResult WriteWordsChunk(ISave* isave, USHORT id, const std::uint32_t* words, int n) {
  unsigned char bytes[4 * kMaxWords];
  if (n < 0 || n > kMaxWords) return IO_ERROR;
  for (int i = 0; i < n; ++i) PutU32(bytes + 4 * i, words[i]);
  isave->BeginChunk(id);
  ULONG written = 0;
  const ULONG size = static_cast<ULONG>(4 * n);
  const IOResult res = isave->Write(bytes, size, &written);
  isave->EndChunk();
  if (res != IO_OK) return res;
  return written == size ? IO_OK : IO_ERROR;
}

// Reads n 32-bit words from the open chunk; a short read is an error.
inline IOResult ReadWords(ILoad* iload, std::uint32_t* words, int n) {
  unsigned char bytes[4 * kMaxWords];
  if (n < 0 || n > kMaxWords) return IO_ERROR;
  ULONG read = 0;
  const ULONG size = static_cast<ULONG>(4 * n);
  const IOResult res = iload->Read(bytes, size, &read);
  if (res != IO_OK) return res;
  if (read != size) return IO_ERROR;
  for (int i = 0; i < n; ++i) words[i] = GetU32(bytes + 4 * i);
  return IO_OK;
}

inline IOResult WriteIntChunk(ISave* isave, USHORT id, int v) {
  const std::uint32_t w = static_cast<std::uint32_t>(v);
  return WriteWordsChunk(isave, id, &w, 1);
}

inline IOResult ReadInt(ILoad* iload, int& v) {
  std::uint32_t w = 0;
  const IOResult res = ReadWords(iload, &w, 1);
  if (res == IO_OK) v = static_cast<int>(w);
  return res;
}

inline IOResult WriteFloatsChunk(ISave* isave, USHORT id, const float* v, int n) {
  std::uint32_t words[kMaxWords];
  if (n < 0 || n > kMaxWords) return IO_ERROR;
  for (int i = 0; i < n; ++i) words[i] = FloatBits(v[i]);
  return WriteWordsChunk(isave, id, words, n);
}

inline IOResult ReadFloats(ILoad* iload, float* v, int n) {
  std::uint32_t words[kMaxWords];
  if (n < 0 || n > kMaxWords) return IO_ERROR;
  const IOResult res = ReadWords(iload, words, n);
  if (res != IO_OK) return res;
  for (int i = 0; i < n; ++i) v[i] = BitsFloat(words[i]);
  return IO_OK;
}

}  // namespace valuechunks
