#pragma once
// Layout constants of the scene file. The writer, the reader, the tests and the fuzzer all take
// them from here; docs/scene-file-format.md describes the same layout for tool writers.
#include <cstddef>
#include <cstdint>

namespace scenefile {

// "OSTRSCN" and a DOS end-of-file byte, so a file typed to a console stops after the magic.
constexpr unsigned char kMagic[8] = {'O', 'S', 'T', 'R', 'S', 'C', 'N', 0x1A};
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::size_t kHeaderSize = sizeof(kMagic) + 4;  // magic, format version

// Every chunk: a 16-bit id, a 32-bit length of the data that follows, then the data.
constexpr std::size_t kChunkHeaderSize = 6;

// Top level, after the header.
constexpr unsigned short kRootsChunk = 0x0001;    // u32 object index per root, in order
constexpr unsigned short kObjectsChunk = 0x0002;  // one kObjectChunk per object, by index

// Inside kObjectsChunk.
constexpr unsigned short kObjectChunk = 0x0010;
// Inside kObjectChunk.
constexpr unsigned short kClassChunk = 0x0011;      // u32 super class id, u32 class id a, b
constexpr unsigned short kClassNameChunk = 0x0012;  // UTF-16LE class name, for people and tools
constexpr unsigned short kRefsChunk = 0x0013;       // per slot: u32 object index, u32 super class
constexpr unsigned short kDataChunk = 0x0014;       // the object's own chunks, written by its Save

constexpr std::uint32_t kNullRef = 0xFFFFFFFFu;  // object index of an empty slot
constexpr std::size_t kClassRecordSize = 12;
constexpr std::size_t kRefRecordSize = 8;

// Inside a parameter block's kDataChunk.
constexpr unsigned short kBlockLayoutChunk = 0x0100;  // u32 version, u32 parameter count
constexpr unsigned short kBlockParamChunk = 0x0110;   // one per parameter, by index
constexpr unsigned short kParamDefChunk = 0x0111;     // u32 type, u32 animatable, u32 id
constexpr unsigned short kParamValueChunk = 0x0112;   // three f32, the unanimated value
constexpr unsigned short kParamKeysChunk = 0x0113;    // per key: i32 time, three f32
constexpr std::size_t kBlockLayoutSize = 8;
constexpr std::size_t kParamDefSize = 12;
constexpr std::size_t kParamValueSize = 12;
constexpr std::size_t kKeyRecordSize = 16;

}  // namespace scenefile
