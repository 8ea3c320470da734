#pragma once
// UTF-16LE as the scene file stores strings, whatever the width of wchar_t.
#include <cstddef>
#include <string>
#include <vector>

// Appends `str` as UTF-16LE code units. Characters beyond the BMP become surrogate pairs; a
// lone surrogate is written as it is, so whatever was read is written back unchanged.
void AppendUtf16LE(std::vector<unsigned char>& out, const wchar_t* str);
// Decodes `units` UTF-16LE code units. A lone surrogate is kept as it is.
std::wstring DecodeUtf16LE(const unsigned char* bytes, std::size_t units);
