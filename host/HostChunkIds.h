#pragma once
// Chunk ids of the data the host's own classes write through their Save.
#include "host/WinTypes.h"

// The common data of every material and map (MtlBase::Save), at the level the caller chose.
constexpr USHORT MTLBASE_NAME_CHUNK = 0x5000;    // the name, UTF-16 code units
constexpr USHORT MTLBASE_GBUFID_CHUNK = 0x5001;  // the G-buffer id, int32

// The output object.
constexpr USHORT TEXOUT_AMOUNT_CHUNK = 0x5100;  // output amount, float
constexpr USHORT TEXOUT_LEVEL_CHUNK = 0x5101;   // RGB level, 3 floats
constexpr USHORT TEXOUT_OFFSET_CHUNK = 0x5102;  // RGB offset, 3 floats
constexpr USHORT TEXOUT_FLAGS_CHUNK = 0x5103;   // bit 0 invert, bit 1 clamp; uint32

// The standard material; its common data stands inside MTL_HDR_CHUNK.
constexpr USHORT STDMAT_COLORS_CHUNK = 0x5200;  // ambient, diffuse, specular: 9 floats
constexpr USHORT STDMAT_VALUES_CHUNK = 0x5201;  // glossiness, specular level, opacity, self-illumination
constexpr USHORT STDMAT_MAPS_CHUNK = 0x5202;    // per map slot (diffuse, self-illumination): amount, on
