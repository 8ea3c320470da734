#pragma once
// Identity of the Penumbrix map: the values its descriptor, its map and its panel answer,
// and the chunk ids of its own part of the scene file.
#include <cstdint>

#include "host/MaxTypes.h"
#include "penumbrix/PenumbrixStrings.h"

constexpr Class_ID kPenumbrixClassID(0x49BB437F, 0x2CE82CFD);
constexpr const wchar_t* kPenumbrixDescription = L"Ostrel's Materials and Textures";
constexpr const wchar_t* kPenumbrixRightsNotice = L"Copyright (C) 2018 Ostrel. All rights reserved.";
// 2.05 in single precision.
constexpr std::uint32_t kPenumbrixVersionBits = 0x40033333u;

// A text of the string list, for answers that must outlive the shared resource-text buffer.
constexpr const wchar_t* PenumbrixListedText(int id) {
#define PENUMBRIX_LISTED_TEXT(listedId, text) \
  if (id == (listedId)) return L##text;
  PENUMBRIX_STRINGS(PENUMBRIX_LISTED_TEXT)
#undef PENUMBRIX_LISTED_TEXT
  return L"";
}

constexpr const wchar_t* kPenumbrixClassName = PenumbrixListedText(IDS_PENUMBRIX);

// The map's own chunks besides the material header (MTL_HDR_CHUNK); each holds one
// little-endian 32-bit integer.
constexpr USHORT kDataVersionChunk = 0x4001;
constexpr USHORT kDarkMapOffChunk = 0x4100;
constexpr USHORT kLitMapOffChunk = 0x4101;

// The value every map writes into its data-version chunk until a loaded file replaces it.
constexpr int kInitialModuleDataVersion = 200;
